// Progreso: the work runs in a std::thread that touches nothing of Qt; this thread waits
// in an event loop of its own and looks every few milliseconds whether the work ended, so
// no Qt object is used from two threads. Short work is waited for without any event loop.
// Before the dialog shows, the loop leaves user input queued; the dialog is then
// application-modal, so no other command can start while the work runs.
#include "ui/Progreso.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "core/Cancelacion.h"

namespace {

// Work that starts this soon after a dialog closed shows its own dialog without delay.
constexpr qint64 kEnlaceMs = 300;
// How long short work is waited for before the event loop runs.
constexpr auto kEsperaSinBucle = std::chrono::milliseconds(30);
// How often the waiting loop looks at the work.
constexpr int kSondeoMs = 15;

// When the last dialog closed.
QElapsedTimer& UltimoDialogo() {
  static QElapsedTimer reloj;
  return reloj;
}

// What the work leaves for the thread that waits for it.
struct TEstadoTrabajo {
  std::mutex mutex;
  std::condition_variable fin;
  bool terminado = false;  // under mutex; the two below are written before it is set
  bool detenido = false;   // the work stopped at a check
  std::exception_ptr error;

  bool Terminado() {
    const std::lock_guard<std::mutex> cerrojo(mutex);
    return terminado;
  }
};

void Trabajar(const std::function<void()>& trabajo, const TCancelacion& cancelacion, TEstadoTrabajo& estado) {
  {
    const TAmbitoCancelacion ambito(cancelacion);
    try {
      trabajo();
    } catch (const TCancelado&) {
      estado.detenido = true;
    } catch (...) {
      estado.error = std::current_exception();
    }
  }
  {
    const std::lock_guard<std::mutex> cerrojo(estado.mutex);
    estado.terminado = true;
  }
  estado.fin.notify_one();
}

}  // namespace

TFprogreso::TFprogreso(const QString& texto, TCancelacion& cancelacion, QWidget* padre)
    : QProgressDialog(texto, QString(), 0, 0, padre), m_cancelacion(cancelacion) {
  setObjectName("TFprogreso");
  setWindowTitle(QStringLiteral("Telar"));
  // over the window whose command runs; the help windows stay usable
  setWindowModality(padre ? Qt::WindowModal : Qt::ApplicationModal);
  setAutoClose(false);
  setAutoReset(false);
  setMinimumWidth(360);
  m_cancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
  m_cancelar->setObjectName("BotonCancelar");
  setCancelButton(m_cancelar);
  // The dialog stays up after "Cancelar" until the work has stopped.
  disconnect(this, SIGNAL(canceled()), this, SLOT(cancel()));
  connect(this, &QProgressDialog::canceled, this, &TFprogreso::Cancelar);
}

void TFprogreso::reject() { Cancelar(); }

void TFprogreso::closeEvent(QCloseEvent* evento) {
  evento->ignore();
  Cancelar();
}

void TFprogreso::Cancelar() {
  if (m_cancelacion.Pedida()) return;
  m_cancelacion.Pedir();
  setLabelText(TextoCancelando());
  m_cancelar->setEnabled(false);
}

bool EjecutarConProgresoQt(const QString& texto, const std::function<void()>& trabajo, QWidget* padre) {
  TCancelacion cancelacion;
  TEstadoTrabajo estado;
  std::thread hilo;
  try {
    hilo = std::thread([&] { Trabajar(trabajo, cancelacion, estado); });
  } catch (const std::system_error&) {  // no thread to be had: the work runs here
    Trabajar(trabajo, cancelacion, estado);
  }
  // Whatever leaves this function early, the work is asked to stop and waited for.
  struct TUnir {
    std::thread& hilo;
    TCancelacion& cancelacion;
    ~TUnir() {
      if (!hilo.joinable()) return;
      cancelacion.Pedir();
      hilo.join();
    }
  } unir{hilo, cancelacion};

  {
    std::unique_lock<std::mutex> cerrojo(estado.mutex);
    estado.fin.wait_for(cerrojo, kEsperaSinBucle, [&] { return estado.terminado; });
  }
  if (!estado.Terminado()) {
    const bool enlazado = UltimoDialogo().isValid() && UltimoDialogo().elapsed() < kEnlaceMs;
    QElapsedTimer reloj;
    reloj.start();
    QEventLoop bucle;
    QTimer sondeo;
    sondeo.setInterval(kSondeoMs);
    std::unique_ptr<TFprogreso> dialogo;
    QObject::connect(&sondeo, &QTimer::timeout, &bucle, [&] {
      if (estado.Terminado() || (!dialogo && reloj.elapsed() >= EsperaDialogoMs)) bucle.quit();
    });
    sondeo.start();
    if (!enlazado) bucle.exec(QEventLoop::ExcludeUserInputEvents);
    if (!estado.Terminado()) {
      dialogo = std::make_unique<TFprogreso>(texto, cancelacion, padre);
      dialogo->show();
      bucle.exec();
      dialogo->hide();
      UltimoDialogo().start();
    }
    sondeo.stop();
  }
  if (hilo.joinable()) hilo.join();
  if (estado.error) std::rethrow_exception(estado.error);
  return !estado.detenido && !cancelacion.Pedida();
}
