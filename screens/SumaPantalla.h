#ifndef KORVU_SCREENS_SUMAPANTALLA_H
#define KORVU_SCREENS_SUMAPANTALLA_H

#include <cstdint>
#include <string_view>

// The check number of a screen's definition lines, as the server computes it: within a line
// the k-th character fed (k from 1) adds its value, taken as a signed byte, times k; the sum
// wraps around in 32 bits.
class SumaPantalla {
public:
    void NovaLinia() { posicio = 0; }
    void Afegeix(std::string_view columna);

    // Whether lines with this sum answer the server's check number (0 asks for no check).
    static bool Accepta(std::int32_t suma, int numero) { return numero == 0 || suma == numero; }

    std::int32_t suma = 0;
    int posicio = 0;
};

#endif
