#ifndef KORVU_TESTS_SCREENS_CAMPPROVA_H
#define KORVU_TESTS_SCREENS_CAMPPROVA_H

#include "framework/controls/ControlDef.h"

namespace prova {

// A field record with only its code, kind and subkind set.
inline ControlDef Camp(int codigo, int tipo = 0, int subtipo = 1)
{
    ControlDef c;
    c.codigo = codigo;
    c.tipo = tipo;
    c.subtipo = subtipo;
    return c;
}

// A labelled field of eight characters at a place of the screen, in tab order `orden`.
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

} // namespace prova

#endif
