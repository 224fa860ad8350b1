#include "framework/controls/MidesCDN.h"

#include "framework/controls/GeometriaCDN.h"
#include "framework/controls/ControlDef.h"

namespace Win {

namespace {

int Arrodoneix(double v)
{
    return GeometriaCDN::Arrodoneix(v);
}

int NoNegatiu(int v)
{
    return v < 0 ? 0 : v;
}

} // namespace

int MidesCDN::AmpleData(int altBase, double sx)
{
    return Arrodoneix((altBase < 25 ? 65 : 91) * sx);
}

int MidesCDN::AmpleNumeric(int ampleBase)
{
    return static_cast<int>(ampleBase * 0.74);
}

MidesCDN::Mida MidesCDN::Editex(const ControlDef& def, Mida base, double sy)
{
    Mida m = base;
    if (def.x2 != 0)
        m.ample = NoNegatiu(Arrodoneix((def.x2 - def.x1) * def.escalaX));
    if (def.y2 != 0)
        m.alt = NoNegatiu(Arrodoneix((def.y2 - def.y1) * sy));
    return m;
}

int MidesCDN::AltLinies(int alt, int altLinia)
{
    if (altLinia <= 0)
        return alt;
    return alt / altLinia * altLinia;
}

MidesCDN::Mida MidesCDN::Heina(int posEtiqueta, double sx, double sy)
{
    int costat;
    switch (posEtiqueta) {
    case 4: costat = 17; break;
    case 6: costat = 30; break;
    case 7: costat = 14; break;
    default: costat = 24; break;
    }
    return {Arrodoneix(costat * sx), Arrodoneix(costat * sy)};
}

MidesCDN::Etiqueta MidesCDN::Etiquetes(const ControlDef& def, bool enllac, int ampleBase, int yBase)
{
    const int n = def.longVisible;
    Etiqueta e{Font::Fixa, yBase, n * 9, 22};
    switch (def.opcion) {
    case 0:
        e = {Font::Control, yBase, Arrodoneix(n * 8.23) + 7, 16};
        break;
    case 1:
        e = enllac ? Etiqueta{Font::ControlMitjana, yBase, ampleBase, 16} : Etiqueta{Font::ControlGran, yBase, n * 12, 20};
        break;
    case 3:
        e = {Font::Titol, yBase, n * 18, 25};
        break;
    case 4:
        break;
    case 5:
        e = {Font::FixaGran, yBase, Arrodoneix(n * 12.45), 30};
        break;
    default:
        if (enllac)
            e = {Font::Enllac, yBase, n * 9, 18};
        break;
    }
    if (def.x2 != 0)
        e.ample = def.x2 - def.x1;
    if (def.y2 != 0)
        e.alt = def.y2 - def.y1;
    e.alt = NoNegatiu(Arrodoneix(e.alt * def.escalaY));
    e.ample = NoNegatiu(Arrodoneix(e.ample * def.escalaX));
    if (!enllac && e.alt == 20) {
        e.y -= 2;
        e.alt = 13;
    }
    return e;
}

MidesCDN::Mida MidesCDN::Marc(const ControlDef& def, double sx, double sy)
{
    const int ample = def.x2 != 0 ? Arrodoneix((def.x2 - def.x1) * sx) : 0;
    const int alt = def.y2 != 0 ? Arrodoneix((def.y2 - def.y1) * sy) : 0;
    return {NoNegatiu(ample), NoNegatiu(alt)};
}

} // namespace Win
