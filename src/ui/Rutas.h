// Rutas: where the program finds its data files (help, sounds).
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The folders searched, in order: `directorioBase` (the start directory for help, the
// current directory for sounds), the program's own folder, the data folder of the prefix
// the program is installed in (`carpetaPrograma`/../share/telar, wherever that prefix was
// moved to), the data folder of the prefix it was built for.
QStringList CarpetasDeDatos(const QString& directorioBase,
                            const QString& carpetaPrograma = QCoreApplication::applicationDirPath());

// The first existing file `relativo` ("Ayuda/Telar.qch") under those folders; empty if none.
QString BuscarArchivoDeDatos(const QString& directorioBase, const QString& relativo,
                             const QString& carpetaPrograma = QCoreApplication::applicationDirPath());
