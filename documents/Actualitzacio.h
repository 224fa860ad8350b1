#ifndef KORVU_DOCUMENTS_ACTUALITZACIO_H
#define KORVU_DOCUMENTS_ACTUALITZACIO_H

#include <string>

// The client's self-update on the server's order: asks the user, fetches the new installer
// into the client's folder (downloaded with wget from a web address, copied otherwise) and
// starts it.
namespace Actualitzacio {

// True when the installer was started; false when the user declined or a step failed (a box
// has then said why).
bool Actualiza(const std::string& missatge);

} // namespace Actualitzacio

#endif
