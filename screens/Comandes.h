#ifndef KORVU_SCREENS_COMANDES_H
#define KORVU_SCREENS_COMANDES_H

#include "framework/controls/ControlDef.h"

#include <vector>

// The keyboard commands of the accelerator table (F1 to F12 give 1 to 12; Ctrl+E, S, F, D, L
// give 13 to 17) and the paging of listings by tool buttons.
class Comandes {
public:
    static constexpr int kCap = 1000;  // no field
    enum { kCtrlE = 13, kCtrlS = 14, kCtrlF = 15, kCtrlD = 16, kCtrlL = 17 };

    // The field a plain command reaches: the first button, tool button, menu panel, listing
    // or link label bound to it, unless hidden; kCap when none.
    static int Camp(const std::vector<ControlDef>& camps, int comanda);

    // Request byte 5 that commands 13 to 15 set while the development display is on; 0 for
    // every other command.
    static unsigned char ByteDepuracio(int comanda);

    // The first visible column after paging code 45 to 48; false for any other code.
    static bool Pagina(int codi, int& primera, int columnes, int ultimaPrimera);
};

#endif
