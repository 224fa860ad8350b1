#include "screens/ColorsCamp.h"

const std::uint32_t ColorsCamp::kPaleta[kColors] = {
    0xFFFFFF, 0xC8E6C8, 0x000000, 0xFFFFFF, 0xDCDCDF, 0xB9E1FA, 0xCC9DC3, 0x787878, 0x666600,
    0x0033FA, 0xF4F4F4, 0xD77A2C, 0x333333, 0xF7D8BC, 0x96E6FA, 0xCBC0FF, 0xF78C99,
};

ColorsCamp ColorsCamp::PorDefecto()
{
    return {10, 11, 10};
}

namespace {

ColorsCamp DeEstilo(int estilo)
{
    switch (estilo) {
    case '0':
    case '3': return {3, 2, 3};
    case '2': return {5, 2, 5};
    case '4': return {7, 3, 7};
    case '5': return {12, 3, 12};
    case '6': return {10, 11, 10};
    case '7': return {6, 2, 6};
    case '8': return {7, 11, 7};
    case '9': return {12, 3, 10};
    case 'A': return {13, 2, 13};
    case 'B': return {14, 2, 14};
    case 'C': return {15, 2, 15};
    case 'D': return {13, 9, 13};
    case 'E': return {14, 9, 14};
    case 'F': return {15, 9, 15};
    case 'G': return {16, 2, 16};
    case 'H': return {3, 9, 3};
    case 'I': return {16, 9, 16};
    case 0x96:
    case 0x97: return {8, 3, 8};
    default: return {4, 2, 4};
    }
}

} // namespace

ColorsCamp ColorsCamp::De(int estilo, int estado, int tipo)
{
    // The style arrives as a character of the definition line: 0x96 may come signed.
    const int e = estilo & 0xFF;
    ColorsCamp c = DeEstilo(e);
    if ((e == '0' || e == 'C') && estado == '1' && tipo != 3)
        c = {4, 2, 4};
    switch (tipo) {
    case 1:
    case 13:
    case 2:
    case 5: return PorDefecto();
    case 3:
        if (e == '0')
            return PorDefecto();
        break;
    case 11: c.brocha = -1; break;
    default: break;
    }
    return c;
}
