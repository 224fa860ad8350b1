#include "screens/Vista.h"

void Vista::CreaPantalla()
{
}

void Vista::AjustaDesplazamiento()
{
}

void Vista::AjustaDesplazamiento(int, int)
{
}

int Vista::SetToolTips()
{
    return static_cast<int>(campos.size());
}

bool Vista::CreaPantallaInicio()
{
    return true;
}

void Vista::RellenaInicio()
{
}

bool Vista::ConfirmaSalida()
{
    return false;
}
