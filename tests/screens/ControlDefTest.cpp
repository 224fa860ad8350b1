#include "screens/ControlDef.h"

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

TEST(ControlDef, CopyIsDeepExceptForTheControl)
{
    ControlDef a;
    a.etiqueta = "Usuario";
    a.elementos.push_back({1, "General", 0});
    a.control = reinterpret_cast<Win::ControlBase*>(&a);
    ControlDef b = a;
    b.elementos.push_back({2, "Detalle", 0});
    b.etiqueta += ":";
    EXPECT_EQ(a.elementos.size(), 1u);
    EXPECT_EQ(a.etiqueta, "Usuario");
    EXPECT_EQ(b.control, a.control);
}
