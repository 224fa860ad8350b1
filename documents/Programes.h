#ifndef KORVU_DOCUMENTS_PROGRAMES_H
#define KORVU_DOCUMENTS_PROGRAMES_H

#include <windows.h>

#include <string>

// Starting the programs that show documents and reports, and opening through the shell.
namespace Programes {

// One argument of a command line, quoted so that blanks, a trailing '\' or a quote inside
// cannot split it or add others.
std::string Cita(const std::string& argument);

// Starts `programa` (a file name, looked for as the system does for a given program file)
// with the command line `linia`, and leaves it running. False when it did not start; the
// system's code is then in the last error.
bool Inicia(const std::string& programa, const std::string& linia);

// Starts "runvexa.exe" or another viewer with the arguments "1" and the document path.
bool IniciaVisor(const std::string& programa, const std::string& ruta);

// Opens a document with its associated application, maximised, without owner; on failure shows
// "No se ha podido abrir el documento: ..." and returns false.
bool ObreDocument(const std::string& ruta);

// Opens with the shell, the main window as owner, maximised; false when the shell failed.
bool ObreAmbFinestra(HWND finestra, const std::string& ruta);

// The system's text for an error code, bounded for a message box.
std::string TextError(DWORD codi);

} // namespace Programes

#endif
