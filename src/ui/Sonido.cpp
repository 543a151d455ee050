// Sonido: one QSoundEffect per wave file, created on first use and reused.
#include "ui/Sonido.h"

#include <QAudioDevice>
#include <QDir>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "ui/Rutas.h"

TSonidos::TSonidos(QObject* padre) : QObject(padre) {}

void TSonidos::Reproducir(const QString& archivo) {
  m_ultimoArchivo = BuscarArchivoDeDatos(QDir::currentPath(), QStringLiteral("Sonidos/") + archivo);
  if (m_ultimoArchivo.isEmpty()) return;
  if (m_hayAudio < 0) m_hayAudio = QMediaDevices::audioOutputs().isEmpty() ? 0 : 1;
  if (m_hayAudio == 0) return;

  auto& efecto = m_efectos[m_ultimoArchivo];
  if (!efecto) {
    efecto = new QSoundEffect(this);
    efecto->setSource(QUrl::fromLocalFile(m_ultimoArchivo));
  }
  efecto->play();  // asynchronous: queued until the file is loaded, then played
}
