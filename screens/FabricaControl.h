#ifndef KORVU_SCREENS_FABRICACONTROL_H
#define KORVU_SCREENS_FABRICACONTROL_H

#include <windows.h>

class ControlDef;
class Vista;

namespace Win {
class ControlBase;
}

// Which form control shows which field kind: the one place that maps a record to its control.
class FabricaControl {
public:
    // What a control is built with besides its record.
    struct Entorno {
        HWND padre;
        HWND toolTips;
        Vista* vista;
    };

    // The control of record `indice`, or null when its kind has none. `progreso` becomes
    // the kind's progress number once the control exists. Control constructors throw.
    static Win::ControlBase* Crea(const Entorno& entorno, int indice, ControlDef& def, int& progreso);
};

#endif
