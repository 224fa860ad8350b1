#ifndef KORVU_SCREENS_LLANCADOR_H
#define KORVU_SCREENS_LLANCADOR_H

#include <string>

// The report-viewer launcher: documents, reports and links go to it on system type 2.
constexpr const char kLlancador[] = "runvexa.exe";

// Starts the launcher of the working folder, as every program the client starts, with its mode
// and one argument, without waiting for it; false when it did not start.
bool Llanca(const std::string& mode, const std::string& argument);

#endif
