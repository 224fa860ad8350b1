#include "link/TrazaTrama.h"

#include "link/Trama.h"

#include <cstring>

namespace {

constexpr int kCampClau = 52;
const char kMascara[] = "********";

bool EsPantallaLogin(const char* text, std::size_t len)
{
    // Identifier bytes 21 to 35; characters 2 to 7 of it name the login screen.
    return len >= 29 && std::memcmp(text + 23, "KRVINI", 6) == 0;
}

} // namespace

std::string EntradaTraza(const char* text, std::size_t mida, int direccio)
{
    std::string entrada(direccio == 0 ? "Envia ->" : "Recibe->");
    std::size_t len = 0;
    while (len < mida && text[len] != '\0')
        ++len;
    std::size_t copiat = 0;
    if (EsPantallaLogin(text, len) && len > static_cast<std::size_t>(Trama::kIniciRegistre)) {
        const char sep = static_cast<char>(Trama::kSeparador);
        std::size_t p = Trama::kIniciRegistre;
        for (int camp = 1; camp < kCampClau && p < len; ++p) {
            if (text[p] == sep)
                ++camp;
        }
        std::size_t fi = p;
        while (fi < len && text[fi] != sep)
            ++fi;
        if (fi - p > 2) {
            entrada.append(text, p + 2);
            entrada += kMascara;
            copiat = fi;
        }
    }
    entrada.append(text + copiat, len - copiat);
    entrada.append("<-\0", 3);
    return entrada;
}
