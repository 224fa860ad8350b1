#pragma once

#include "framework/controls/ControlDef.h"

// A field record as the screens' tests build them: a labelled field of eight characters.
inline ControlDef Campo(int tipo, int subtipo, int orden, int x1 = 10, int y1 = 10)
{
    ControlDef d;
    d.tipo = tipo;
    d.subtipo = subtipo;
    d.orden = orden;
    d.x1 = x1;
    d.y1 = y1;
    d.longMax = d.longVisible = 8;
    d.etiqueta = "Campo";
    d.posEtiqueta = 1;
    return d;
}
