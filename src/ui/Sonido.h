// Sonido: the program's short sounds, started without waiting.
#pragma once

#include <QObject>
#include <QString>
#include <map>

class QSoundEffect;

class TSonidos : public QObject {
  Q_OBJECT
 public:
  explicit TSonidos(QObject* padre = nullptr);

  // Starts "Sonidos/<archivo>" ("Execute.wav"...) looked up from the current directory,
  // then beside the program and in the installed data folder, and returns at once.
  // A missing file or a machine without an audio output plays nothing and reports nothing.
  void Reproducir(const QString& archivo);

  // The file the last call chose, empty when it found none (for tests and diagnostics).
  const QString& UltimoArchivo() const { return m_ultimoArchivo; }

 private:
  std::map<QString, QSoundEffect*> m_efectos;  // owned as children, one per file
  QString m_ultimoArchivo;
  int m_hayAudio = -1;  // -1 not yet asked, 0 no output device, 1 one exists
};
