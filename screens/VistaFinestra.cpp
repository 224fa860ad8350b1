#include "screens/Vista.h"

bool Vista::CentraVentana()
{
    return true;
}

void Vista::CanviaTitFinrestra()
{
}

void Vista::GuardaFondo()
{
}

bool Vista::PintaFondo(HDC)
{
    return false;
}

void Vista::SetEstatVista(int estat)
{
    ocupada = estat;
}

bool Vista::RepintaControl(HWND)
{
    return false;
}

Vista::Colores Vista::ColoresCampo(HWND) const
{
    return {paleta[10], paleta[11], Brocha(10)};
}

HBRUSH Vista::BrochaCampo(HWND) const
{
    return nullptr;
}

bool Vista::IdSinPrefijoEs() const
{
    return idPantalla.compare(0, 2, "Es") != 0;
}
