#ifndef KORVU_LINK_VINTUIP_H
#define KORVU_LINK_VINTUIP_H

#include <cstddef>
#include <string>

// The answer of the address service, file "vintuip": the dispatcher's address, ";", its port,
// optionally followed by another ";".
namespace VintuIp {

constexpr std::size_t kMaxAdreca = 100;  // what the connection code takes as a dispatcher address

enum Resultat {
    Correcte = 0,
    NoObert = 63,     // the file cannot be opened
    SenseAdreca = 64, // nothing before the first ";", or an address that is no address
    SensePort = 65,   // nothing after it, or no port number in 1..65535
};

Resultat Interpreta(const char* contingut, std::size_t mida, std::string& adreca, int& port);
Resultat LlegeixFitxer(const char* fitxer, std::string& adreca, int& port);

} // namespace VintuIp

#endif
