#ifndef KORVU_SCREENS_LLANCADOR_H
#define KORVU_SCREENS_LLANCADOR_H

#include <string>

// The report-viewer launcher: on system type 2 documents, reports and links go to it instead
// of the shell. It is the program of the working folder, as every program the client starts,
// and nothing waits for it; each start is false when it did not start.
constexpr const char kLlancador[] = "runvexa.exe";

// Whether documents, reports and links go to the launcher (system type 2) or to the shell.
bool PerLlancador();

// Starts a viewer with "1" and the document's path: "1" stands where the program's own name
// would, so its command line reads 1 and the path. The launcher's mode 1, and the SVG viewer.
bool IniciaVisor(const std::string& programa, const std::string& ruta);

// Mode 1: a document or report.
bool LlancaDocument(const std::string& ruta);
// Mode 2: a help link, one argument whatever it holds.
bool LlancaAjuda(const std::string& desti);
// Mode 3: a new instance, with the arguments of its command line as they stand.
bool LlancaNovaInstancia(const std::string& arguments);

#endif
