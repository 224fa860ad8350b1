#include "screens/SumaPantalla.h"

void SumaPantalla::Afegeix(std::string_view columna)
{
    std::uint32_t s = static_cast<std::uint32_t>(suma);
    for (const char c : columna) {
        ++posicio;
        s += static_cast<std::uint32_t>(static_cast<signed char>(c)) * static_cast<std::uint32_t>(posicio);
    }
    suma = static_cast<std::int32_t>(s);
}
