#ifndef KORVU_SCREENS_COLORSCAMP_H
#define KORVU_SCREENS_COLORSCAMP_H

#include <cstdint>

// The colours a field is painted with, chosen by its style code, state and kind. Colours are
// indexes into the view's palette; the brush is the palette colour's brush, or -1 for none.
struct ColorsCamp {
    int fondo;
    int texto;
    int brocha;

    static constexpr int kColors = 17;
    // The palette, as COLORREF values (0x00BBGGRR).
    static const std::uint32_t kPaleta[kColors];

    // What a window of no field gets.
    static ColorsCamp PorDefecto();
    static ColorsCamp De(int estilo, int estado, int tipo);

    bool operator==(const ColorsCamp& o) const
    {
        return fondo == o.fondo && texto == o.texto && brocha == o.brocha;
    }
};

#endif
