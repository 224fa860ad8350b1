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

} // namespace prova

#endif
