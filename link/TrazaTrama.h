#ifndef KORVU_LINK_TRAZATRAMA_H
#define KORVU_LINK_TRAZATRAMA_H

#include <cstddef>
#include <string>

// One entry of the frame log: "Envia ->" (direction 0) or "Recibe->" (direction 1), the frame
// text up to its NUL, then "<-" and a NUL. In frames of the login screen (the login request,
// the dispatcher's redirect and its copy to the application server) the password of field 52
// is written as asterisks: the log is a plain file that support staff pass around.
// The text is read up to its NUL, and never beyond mida bytes.
std::string EntradaTraza(const char* text, std::size_t mida, int direccio);

#endif
