#include "screens/MidaFinestra.h"
#include "screens/PantallaInicio.h"

#include <gtest/gtest.h>

TEST(PantallaInicio, SevenRecords)
{
    const auto c = PantallaInicio::Registros(1.25, 1.5);
    ASSERT_EQ(c.size(), 7u);
    const int codigos[] = {2, 51, 52, 53, 54, 55, 56};
    const int tipos[] = {4, 0, 0, 0, 0, 1, 2};
    const int subtipos[] = {9, 1, 3, 1, 1, 7, 4};
    const int ordenes[] = {0, 5, 10, 15, 20, 25, 30};
    const int longs[] = {0, 15, 12, 6, 2, 0, 10};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(c[i].codigo, codigos[i]);
        EXPECT_EQ(c[i].tipo, tipos[i]);
        EXPECT_EQ(c[i].subtipo, subtipos[i]);
        EXPECT_EQ(c[i].orden, ordenes[i]);
        EXPECT_EQ(c[i].longMax, longs[i]);
        EXPECT_EQ(c[i].longVisible, longs[i]);
        EXPECT_EQ(c[i].estado, '0');
        EXPECT_EQ(c[i].escalaX, 1.25);
        EXPECT_EQ(c[i].escalaY, 1.5);
    }
    EXPECT_EQ(c[0].x2, 250);
    EXPECT_EQ(c[0].y2, 400);
    EXPECT_EQ(c[0].posEtiqueta, 2);
    EXPECT_EQ(c[5].etiqueta, "Acceso remoto");
    EXPECT_EQ(c[5].x1, 200);
    EXPECT_EQ(c[6].etiqueta, "Aceptar");
    EXPECT_EQ(c[6].accion, 1);
    EXPECT_EQ(c[6].tecla, 18);
    EXPECT_EQ(c[6].posEtiqueta, 2);
}

TEST(PantallaInicio, FillAndDemonstrationAccount)
{
    struct Caso {
        PantallaInicio::Login login;
        bool poner;
        const char* clave;       // text for the password control
        const char* valorClave;  // the record's value
    };
    const Caso casos[] = {
        {{"", "", "", "", "N"}, false, "", ""},
        {{"ana", "secreta", "ACME", "Es", "S"}, true, "secreta", "secreta"},
        {{"tavu", "", "k417", "Es", "N"}, true, "tavu", ""},
        {{"tavu", "otra", "k417", "Es", "N"}, true, "tavu", "otra"},
        {{"tavu", "", "k418", "Es", "N"}, false, "", ""},
        {{"TAVU", "", "k417", "Es", "N"}, false, "", ""},
    };
    for (const Caso& c : casos) {
        auto campos = PantallaInicio::Registros(1, 1);
        bool poner = true;
        EXPECT_EQ(PantallaInicio::Rellena(campos, c.login, poner), c.clave);
        EXPECT_EQ(poner, c.poner);
        EXPECT_EQ(campos[0].valor, "247");
        EXPECT_EQ(campos[1].valor, c.login.usuario);
        EXPECT_EQ(campos[2].valor, c.valorClave);
        EXPECT_EQ(campos[3].valor, c.login.empresa);
        EXPECT_EQ(campos[4].valor, c.login.idioma);
        EXPECT_EQ(campos[5].valor, c.login.acceso);
    }
}

TEST(MidaFinestra, CappedAndCentred)
{
    const MidaFinestra a = MidaFinestra::Calcula(1920, 1080);
    EXPECT_EQ(a.x, 440);
    EXPECT_EQ(a.y, 156);
    EXPECT_EQ(a.ancho, 1045);
    EXPECT_EQ(a.alto, 768);
    const MidaFinestra b = MidaFinestra::Calcula(1024, 740);
    EXPECT_EQ(b.x, 0);
    EXPECT_EQ(b.y, 0);
    EXPECT_EQ(b.ancho, 1024);
    EXPECT_EQ(b.alto, 740);
}
