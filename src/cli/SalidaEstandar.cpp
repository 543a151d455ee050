// SalidaEstandar: buffered writes to a file descriptor that keep the first failure's errno.
#include "cli/SalidaEstandar.h"

#include <cerrno>

#include <unistd.h>

bool TSalidaEstandar::Vaciar() {
  const char* inicio = pbase();
  const char* fin = pptr();
  while (inicio < fin && m_error == 0) {
    const ssize_t n = ::write(m_descriptor, inicio, static_cast<std::size_t>(fin - inicio));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) m_error = n < 0 ? errno : EIO;
    else inicio += n;
  }
  // after a failure the rest is dropped: the stream reports the error from then on
  setp(m_bufer.data(), m_bufer.data() + m_bufer.size());
  return m_error == 0;
}

TSalidaEstandar::int_type TSalidaEstandar::overflow(int_type caracter) {
  if (!Vaciar()) return traits_type::eof();
  if (!traits_type::eq_int_type(caracter, traits_type::eof())) {
    *pptr() = traits_type::to_char_type(caracter);
    pbump(1);
  }
  return traits_type::not_eof(caracter);
}

int TSalidaEstandar::sync() { return Vaciar() ? 0 : -1; }
