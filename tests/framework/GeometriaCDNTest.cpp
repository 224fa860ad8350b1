#include "framework/controls/GeometriaCDN.h"
#include "framework/controls/ControlDef.h"

#include <gtest/gtest.h>

using Win::GeometriaCDN;

namespace {

const double kGran = 31.0 / 24.0;

ControlDef Def(int x1, int y1, int x2, int y2, int longVisible, int posEtiqueta = 0)
{
    ControlDef d;
    d.x1 = x1;
    d.y1 = y1;
    d.x2 = x2;
    d.y2 = y2;
    d.longVisible = longVisible;
    d.posEtiqueta = posEtiqueta;
    return d;
}

} // namespace

TEST(GeometriaCDN, RoundingAddsOneHalfAndTruncatesTowardZero)
{
    EXPECT_EQ(GeometriaCDN::Arrodoneix(92.5), 93);
    EXPECT_EQ(GeometriaCDN::Arrodoneix(120.125), 120);
    EXPECT_EQ(GeometriaCDN::Arrodoneix(21.958), 22);
    EXPECT_EQ(GeometriaCDN::Arrodoneix(-6.0), -5);
    EXPECT_EQ(GeometriaCDN::Arrodoneix(-0.7), 0);
}

TEST(GeometriaCDN, BasePlacementAndSize)
{
    const struct {
        ControlDef def;
        double scale;
        GeometriaCDN::Rect expected;
    } table[] = {
        // No right or bottom edge: height 17 and width from the visible length.
        {Def(10, 20, 0, 0, 10), 1.0, {10, 20, 93, 17}},
        {Def(10, 20, 0, 0, 10), kGran, {13, 26, 120, 22}},
        // Tall fields take the wider character.
        {Def(0, 0, 0, 30, 10), 1.0, {0, 0, 107, 30}},
        {Def(0, 5, 0, 29, 10), 1.0, {0, 5, 93, 24}},
        {Def(0, 5, 0, 30, 10), 1.0, {0, 5, 107, 25}},
        {Def(0, 0, 0, 0, 0), 1.0, {0, 0, 10, 17}},
        // A full rectangle ignores the length.
        {Def(100, 50, 250, 70, 99), 1.0, {100, 50, 150, 20}},
        {Def(100, 50, 250, 70, 99), kGran, {129, 65, 194, 26}},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(testing::Message() << row.def.x1 << ',' << row.def.y1 << ',' << row.def.x2 << ','
                                        << row.def.y2 << " L" << row.def.longVisible << " s" << row.scale);
        const GeometriaCDN::Rect r = GeometriaCDN::Base(row.def, row.scale, row.scale);
        EXPECT_EQ(r.x, row.expected.x);
        EXPECT_EQ(r.y, row.expected.y);
        EXPECT_EQ(r.ample, row.expected.ample);
        EXPECT_EQ(r.alt, row.expected.alt);
    }
}

TEST(GeometriaCDN, LabelPosition)
{
    const struct {
        int pos;
        int y1;
        int width;
        double scale;
        int x;
        int y;
    } table[] = {
        {0, 40, 50, 1.0, 103, 29},  // above
        {1, 40, 50, 1.0, 47, 43},   // left: 53 pixels left of the control, 3 lower
        {2, 40, 50, 1.0, 100, 40},  // none
        {3, 40, 50, 1.0, 100, 40},  // right (check boxes draw their own)
        {0, 40, 50, kGran, 133, 38},
        {1, 40, 50, kGran, 75, 56},
        {0, 5, 50, 1.0, 103, -5},   // above the top edge: rounded toward zero
    };
    for (const auto& row : table) {
        SCOPED_TRACE(testing::Message() << "pos " << row.pos << " y1 " << row.y1 << " s" << row.scale);
        const GeometriaCDN::Punt p =
            GeometriaCDN::Etiqueta(Def(100, row.y1, 0, 0, 10, row.pos), row.width, row.scale, row.scale);
        EXPECT_EQ(p.x, row.x);
        EXPECT_EQ(p.y, row.y);
    }
}

TEST(GeometriaCDN, ButtonSizeFollowsTheLengthOnly)
{
    const struct {
        ControlDef def;
        double scale;
        int ample;
        int alt;
    } table[] = {
        {Def(0, 0, 0, 0, 10), 1.0, 97, 24},       // 17 high is raised to 24
        {Def(0, 0, 300, 30, 10), 1.0, 97, 30},    // the right edge is not used
        {Def(0, 0, 0, 0, 10), kGran, 125, 31},
        {Def(0, 0, 0, 30, 10), kGran, 125, 50},   // the base height is scaled a second time
        {Def(0, 0, 0, 0, 0), 1.0, 15, 24},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(testing::Message() << "y2 " << row.def.y2 << " s" << row.scale);
        const int baseAlt = GeometriaCDN::Base(row.def, row.scale, row.scale).alt;
        const GeometriaCDN::Mida m = GeometriaCDN::Boto(row.def, baseAlt, row.scale, row.scale);
        EXPECT_EQ(m.ample, row.ample);
        EXPECT_EQ(m.alt, row.alt);
    }
}

TEST(GeometriaCDN, CheckBoxSizeIsItsTextPlusTheBox)
{
    EXPECT_EQ(GeometriaCDN::Checkbox(50, 1.0, 1.0).ample, 70);
    EXPECT_EQ(GeometriaCDN::Checkbox(50, 1.0, 1.0).alt, 24);
    EXPECT_EQ(GeometriaCDN::Checkbox(50, kGran, kGran).ample, 90);
    EXPECT_EQ(GeometriaCDN::Checkbox(50, kGran, kGran).alt, 31);
    EXPECT_EQ(GeometriaCDN::Checkbox(0, 1.0, 1.0).ample, 20);
}

TEST(GeometriaCDN, TextWidthCountsOnlyTheMeasuredGlyphs)
{
    const int advances[] = {5, 6, 7};
    EXPECT_EQ(GeometriaCDN::SumaAmplades(advances, 3, 3), 18);
    EXPECT_EQ(GeometriaCDN::SumaAmplades(advances, 3, 2), 11);
    EXPECT_EQ(GeometriaCDN::SumaAmplades(advances, 3, 0), 0);
    // A count larger than the buffer never reads past it.
    EXPECT_EQ(GeometriaCDN::SumaAmplades(advances, 3, 200), 18);
}
