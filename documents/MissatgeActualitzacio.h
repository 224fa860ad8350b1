#ifndef KORVU_DOCUMENTS_MISSATGEACTUALITZACIO_H
#define KORVU_DOCUMENTS_MISSATGEACTUALITZACIO_H

#include <string>

// The message of the server's update order: where the new installer lies (after the first ':')
// and its file name (after the last '/' or '\').
namespace MissatgeActualitzacio {

constexpr std::size_t kMaxCamp = 99;   // source and installer name, each in 100 characters

struct Ordre {
    bool valida = false;     // false: no ':', a part too long, or a name that is not plain
    std::string font;        // a web address (web) or a path to copy from
    std::string instalador;  // a plain file name, for the client's folder
    bool web = false;        // font begins with "http"
};

Ordre Llegeix(const std::string& missatge);

// The command line that fetches a web source: the program and the source as one quoted
// argument. Empty when the source holds a quote.
std::string LiniaWget(const std::string& font);

} // namespace MissatgeActualitzacio

#endif
