#ifndef KORVU_FRAMEWORK_PROCES_H
#define KORVU_FRAMEWORK_PROCES_H

#include <string>

// Starting the outside programs the client hands documents, reports and links to, and running
// the helpers it waits for.
namespace Win::Proces {

// One argument of a command line, quoted so that blanks, a trailing '\' or a quote inside
// cannot split it or add others.
std::string Cita(const std::string& argument);

// Starts `programa` with the command line `linia` and leaves it running. A bare file name is
// the program of the current folder: the system's path is never searched, so no other program
// of that name can stand in for it. False when it did not start; the system's code is then in
// the last error.
bool Inicia(const std::string& programa, const std::string& linia);

// How a waited run ended.
enum class Final { NoIniciat, Acabat, Aturat };

// Runs the command line `linia` (its first word names the program, found as the system finds
// it) with its window shown as `mostra`, and waits up to `espera` ms for it to end; one still
// running then is ended (Aturat). `sortida` gets the exit code when it ended by itself. On
// NoIniciat the system's code is in the last error.
Final Executa(const std::string& linia, int mostra, unsigned long espera, unsigned long& sortida);

} // namespace Win::Proces

#endif
