// Azar: the seeded random source of sample generation. The Mersenne Twister's output is
// fixed by the C++ standard, and the draws below use only it (no library distribution,
// whose results vary between standard libraries), so one seed gives the same samples on
// every platform and build.
#pragma once

#include <cstdint>
#include <random>

class TAzar {
 public:
  explicit TAzar(std::uint64_t semilla) : m_motor(semilla) {}

  // Uniform in [0, n); n > 0. Rejection sampling over the 64-bit output.
  std::uint64_t Uniforme(std::uint64_t n) {
    const std::uint64_t limite = UINT64_MAX - UINT64_MAX % n;
    std::uint64_t x;
    do x = m_motor();
    while (x >= limite);
    return x % n;
  }
  // Uniform in [0, 1), 53 bits.
  double Real() { return static_cast<double>(m_motor() >> 11) * 0x1.0p-53; }
  bool Moneda() { return (m_motor() >> 63) != 0; }

 private:
  std::mt19937_64 m_motor;
};
