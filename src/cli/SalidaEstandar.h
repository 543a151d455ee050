// SalidaEstandar: telar-cli's stdout as a stream buffer that remembers why a write failed, so
// a full disk or a closed stream is reported instead of passing for success.
#pragma once

#include <array>
#include <streambuf>

class TSalidaEstandar : public std::streambuf {
 public:
  // Writes to the file descriptor `descriptor` (1 for stdout).
  explicit TSalidaEstandar(int descriptor) : m_descriptor(descriptor) {
    setp(m_bufer.data(), m_bufer.data() + m_bufer.size());
  }
  ~TSalidaEstandar() override { sync(); }

  // The errno of the first failed write; 0 while every write succeeded.
  int Error() const { return m_error; }

 protected:
  int_type overflow(int_type caracter) override;
  int sync() override;

 private:
  bool Vaciar();

  int m_descriptor;
  int m_error = 0;
  std::array<char, 1 << 16> m_bufer{};
};
