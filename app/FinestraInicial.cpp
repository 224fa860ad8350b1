#include "app/FinestraInicial.h"

FinestraInicial FinestraInicial::Calcula(int cx, int cy, bool autoLogin)
{
    if (!autoLogin)
        return {(cx - 550) / 2, (cy - 320) / 2, 550, 320};
    FinestraInicial f{};
    if (cy <= 768) {
        f.alt = cy;
        f.y = 0;
    } else {
        f.alt = 768;
        f.y = (cy - 768) / 2;
    }
    if (cx <= 1024) {
        f.ample = cx;
        f.x = 0;
    } else {
        // Centred on 1040, as the screens were laid out for, though the window is 1045 wide.
        f.ample = 1045;
        f.x = (cx - 1040) / 2;
    }
    return f;
}
