#include "framework/controls/ControlDef.h"

#include <gtest/gtest.h>

TEST(ControlDef, DefaultRecordIsATextLabel)
{
    const ControlDef d;
    EXPECT_EQ(d.tipo, 3);
    EXPECT_EQ(d.subtipo, 1);
    EXPECT_EQ(d.estado, '0');
    EXPECT_EQ(d.estilo, '0');
    EXPECT_EQ(d.escalaX, 1.0);
    EXPECT_EQ(d.escalaY, 1.0);
    EXPECT_EQ(d.modoImagen, 1);
    EXPECT_EQ(d.control, nullptr);
    EXPECT_EQ(d.x2, 0);
    EXPECT_EQ(d.y2, 0);
    EXPECT_EQ(d.longVisible, 0);
    EXPECT_EQ(d.posEtiqueta, 0);
    EXPECT_FALSE(d.marcaPanel);
    EXPECT_TRUE(d.valor.empty());
    EXPECT_TRUE(d.etiqueta.empty());
    EXPECT_TRUE(d.elementos.empty());
}

TEST(ControlDef, TabsStayInOrderAndALaterTabGoesAheadOfItsEqual)
{
    ControlDef d;
    d.marca = 1;
    d.AfegeixElement(3, "tres");
    d.AfegeixElement(1, "uno");
    d.AfegeixElement(2, "dos");
    d.AfegeixElement(2, "dos bis");
    ASSERT_EQ(d.elementos.size(), 4u);
    const char* textos[] = {"uno", "dos bis", "dos", "tres"};
    const int numeros[] = {1, 2, 2, 3};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(d.elementos[i].numero, numeros[i]);
        EXPECT_EQ(d.elementos[i].texto, textos[i]);
        EXPECT_EQ(d.elementos[i].extra, 0);
    }
    EXPECT_EQ(d.marca, 0);

    // Ahead of the first, after the last.
    d.AfegeixElement(0, "cero");
    d.AfegeixElement(9, "nueve");
    EXPECT_EQ(d.elementos.front().texto, "cero");
    EXPECT_EQ(d.elementos.back().texto, "nueve");
}
