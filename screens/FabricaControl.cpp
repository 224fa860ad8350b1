#include "screens/FabricaControl.h"

#include "framework/controls/CDNBoto.h"
#include "framework/controls/CDNCheckbox.h"
#include "framework/controls/CDNEdit.h"
#include "screens/ControlDef.h"

namespace {

using Creador = Win::ControlBase* (*)(const FabricaControl::Entorno&, int, ControlDef&);

template <class C>
Win::ControlBase* Simple(const FabricaControl::Entorno& e, int i, ControlDef& d)
{
    return new C(e.padre, i, &d);
}

// Buttons and tool buttons also take the tooltip window; labels and listings the view.
template <class C>
Win::ControlBase* ConToolTips(const FabricaControl::Entorno& e, int i, ControlDef& d)
{
    return new C(e.padre, i, &d, e.toolTips);
}

template <class C>
Win::ControlBase* ConVista(const FabricaControl::Entorno& e, int i, ControlDef& d)
{
    return new C(e.padre, i, &d, e.vista);
}

struct Clase {
    int numero;     // progress number: how far a failed build came
    Creador crea;   // null: no control for this kind
};

// The control class of every field kind. A kind whose class is not part of the program yet has
// no creator: the field then has no window and everything else still works.
Clase DeTipo(int tipo, int subtipo)
{
    switch (tipo) {
    case 0:
        if (subtipo == 0)
            return {1, nullptr};                 // numeric field
        if (subtipo == 2)
            return {1, nullptr};                 // date field
        return {1, Simple<Win::CDNEdit>};
    case 1:
    case 13: return {11, Simple<Win::CDNCheckbox>};
    case 2: return {2, Simple<Win::CDNBoto>};
    case 3: return {3, nullptr};                 // text label
    case 4: return {9, nullptr};                 // picture frame
    case 5: return {8, nullptr};                 // sub-screen frame
    case 6:
    case 15: return {7, nullptr};                // multi-line text
    case 7:
    case 12: return {6, nullptr};                // tool button
    case 8: return {5, nullptr};                 // menu panel
    case 9:
    case 11: return {4, nullptr};                // listing
    case 10: return {10, nullptr};               // tab strip
    case 14: return {12, nullptr};               // link label
    default: return {0, nullptr};
    }
}

} // namespace

Win::ControlBase* FabricaControl::Crea(const Entorno& entorno, int indice, ControlDef& def, int& progreso)
{
    const Clase clase = DeTipo(def.tipo, def.subtipo);
    if (!clase.crea)
        return nullptr;
    Win::ControlBase* control = clase.crea(entorno, indice, def);
    progreso = clase.numero;
    return control;
}

bool FabricaControl::Disponible(int tipo, int subtipo)
{
    return DeTipo(tipo, subtipo).crea != nullptr;
}
