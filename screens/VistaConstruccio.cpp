#include "screens/Vista.h"

Vista::Vista(HWND finestra, Comunicador* link, unsigned char* filtre)
    : hwnd(finestra), comunicador(link), filtreCaracters(filtre)
{
}

Vista::~Vista()
{
}

int Vista::TipoAccionCampo(int)
{
    return 0;
}

HBRUSH Vista::Brocha(int n) const
{
    return n >= 0 && n < kColors ? brochas[n].Get() : nullptr;
}

void Vista::BorraCampos()
{
}
