#include "screens/Comandes.h"

int Comandes::Camp(const std::vector<ControlDef>& camps, int comanda)
{
    for (std::size_t i = 0; i < camps.size() && i < kCap; ++i) {
        const ControlDef& c = camps[i];
        const bool abast = c.tipo == 2 || c.tipo == 7 || c.tipo == 8 || c.tipo == 9 || c.tipo == 14;
        if (abast && c.tecla == comanda)
            return c.estado == '2' ? kCap : static_cast<int>(i);
    }
    return kCap;
}

unsigned char Comandes::ByteDepuracio(int comanda)
{
    switch (comanda) {
    case kCtrlE: return 0x81;
    case kCtrlS: return 0x82;
    case kCtrlF: return 0x84;
    default: return 0;
    }
}

bool Comandes::Pagina(int codi, int& primera, int columnes, int ultimaPrimera)
{
    switch (codi) {
    case 45:
        if (primera > 0)
            --primera;
        return true;
    case 46:
        if (primera < columnes - 1 && primera < ultimaPrimera)
            ++primera;
        return true;
    case 47:
        primera = 0;
        return true;
    case 48:
        primera = ultimaPrimera;
        return true;
    default:
        return false;
    }
}
