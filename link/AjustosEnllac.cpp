#include "link/AjustosEnllac.h"

namespace {
AjustosEnllac* actius = nullptr; // constant-initialised: safe to hand over from another file's statics
}

AjustosEnllac& ajustosEnllac()
{
    static AjustosEnllac buits;
    return actius ? *actius : buits;
}

void UsaAjustosEnllac(AjustosEnllac& a)
{
    actius = &a;
}
