// Without libFuzzer, a fuzz target runs once on each file named, or on every file under a
// folder named: the normal builds replay the sample files through the targets' properties
// (a broken one aborts). Prints how many inputs ran; fails when none did.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano);

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  int entradas = 0;
  for (int i = 1; i < argc; ++i) {
    std::vector<fs::path> rutas;
    if (fs::is_directory(argv[i])) {
      for (const auto& entrada : fs::recursive_directory_iterator(argv[i]))
        if (entrada.is_regular_file()) rutas.push_back(entrada.path());
    } else {
      rutas.emplace_back(argv[i]);
    }
    for (const auto& ruta : rutas) {
      std::ifstream archivo(ruta, std::ios::binary);
      const std::string bytes((std::istreambuf_iterator<char>(archivo)), std::istreambuf_iterator<char>());
      LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
      ++entradas;
    }
  }
  std::cout << entradas << " entradas\n";
  return entradas > 0 ? 0 : 1;
}
