#include "screens/Desplazamiento.h"

#include <gtest/gtest.h>

TEST(Desplazamiento, ReadsTheOffsetOrNone)
{
    struct Caso {
        const char* texto;
        bool hay;
        int x, y;
    };
    const Caso casos[] = {
        {"12-30", true, 12, 30},
        {"-30", true, 0, 30},
        {"12-", true, 12, 0},
        {"-", true, 0, 0},
        {"12-30px", true, 12, 30},
        {"1234-56", true, 1234, 56},   // exactly 7
        {"9999999", false, 0, 0},     // 7 digits, no separator
        {"1230", false, 0, 0},
        {"12+30", false, 0, 0},
        {"", false, 0, 0},
        {"12345-78", false, 0, 0},    // 8 characters
        {"12345678-9", false, 0, 0},
        {"a-1", false, 0, 0},
        {" 1-2", false, 0, 0},
    };
    for (const Caso& c : casos) {
        int x = -5, y = -5;
        EXPECT_EQ(Desplazamiento::Lee(c.texto, x, y), c.hay) << c.texto;
        EXPECT_EQ(x, c.x) << c.texto;
        EXPECT_EQ(y, c.y) << c.texto;
    }
}

TEST(Desplazamiento, KeepsSelfSizingCornersAtZero)
{
    std::vector<ControlDef> campos(2);
    campos[0].x1 = 10;
    campos[0].y1 = 20;
    campos[0].x2 = 100;
    campos[0].y2 = 0;
    campos[1].x2 = 0;
    campos[1].y2 = 50;
    Desplazamiento::Aplica(campos, 12, 30);
    EXPECT_EQ(campos[0].x1, 22);
    EXPECT_EQ(campos[0].y1, 50);
    EXPECT_EQ(campos[0].x2, 112);
    EXPECT_EQ(campos[0].y2, 0);
    EXPECT_EQ(campos[1].x1, 12);
    EXPECT_EQ(campos[1].x2, 0);
    EXPECT_EQ(campos[1].y2, 80);
}
