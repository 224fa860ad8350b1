#include "link/VintuIp.h"

#include "link/Trama.h"

#include <cstdio>
#include <cstring>

namespace VintuIp {

namespace {
// Longer than any sound answer: an address of 100 characters, a port and two separators.
constexpr std::size_t kMaxFitxer = 1024;
} // namespace

Resultat Interpreta(const char* contingut, std::size_t mida, std::string& adreca, int& port)
{
    std::size_t fi = 0;
    while (fi < mida && contingut[fi] != ';')
        ++fi;
    if (fi == 0 || fi > kMaxAdreca || std::memchr(contingut, '\0', fi))
        return SenseAdreca;
    std::string llegida(contingut, fi);

    const std::size_t inici = fi < mida ? fi + 1 : mida;
    std::size_t fiPort = inici;
    while (fiPort < mida && contingut[fiPort] != ';')
        ++fiPort;
    if (fiPort == inici)
        return SensePort;
    const long valor = Trama::LlegeixEnter(contingut + inici, static_cast<int>(fiPort - inici));
    if (valor < 1 || valor > 65535)
        return SensePort;
    adreca = llegida;
    port = static_cast<int>(valor);
    return Correcte;
}

Resultat LlegeixFitxer(const char* fitxer, std::string& adreca, int& port)
{
    std::FILE* f = std::fopen(fitxer, "rb");
    if (!f)
        return NoObert;
    char contingut[kMaxFitxer];
    const std::size_t mida = std::fread(contingut, 1, sizeof contingut, f);
    std::fclose(f);
    return Interpreta(contingut, mida, adreca, port);
}

} // namespace VintuIp
