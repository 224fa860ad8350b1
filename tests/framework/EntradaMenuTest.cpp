#include "framework/controls/EntradaMenu.h"

#include <gtest/gtest.h>

using Win::EntradaMenu;
using Icona = Win::EntradaMenu::Icona;

TEST(EntradaMenu, MarkersLevelsAndIconPlaces)
{
    const struct {
        const char* entrada;
        bool valida;
        Icona icona;
        const char* text;
        int iconaX;
    } table[] = {
        {"+ Ventas", true, Icona::Mes, "Ventas", 6},
        {"  -  Compras", true, Icona::Menys, "Compras", 15},
        {"Clientes", true, Icona::Entrada, "Clientes", 0},
        {"    Facturas", true, Icona::Entrada, "Facturas", 12},
        {"+Xventas", true, Icona::Mes, "ventas", 6},
        {"-abcd", true, Icona::Menys, "cd", 9},
        // Markers with too little after them give an empty text instead of failing.
        {"+", true, Icona::Mes, "", 6},
        {"+ ", true, Icona::Mes, "", 6},
        {"-", true, Icona::Menys, "", 9},
        {"-x", true, Icona::Menys, "", 9},
        {"-xy", true, Icona::Menys, "", 9},
        {"   +", true, Icona::Mes, "", 15},
        // Empty or all blanks: no icon, and the entry keeps what it had.
        {"", false, Icona::Cap, "", 0},
        {"     ", false, Icona::Cap, "", 0},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(testing::Message() << '"' << row.entrada << '"');
        const EntradaMenu e = EntradaMenu::Llegeix(row.entrada);
        EXPECT_EQ(e.valida, row.valida);
        EXPECT_EQ(e.icona, row.icona);
        EXPECT_EQ(e.text, row.text);
        EXPECT_EQ(e.iconaX, row.iconaX);
    }
}
