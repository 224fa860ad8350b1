#include "screens/Desplazamiento.h"

#include <cstddef>

namespace {

bool EsDigito(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

bool Desplazamiento::Lee(const std::string& texto, int& x, int& y)
{
    x = 0;
    y = 0;
    if (texto.empty() || texto.size() > 7)
        return false;
    std::size_t i = 0;
    int vx = 0;
    while (i < texto.size() && EsDigito(texto[i]))
        vx = vx * 10 + (texto[i++] - '0');
    if (i == texto.size() || texto[i] != '-')
        return false;
    ++i;
    int vy = 0;
    while (i < texto.size() && EsDigito(texto[i]))
        vy = vy * 10 + (texto[i++] - '0');
    x = vx;
    y = vy;
    return true;
}

void Desplazamiento::Aplica(std::vector<ControlDef>& campos, int x, int y)
{
    for (ControlDef& c : campos) {
        c.x1 += x;
        c.y1 += y;
        if (c.x2 > 0)
            c.x2 += x;
        if (c.y2 > 0)
            c.y2 += y;
    }
}
