#ifndef KORVU_DOCUMENTS_PROGRAMES_H
#define KORVU_DOCUMENTS_PROGRAMES_H

#include "framework/Proces.h"

#include <windows.h>

#include <string>

// Starting the programs that show documents and reports, and opening through the shell.
namespace Programes {

using Win::Proces::Cita;
using Win::Proces::Inicia;

// Starts "runvexa.exe" or another viewer with the arguments "1" and the document path.
bool IniciaVisor(const std::string& programa, const std::string& ruta);

// Opens a file with the program that shows its kind: on system type 2 the report-viewer
// launcher, with "1" and the path; on any other the program the system associates with its
// type ("open", maximised, owned by `propietari`; an empty path opens nothing). False when it
// could not be started; the system's code is then in the last error.
bool Obre(HWND propietari, const std::string& ruta);

// Obre without owner; when the shell could not open it, shows "No se ha podido abrir el
// documento: ..." (the launcher's start is not looked at).
bool ObreDocument(const std::string& ruta);

// The system's text for an error code, bounded for a message box.
std::string TextError(DWORD codi);

} // namespace Programes

#endif
