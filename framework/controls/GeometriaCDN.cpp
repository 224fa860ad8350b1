#include "framework/controls/GeometriaCDN.h"

#include "framework/controls/ControlDef.h"

namespace Win {

int GeometriaCDN::Arrodoneix(double v)
{
    return static_cast<int>(v + 0.5);
}

GeometriaCDN::Rect GeometriaCDN::Base(const ControlDef& def, double sx, double sy)
{
    const int alt = def.y2 != 0 ? def.y2 - def.y1 : 17;
    int ample;
    if (def.x2 != 0)
        ample = def.x2 - def.x1;
    else if (alt < 25)
        ample = Arrodoneix(def.longVisible * 8.3 + 10);
    else
        ample = Arrodoneix(def.longVisible * 9.5 + 12);
    return {Arrodoneix(def.x1 * sx), Arrodoneix(def.y1 * sy), Arrodoneix(ample * sx), Arrodoneix(alt * sy)};
}

GeometriaCDN::Punt GeometriaCDN::Etiqueta(const ControlDef& def, int amplada, double sx, double sy)
{
    Punt p{Arrodoneix(def.x1 * sx), Arrodoneix(def.y1 * sy)};
    switch (def.posEtiqueta) {
    case 0:
        p.x = Arrodoneix(p.x + 3 * sx);
        p.y = Arrodoneix(p.y - 11 * sy);
        break;
    case 1:
        p.x = Arrodoneix(p.x - amplada - 3 * sx);
        p.y = Arrodoneix(p.y + 3 * sy);
        break;
    default:
        break;
    }
    return p;
}

GeometriaCDN::Mida GeometriaCDN::Boto(const ControlDef& def, int altBase, double sx, double sy)
{
    const int ample = Arrodoneix(def.longVisible * 8.23 + 15);
    const int alt = altBase < 24 ? 24 : altBase;
    return {Arrodoneix(ample * sx), Arrodoneix(alt * sy)};
}

GeometriaCDN::Mida GeometriaCDN::Checkbox(int ampladaText, double sx, double sy)
{
    return {Arrodoneix((ampladaText + 20) * sx), Arrodoneix(24 * sy)};
}

int GeometriaCDN::SumaAmplades(const int* amplades, std::size_t capacitat, std::size_t mesurats)
{
    const std::size_t n = mesurats < capacitat ? mesurats : capacitat;
    int suma = 0;
    for (std::size_t i = 0; i < n; ++i)
        suma += amplades[i];
    return suma;
}

} // namespace Win
