// Cancelacion: how long work learns that the user no longer wants it: a stop request that
// the work's loops poll, and the exception that carries the work out when it is asked.
#pragma once

#include <atomic>

// A stop request, set from any thread (the user's "Cancelar") and read by the work.
class TCancelacion {
 public:
  void Pedir() { m_pedida.store(true, std::memory_order_relaxed); }
  bool Pedida() const { return m_pedida.load(std::memory_order_relaxed); }

 private:
  std::atomic<bool> m_pedida{false};
};

// Thrown by ComprobarCancelacion when the work was asked to stop; whoever started the work
// catches it. Not a std::exception, so that no handler of faults takes it for one.
struct TCancelado {};

namespace cancelacion_detalle {
// The request the work running in this thread answers to; null outside such work.
inline thread_local const TCancelacion* actual = nullptr;
}  // namespace cancelacion_detalle

// While alive, `cancelacion` is the request that ComprobarCancelacion reads in this thread;
// the one before comes back when it ends (work may start work).
class TAmbitoCancelacion {
 public:
  explicit TAmbitoCancelacion(const TCancelacion& cancelacion) : m_anterior(cancelacion_detalle::actual) {
    cancelacion_detalle::actual = &cancelacion;
  }
  ~TAmbitoCancelacion() { cancelacion_detalle::actual = m_anterior; }
  TAmbitoCancelacion(const TAmbitoCancelacion&) = delete;
  TAmbitoCancelacion& operator=(const TAmbitoCancelacion&) = delete;

 private:
  const TCancelacion* m_anterior;
};

// The poll of a long loop: throws TCancelado when the work running in this thread has been
// asked to stop; does nothing outside such work. Costs a thread-local read and a relaxed
// load, cheap enough once per merge, per example or per k.
inline void ComprobarCancelacion() {
  const TCancelacion* cancelacion = cancelacion_detalle::actual;
  if (cancelacion != nullptr && cancelacion->Pedida()) throw TCancelado{};
}
