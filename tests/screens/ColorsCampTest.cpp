#include "screens/ColorsCamp.h"

#include <gtest/gtest.h>

namespace {
const ColorsCamp kDefecto{10, 11, 10};
}

TEST(ColorsCamp, PaletteAsGiven)
{
    EXPECT_EQ(ColorsCamp::kPaleta[4], 0xDCDCDFu);
    EXPECT_EQ(ColorsCamp::kPaleta[9], 0x0033FAu);
    EXPECT_EQ(ColorsCamp::kPaleta[10], 0xF4F4F4u);
    EXPECT_EQ(ColorsCamp::kPaleta[11], 0xD77A2Cu);
    EXPECT_EQ(ColorsCamp::kPaleta[16], 0xF78C99u);
    EXPECT_EQ(ColorsCamp::PorDefecto(), kDefecto);
}

TEST(ColorsCamp, StyleOfAnEditField)
{
    struct Caso {
        int estilo;
        ColorsCamp c;
    };
    const Caso casos[] = {
        {'0', {3, 2, 3}},   {'3', {3, 2, 3}},   {'2', {5, 2, 5}},    {'4', {7, 3, 7}},
        {'5', {12, 3, 12}}, {'6', {10, 11, 10}}, {'7', {6, 2, 6}},   {'8', {7, 11, 7}},
        {'9', {12, 3, 10}}, {'A', {13, 2, 13}}, {'B', {14, 2, 14}}, {'C', {15, 2, 15}},
        {'D', {13, 9, 13}}, {'E', {14, 9, 14}}, {'F', {15, 9, 15}}, {'G', {16, 2, 16}},
        {'H', {3, 9, 3}},   {'I', {16, 9, 16}}, {0x96, {8, 3, 8}},  {0x97, {8, 3, 8}},
        {'1', {4, 2, 4}},   {'Z', {4, 2, 4}},   {'a', {4, 2, 4}},
        {static_cast<signed char>(0x96), {8, 3, 8}},  // a signed character from the file
    };
    for (const Caso& c : casos)
        EXPECT_EQ(ColorsCamp::De(c.estilo, '0', 0), c.c) << c.estilo;
}

TEST(ColorsCamp, ReadOnlyAndKindRules)
{
    // A read-only text field of style 0 or C is grey; other styles keep their colours.
    EXPECT_EQ(ColorsCamp::De('0', '1', 0), (ColorsCamp{4, 2, 4}));
    EXPECT_EQ(ColorsCamp::De('C', '1', 6), (ColorsCamp{4, 2, 4}));
    EXPECT_EQ(ColorsCamp::De('2', '1', 0), (ColorsCamp{5, 2, 5}));
    // A read-only label of style 0 takes the default; a label of another style keeps its own.
    EXPECT_EQ(ColorsCamp::De('0', '1', 3), kDefecto);
    EXPECT_EQ(ColorsCamp::De('4', '0', 3), (ColorsCamp{7, 3, 7}));
    // Check boxes, buttons and sub-screen frames always take the default.
    for (int tipo : {1, 13, 2, 5})
        EXPECT_EQ(ColorsCamp::De('5', '0', tipo), kDefecto) << tipo;
    // A column header keeps its colours without a brush.
    EXPECT_EQ(ColorsCamp::De('5', '0', 11), (ColorsCamp{12, 3, -1}));
}
