#ifndef KORVU_DOCUMENTS_NOMSIMPLE_H
#define KORVU_DOCUMENTS_NOMSIMPLE_H

#include <string>

// Whether a file name that the server sends may be joined to one of the client's folders: a
// plain name that stays in that folder and names an ordinary file.
namespace NomSimple {

constexpr std::size_t kMaxNom = 255;

// False for an empty or overlong name, a name with '\', '/', ':', "..", a wildcard, a quote,
// '<', '>', '|' or a control character, a name ending in '.' or a blank, and a device name
// (CON, PRN, AUX, NUL, COM0-9, LPT0-9 and their superscript 1-3, CONIN$, CONOUT$, with or
// without an extension).
bool EsNomSimple(const std::string& nom);

// The part of a path after its last '\' or '/' (the whole path when there is none).
std::string NomDeRuta(const std::string& ruta);

// Whether ruta lies in carpeta: carpeta equals the folder part of ruta or one of its parents,
// compared up to a separator and without regard to case (ASCII letters).
bool EsDins(const std::string& ruta, const std::string& carpeta);

} // namespace NomSimple

#endif
