// InteraccionQt: QMessageBox and QFileDialog prepared as the flows ask.
#include "ui/InteraccionQt.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "ui/NuevMuestra.h"
#include "ui/NuevaMuestraSA.h"
#include "ui/Progreso.h"
#include "ui/Sonido.h"
#include "ui/TextoQt.h"
#include "ui/Modal.h"

namespace {

QString& CarpetaRecordada() {
  static QString carpeta;
  return carpeta;
}

// The folder of the last file saved: saving again starts there, wherever samples were opened.
QString& CarpetaGuardado() {
  static QString carpeta;
  return carpeta;
}

QMessageBox::Icon IconoQt(TIcono icono) {
  switch (icono) {
    case TIcono::Error: return QMessageBox::Critical;
    case TIcono::Informacion: return QMessageBox::Information;
    case TIcono::Advertencia: return QMessageBox::Warning;
    case TIcono::Pregunta: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

// The box caption follows the icon, as message dialogs usually title themselves.
QString TituloDe(TIcono icono) {
  switch (icono) {
    case TIcono::Error: return QStringLiteral("Error");
    case TIcono::Informacion: return QStringLiteral("Información");
    case TIcono::Advertencia: return QStringLiteral("Advertencia");
    case TIcono::Pregunta: return QStringLiteral("Confirmar");
  }
  return {};
}

QMessageBox::StandardButtons BotonesQt(TBotones botones) {
  switch (botones) {
    case TBotones::Ok: return QMessageBox::Ok;
    case TBotones::Reintentar: return QMessageBox::Retry;
    case TBotones::SiNo: return QMessageBox::Yes | QMessageBox::No;
    case TBotones::OkCancelar: return QMessageBox::Ok | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

TRespuesta RespuestaDe(int boton) {
  switch (boton) {
    case QMessageBox::Ok: return TRespuesta::Ok;
    case QMessageBox::Yes: return TRespuesta::Si;
    case QMessageBox::No: return TRespuesta::No;
    case QMessageBox::Retry: return TRespuesta::Reintentar;
    default: return TRespuesta::Cancelar;
  }
}

}  // namespace

TInteraccionQt::TInteraccionQt(QWidget* ventana, TSonidos& sonidos) : m_ventana(ventana), m_sonidos(sonidos) {}

QWidget* TInteraccionQt::Encima() const { return VentanaEncima(m_ventana); }

TRespuesta TInteraccionQt::Mensaje(const std::string& texto, TIcono icono, TBotones botones) {
  return MensajeDetallado(texto, "", icono, botones);
}

TRespuesta TInteraccionQt::MensajeDetallado(const std::string& texto, const std::string& detalle, TIcono icono,
                                            TBotones botones) {
  QMessageBox caja(IconoQt(icono), TituloDe(icono), DeCp1252(texto), BotonesQt(botones), Encima());
  caja.setObjectName("Mensaje");
  if (!detalle.empty()) caja.setDetailedText(DeCp1252(detalle));
  if (botones == TBotones::Reintentar) {
    // A box with Retry alone would take Escape and its close box as Retry too; a hidden
    // Cancel lets the user leave without retrying.
    QPushButton* salir = caja.addButton(QMessageBox::Cancel);
    salir->hide();
    caja.setEscapeButton(salir);
  }
  return RespuestaDe(EjecutarModal(caja));
}

QString CarpetaReciente() {
  const QString& carpeta = CarpetaRecordada();
  return !carpeta.isEmpty() && QFileInfo(carpeta).isDir() ? carpeta : QString();
}

void RecordarCarpetaDe(const QString& archivo) {
  CarpetaRecordada() = QFileInfo(archivo).absolutePath();
}

QStringList FiltrosQt(const QString& filtro) {
  const QStringList partes = filtro.split('|');
  QStringList filtros;
  for (qsizetype i = 0; i + 1 < partes.size(); i += 2) filtros << partes[i];
  return filtros;
}

std::optional<std::string> TInteraccionQt::ElegirArchivo(const TDialogoArchivo& dialogo, bool guardar) {
  QFileDialog archivos(Encima(), DeCp1252(dialogo.titulo));
  archivos.setObjectName(guardar ? "SaveDialog1" : "OpenDialog1");
  archivos.setAcceptMode(guardar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  archivos.setFileMode(guardar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // Saving over an existing file asks first (Qt's own question, translated with qtbase).
  const QStringList filtros = FiltrosQt(DeCp1252(dialogo.filtro));
  archivos.setNameFilters(filtros);
  if (dialogo.indiceFiltro >= 1 && dialogo.indiceFiltro <= filtros.size())
    archivos.selectNameFilter(filtros[dialogo.indiceFiltro - 1]);
  archivos.setDefaultSuffix(DeCp1252(dialogo.extensionPorDefecto));
  const QString guardado = CarpetaGuardado();
  const QString reciente = guardar && !guardado.isEmpty() && QFileInfo(guardado).isDir() ? guardado : CarpetaReciente();
  archivos.setDirectory(!reciente.isEmpty()                ? reciente
                        : dialogo.carpetaInicial.empty() ? QDir::homePath()
                                                         : QString::fromStdString(dialogo.carpetaInicial));
  if (!dialogo.nombreArchivo.empty()) archivos.selectFile(DeCp1252(dialogo.nombreArchivo));

  if (EjecutarModal(archivos) != QDialog::Accepted || archivos.selectedFiles().isEmpty()) return std::nullopt;
  RecordarCarpetaDe(archivos.selectedFiles().first());
  if (guardar) CarpetaGuardado() = QFileInfo(archivos.selectedFiles().first()).absolutePath();
  return QFile::encodeName(archivos.selectedFiles().first()).toStdString();
}

std::optional<std::string> TInteraccionQt::ElegirArchivoAbrir(const TDialogoArchivo& dialogo) {
  return ElegirArchivo(dialogo, false);
}

std::optional<std::string> TInteraccionQt::ElegirArchivoGuardar(const TDialogoArchivo& dialogo) {
  return ElegirArchivo(dialogo, true);
}

void TInteraccionQt::ReproducirSonido(const std::string& archivo) {
  m_sonidos.Reproducir(QString::fromStdString(archivo));
}

std::optional<TLista> TInteraccionQt::EditarMuestra() {
  if (!m_editor || EjecutarModal(*m_editor) != QDialog::Accepted) return std::nullopt;
  return m_editor->Entradas();
}

std::optional<TLista> TInteraccionQt::EditarMuestraSA() {
  if (!m_editorSA || EjecutarModal(*m_editorSA) != QDialog::Accepted) return std::nullopt;
  return m_editorSA->MuestraTxt();
}

void TInteraccionQt::PonerEditores(TFnuevMuestra* editor, TFnuevaMuestraSA* editorSA) {
  m_editor = editor;
  m_editorSA = editorSA;
}

bool TInteraccionQt::EjecutarConProgreso(const std::string& texto, const std::function<void()>& trabajo) {
  return EjecutarConProgresoQt(DeCp1252(texto), trabajo, Encima());
}
