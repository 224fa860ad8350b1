#ifndef KORVU_DOCUMENTS_PROGRAMES_H
#define KORVU_DOCUMENTS_PROGRAMES_H

#include <windows.h>

#include <string>

// Opening documents and received reports with the program that shows them: on system type 2
// the report-viewer launcher, with "1" and the path; on any other the program the system
// associates with the file's type ("open", maximised; an empty path opens nothing).
namespace Programes {

// How an opening ended. The launcher's start fails only when the launcher could not be
// started; what it does with the file is its own.
enum class Obertura { Oberta, LlancadorFallat, ShellFallat };

// A document of the documents folder: the shell's ShellExecuteEx, without owner. When the
// shell could not open it, shows "No se ha podido abrir el documento: ..." with the system's
// text for its failure.
Obertura ObreDocument(const std::string& ruta);

// A received report or file: the shell's ShellExecute, owned by the main window. The caller
// says what failed.
Obertura ObreInforme(HWND finestra, const std::string& ruta);

} // namespace Programes

#endif
