#include "screens/FabricaControl.h"

#include "framework/controls/CDNBoto.h"
#include "framework/controls/CDNCheckbox.h"
#include "framework/controls/CDNEdit.h"
#include "framework/controls/CDNEditData.h"
#include "framework/controls/CDNEditNum.h"
#include "framework/controls/CDNEditex.h"
#include "framework/controls/CDNHeina.h"
#include "framework/controls/CDNLlistatn.h"
#include "framework/controls/CDNMenu.h"
#include "framework/controls/CDNPant.h"
#include "framework/controls/CDNPest.h"
#include "framework/controls/CDNQuadre.h"
#include "framework/controls/CDNStatic.h"
#include "framework/controls/CDNStaticu.h"
#include "framework/controls/ControlDef.h"
#include "screens/Vista.h"

namespace {

using Creador = Win::ControlBase* (*)(const FabricaControl::Entorno&, int, ControlDef&);

template <class C>
Win::ControlBase* Simple(const FabricaControl::Entorno& e, int i, ControlDef& d)
{
    return new C(e.padre, i, &d);
}

// Tool buttons also take the tooltip window.
template <class C>
Win::ControlBase* ConToolTips(const FabricaControl::Entorno& e, int i, ControlDef& d)
{
    return new C(e.padre, i, &d, e.toolTips);
}

// A listing shares the view's column state and moves the screen when dragged.
Win::ControlBase* Llistat(const FabricaControl::Entorno& e, int i, ControlDef& d)
{
    return new Win::CDNLlistatn(e.padre, i, &d, e.vista->estatLlistat, e.vista);
}

struct Clase {
    int numero;     // progress number: how far a failed build came
    Creador crea;   // null: no control for this kind
};

// The control class of every field kind; an unknown kind has none and its field no window.
Clase DeTipo(int tipo, int subtipo)
{
    switch (tipo) {
    case 0:
        if (subtipo == 0)
            return {1, Simple<Win::CDNEditNum>};
        if (subtipo == 2)
            return {1, Simple<Win::CDNEditData>};
        return {1, Simple<Win::CDNEdit>};
    case 1:
    case 13: return {11, Simple<Win::CDNCheckbox>};
    case 2: return {2, Simple<Win::CDNBoto>};
    case 3: return {3, Simple<Win::CDNStatic>};
    case 4: return {9, Simple<Win::CDNQuadre>};
    case 5: return {8, Simple<Win::CDNPant>};
    case 6:
    case 15: return {7, Simple<Win::CDNEditex>};
    case 7:
    case 12: return {6, ConToolTips<Win::CDNHeina>};
    case 8: return {5, Simple<Win::CDNMenu>};
    case 9:
    case 11: return {4, Llistat};
    case 10: return {10, Simple<Win::CDNPest>};
    case 14: return {12, Simple<Win::CDNStaticu>};
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
