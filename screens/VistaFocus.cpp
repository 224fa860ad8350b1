#include "screens/Vista.h"

int Vista::IndiceCampo(HWND) const
{
    return kMaxCamps;
}

bool Vista::GuardaFocoActual(HWND)
{
    return false;
}

bool Vista::Focus(int)
{
    return false;
}

bool Vista::FocusActual()
{
    return false;
}

bool Vista::FocusIni()
{
    return false;
}

bool Vista::FocusNou()
{
    return false;
}

bool Vista::FocusSeguent()
{
    return false;
}

bool Vista::FocusAnterior()
{
    return false;
}

int Vista::ValidaCampo(HWND)
{
    return 0;
}

bool Vista::ControlSortir()
{
    return false;
}

bool Vista::DisparaCampoCodigo42()
{
    return false;
}

int Vista::PrimerCampoPestanya(int)
{
    return -1;
}

void Vista::MuestraPestanya(int)
{
}
