// Rutas: where the program finds its data files (help, sounds).
#pragma once

#include <QString>
#include <QStringList>

// The folders searched, in order: `directorioBase` (the start directory for help, the
// current directory for sounds), the program's own folder, the installed data folder.
QStringList CarpetasDeDatos(const QString& directorioBase);

// The first existing file `relativo` ("Ayuda/Telar.qch") under those folders; empty if none.
QString BuscarArchivoDeDatos(const QString& directorioBase, const QString& relativo);
