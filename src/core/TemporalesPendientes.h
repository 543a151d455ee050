// TemporalesPendientes: the temporary files a write has under way, kept where a signal
// handler can remove them, so a program ended by SIGTERM, SIGINT or SIGHUP in the middle of
// a write leaves no hidden half-written file beside the one it was replacing.
#pragma once

#include <string>

// Notes `ruta` as a temporary file that must not outlive the process. Call it before the
// file is created; returns the slot to free, or -1 when every slot is taken (the file is
// then simply not removed by a signal). Thread-safe.
int RegistrarTemporal(const std::string& ruta);

// Forgets the slot RegistrarTemporal returned (after the file was renamed or removed);
// -1 is ignored.
void OlvidarTemporal(int ranura);

// Removes every noted temporary file. Async-signal-safe: it only reads the slots and calls
// unlink.
void BorrarTemporalesPendientes() noexcept;

// Installs handlers for SIGTERM, SIGINT and SIGHUP that remove the noted temporary files
// and then end the process by the same signal (so the caller sees the usual status). A
// signal the process ignored when this is called stays ignored.
void BorrarTemporalesAlTerminar();
