#include "screens/MidaFinestra.h"

MidaFinestra MidaFinestra::Calcula(int anchoMax, int altoMax)
{
    MidaFinestra m{0, 0, anchoMax, altoMax};
    if (altoMax > 768) {
        m.alto = 768;
        m.y = (altoMax - 768) / 2;
    }
    if (anchoMax > 1024) {
        m.ancho = 1045;
        m.x = (anchoMax - 1040) / 2;
    }
    return m;
}
