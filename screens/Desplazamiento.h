#ifndef KORVU_SCREENS_DESPLAZAMIENTO_H
#define KORVU_SCREENS_DESPLAZAMIENTO_H

#include "framework/controls/ControlDef.h"

#include <string>
#include <vector>

// The screen offset that a reply carries in its field 12: "x-y" in decimal digits, at most 7
// characters, both parts 0 or more.
class Desplazamiento {
public:
    // Reads the text of the field (its code already taken off). False, with x and y 0, when it
    // holds no offset: empty, longer than 7, a character other than a digit before the "-",
    // or no "-" at all. After the "-" the digits up to the first other character count.
    static bool Lee(const std::string& texto, int& x, int& y);

    // Shifts every record; a far corner of 0 (the control sizes itself) stays 0.
    static void Aplica(std::vector<ControlDef>& campos, int x, int y);
};

#endif
