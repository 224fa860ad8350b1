#include "screens/Comandes.h"

#include <gtest/gtest.h>

namespace {

ControlDef Camp(int tipo, int tecla, int estado = '0')
{
    ControlDef c;
    c.tipo = tipo;
    c.tecla = tecla;
    c.estado = estado;
    return c;
}

} // namespace

TEST(Comandes, PlainCommandFindsItsField)
{
    const std::vector<ControlDef> camps = {Camp(0, 5),       Camp(2, 5, '2'), Camp(2, 6),
                                           Camp(7, 6),       Camp(8, 7),      Camp(9, 8),
                                           Camp(14, 9),      Camp(3, 10),     Camp(11, 11)};
    struct Cas {
        int comanda, esperat;
    } casos[] = {
        {5, Comandes::kCap},  // a text field is never reached; the first match is hidden
        {6, 2},               // two fields with one key: the first wins
        {7, 4}, {8, 5}, {9, 6},
        {10, Comandes::kCap},  // label
        {11, Comandes::kCap},  // listing variant
        {12, Comandes::kCap},  // no field
        {13, Comandes::kCap},
    };
    for (const Cas& c : casos)
        EXPECT_EQ(Comandes::Camp(camps, c.comanda), c.esperat) << c.comanda;
    EXPECT_EQ(Comandes::Camp({}, 1), Comandes::kCap);
}

TEST(Comandes, DebugRequestBytes)
{
    EXPECT_EQ(Comandes::ByteDepuracio(13), 0x81);
    EXPECT_EQ(Comandes::ByteDepuracio(14), 0x82);
    EXPECT_EQ(Comandes::ByteDepuracio(15), 0x84);
    EXPECT_EQ(Comandes::ByteDepuracio(16), 0);
    EXPECT_EQ(Comandes::ByteDepuracio(5), 0);
}

TEST(Comandes, PagingTable)
{
    struct Cas {
        int codi, primera, columnes, ultima;
        bool resultat;
        int despres;
    } casos[] = {
        {45, 2, 8, 5, true, 1}, {45, 0, 8, 5, true, 0},
        {46, 2, 8, 5, true, 3}, {46, 5, 8, 5, true, 5},  // on the last first column: unchanged
        {46, 7, 8, 9, true, 7},                          // on the last column: unchanged
        {47, 4, 8, 5, true, 0}, {48, 1, 8, 5, true, 5},
        {44, 2, 8, 5, false, 2}, {49, 2, 8, 5, false, 2},
    };
    for (const Cas& c : casos) {
        int primera = c.primera;
        EXPECT_EQ(Comandes::Pagina(c.codi, primera, c.columnes, c.ultima), c.resultat) << c.codi;
        EXPECT_EQ(primera, c.despres) << c.codi << " from " << c.primera;
    }
}
