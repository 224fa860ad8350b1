#include "screens/OrdreTabulacio.h"

#include <gtest/gtest.h>

namespace {

// A stand-in for a built control: only its presence is read.
Win::ControlBase* const kControl = reinterpret_cast<Win::ControlBase*>(0x1000);

std::vector<ControlDef> Ordenes(std::initializer_list<int> ordenes)
{
    std::vector<ControlDef> campos;
    for (int o : ordenes) {
        ControlDef d;
        d.tipo = 0;
        d.orden = o;
        d.control = kControl;
        campos.push_back(d);
    }
    return campos;
}

} // namespace

TEST(OrdreTabulacio, TabAndShiftTabWrapAround)
{
    const auto c = Ordenes({5, 10, 10, 20});
    EXPECT_EQ(OrdreTabulacio::Siguiente(c, 1), 3);
    EXPECT_EQ(OrdreTabulacio::Siguiente(c, 3), 0);
    EXPECT_EQ(OrdreTabulacio::Anterior(c, 0), 3);
    EXPECT_EQ(OrdreTabulacio::Anterior(c, 3), 1);
    EXPECT_EQ(OrdreTabulacio::Siguiente(c, 0), 1);  // the first of two equal orders
}

TEST(OrdreTabulacio, Order999OnlyForShiftTabAndSkippedStates)
{
    auto c = Ordenes({5, 999, 10, 0});
    EXPECT_EQ(OrdreTabulacio::Siguiente(c, 2), 0);  // 999 never reached forward
    EXPECT_EQ(OrdreTabulacio::Anterior(c, 0), 1);   // but it is the highest backwards
    c[1].estado = '1';
    EXPECT_EQ(OrdreTabulacio::Anterior(c, 0), 2);
    c[2].estado = '2';
    EXPECT_EQ(OrdreTabulacio::Siguiente(c, 0), 0);  // only itself is left
    EXPECT_EQ(OrdreTabulacio::Anterior(c, 0), 0);
    const auto nada = Ordenes({0, 0});
    EXPECT_EQ(OrdreTabulacio::Siguiente(nada, 0), -1);
    EXPECT_EQ(OrdreTabulacio::Anterior(nada, 0), -1);
    EXPECT_EQ(OrdreTabulacio::Siguiente(nada, 5), -1);  // a stale index after the table emptied
}

TEST(OrdreTabulacio, DefaultField)
{
    auto c = Ordenes({5, 3, 3, 0});
    EXPECT_EQ(OrdreTabulacio::CampoDefecto(c), 1);
    c[1].estado = '1';
    EXPECT_EQ(OrdreTabulacio::CampoDefecto(c), 2);
    c[2].control = nullptr;  // no control, no default
    EXPECT_EQ(OrdreTabulacio::CampoDefecto(c), 0);
    EXPECT_EQ(OrdreTabulacio::CampoDefecto(Ordenes({0, 999, 1000})), -1);
    EXPECT_EQ(OrdreTabulacio::CampoDefecto(Ordenes({4, -2})), 1);  // a negative order counts
}

TEST(OrdreTabulacio, FirstFieldOfAPickedTab)
{
    // Field 0 is on page 2, field 3 the tab strip, tabs for pages 1 and 2 stored as 0 and 1.
    auto c = Ordenes({7, 3, 3, 0, 5});
    c[0].pagina = 2;
    c[1].pagina = 1;
    c[2].pagina = 1;
    c[3].tipo = 10;
    c[3].elementos = {{1, "Uno", 0}, {2, "Dos", 1}};
    c[4].pagina = 1;
    EXPECT_EQ(OrdreTabulacio::PrimerCampoPagina(c, 0, 3, 0), 2);   // the last of equals
    EXPECT_EQ(OrdreTabulacio::PrimerCampoPagina(c, 1, 3, 1), 0);   // index 0 is a result
    EXPECT_EQ(OrdreTabulacio::PrimerCampoPagina(c, 1, 3, 0), -1);  // its own page
    EXPECT_EQ(OrdreTabulacio::PrimerCampoPagina(c, 3, 3, 1), -1);  // current on every page
    EXPECT_EQ(OrdreTabulacio::PrimerCampoPagina(c, 0, 3, 7), -1);  // no such tab
    c[1].estado = '1';  // read-only counts, hidden does not
    c[2].estado = '2';
    EXPECT_EQ(OrdreTabulacio::PrimerCampoPagina(c, 0, 3, 0), 1);
    c[1].estado = '2';
    c[4].orden = 1000;  // beyond 999
    EXPECT_EQ(OrdreTabulacio::PrimerCampoPagina(c, 0, 3, 0), -1);
}

TEST(OrdreTabulacio, VisibilityOnAPage)
{
    ControlDef f;
    f.pagina = 2;
    EXPECT_EQ(OrdreTabulacio::Visibilidad(f, 2), 1);
    EXPECT_EQ(OrdreTabulacio::Visibilidad(f, 1), 0);
    f.estado = '2';
    EXPECT_EQ(OrdreTabulacio::Visibilidad(f, 2), 0);
    ControlDef todas;
    EXPECT_EQ(OrdreTabulacio::Visibilidad(todas, 1), -1);
    ControlDef tira;
    tira.tipo = 10;
    tira.pagina = 3;
    EXPECT_EQ(OrdreTabulacio::Visibilidad(tira, 1), -1);
}

TEST(OrdreTabulacio, LeavingAField)
{
    auto c = Ordenes({1, 2, 3});
    c[0].accion = 1;
    c[1].tipo = 2;  // a button
    EXPECT_EQ(OrdreTabulacio::AlSalir(c, 0, 1), OrdreTabulacio::kPendiente);
    EXPECT_EQ(OrdreTabulacio::AlSalir(c, 0, 2), OrdreTabulacio::kAhora);
    c[0].estado = '1';
    EXPECT_EQ(OrdreTabulacio::AlSalir(c, 0, 2), OrdreTabulacio::kNada);
    c[0].estado = '0';
    c[0].accion = 0;
    EXPECT_EQ(OrdreTabulacio::AlSalir(c, 0, 2), OrdreTabulacio::kNada);
    c[1].accion = 1;  // a clickable field sends when activated, not when left
    EXPECT_EQ(OrdreTabulacio::AlSalir(c, 1, 2), OrdreTabulacio::kNada);
    EXPECT_EQ(OrdreTabulacio::AlSalir(c, -1, 2), OrdreTabulacio::kNada);
}
