#include "documents/BlocsFitxer.h"

#include <cstring>

namespace BlocsFitxer {

void CodificaTros(const unsigned char* b, std::size_t n, std::string& bloc)
{
    if (n == 0)
        return;
    const std::size_t last = n - 1;
    std::size_t i = 0;
    while (i <= last) {
        if (i < last && b[i] == b[i + 1]) {
            // A run never takes in the chunk's last byte and never exceeds 63.
            std::size_t k = 1;
            if (i + 1 < last) {
                do {
                    if (k > 62 || b[i + k] != b[i])
                        break;
                    ++k;
                } while (i + k < last);
            }
            bloc += static_cast<char>(0x80 | k);
            bloc += static_cast<char>(b[i]);
            i += k;
        } else {
            std::size_t k = 1;
            std::size_t j = i;
            while (j < last && !(j + 1 < last && b[j + 1] == b[j + 2]) && k <= 126) {
                ++j;
                ++k;
            }
            bloc += static_cast<char>(k);
            bloc.append(reinterpret_cast<const char*>(b + i), k);
            i += k;
        }
    }
}

Resultat DescodificaBloc(const unsigned char* bloc, std::size_t mida, Sortida& sortida)
{
    unsigned char pendent[kPendentMax + 128];
    std::size_t n = 0;
    std::size_t pos = 0;
    Resultat resultat = Continua;
    while (pos < mida) {
        const unsigned char c = bloc[pos];
        if (c >= 0xC0) {
            resultat = Fi;
            break;
        }
        if (c < 0x80) {
            if (c > mida - pos - 1) {
                resultat = Malformat;
                break;
            }
            std::memcpy(pendent + n, bloc + pos + 1, c);
            n += c;
            pos += 1 + c;
        } else {
            if (mida - pos < 2) {
                resultat = Malformat;
                break;
            }
            std::memset(pendent + n, bloc[pos + 1], c & 0x3F);
            n += c & 0x3F;
            pos += 2;
        }
        if (n > kPendentMax) {
            if (!sortida.Escriu(pendent, n))
                return ErrorEscriptura;
            n = 0;
        }
    }
    if (n > 0 && !sortida.Escriu(pendent, n))
        return ErrorEscriptura;
    return resultat;
}

int AccioMode(char lletra)
{
    switch (lletra) {
    case 'a': return kRtf;
    case 'b': return kFullCalcul;
    case 'r': return kLectura;
    case 'w': return kEscriptura;
    case 'R': return kLecturaObre;
    case 'W': return kSubstitueixObre;
    case 'i': return kJava;
    case 'c': return kImpressioDirecta;
    case 'd': return kImpressioRaw;
    case 'g': return kFitxers;
    case 'I': return kProvaImpres;
    default: return kDesa;
    }
}

} // namespace BlocsFitxer
