#include "framework/Ajustos.h"

namespace Win {

namespace {
Ajustos* actius = nullptr; // constant-initialised: safe to hand over from another file's statics
}

Ajustos& ajustos()
{
    static Ajustos buits;
    return actius ? *actius : buits;
}

void UsaAjustos(Ajustos& a)
{
    actius = &a;
}

} // namespace Win
