#ifndef KORVU_FRAMEWORK_PROCES_H
#define KORVU_FRAMEWORK_PROCES_H

#include <string>

// Starting the outside programs the client hands documents, reports and links to.
namespace Win::Proces {

// One argument of a command line, quoted so that blanks, a trailing '\' or a quote inside
// cannot split it or add others.
std::string Cita(const std::string& argument);

// Starts `programa` with the command line `linia` and leaves it running. A bare file name is
// the program of the current folder: the system's path is never searched, so no other program
// of that name can stand in for it. False when it did not start; the system's code is then in
// the last error.
bool Inicia(const std::string& programa, const std::string& linia);

} // namespace Win::Proces

#endif
