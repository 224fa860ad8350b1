#include "framework/controls/MidesCDN.h"
#include "framework/controls/ControlDef.h"

#include <gtest/gtest.h>

using Win::MidesCDN;

namespace {

const double kGran = 31.0 / 24.0;

ControlDef Rect(int x1, int y1, int x2, int y2)
{
    ControlDef d;
    d.x1 = x1;
    d.y1 = y1;
    d.x2 = x2;
    d.y2 = y2;
    return d;
}

} // namespace

TEST(MidesCDN, DateAndNumericWidths)
{
    EXPECT_EQ(MidesCDN::AmpleData(17, 1.0), 65);
    EXPECT_EQ(MidesCDN::AmpleData(24, 1.0), 65);
    EXPECT_EQ(MidesCDN::AmpleData(25, 1.0), 91);
    EXPECT_EQ(MidesCDN::AmpleData(22, kGran), 84);
    EXPECT_EQ(MidesCDN::AmpleData(31, kGran), 118);
    EXPECT_EQ(MidesCDN::AmpleNumeric(93), 68);   // 68.82: the fraction is dropped
    EXPECT_EQ(MidesCDN::AmpleNumeric(120), 88);  // 88.8
    EXPECT_EQ(MidesCDN::AmpleNumeric(0), 0);
}

TEST(MidesCDN, MultiLineEditSize)
{
    const MidesCDN::Mida base{93, 17};
    ControlDef d = Rect(10, 10, 210, 60);
    MidesCDN::Mida m = MidesCDN::Editex(d, base, 1.0);
    EXPECT_EQ(m.ample, 200);
    EXPECT_EQ(m.alt, 50);
    // The width follows the record's own scale, the height the screen's.
    d.escalaX = kGran;
    m = MidesCDN::Editex(d, base, kGran);
    EXPECT_EQ(m.ample, 258);
    EXPECT_EQ(m.alt, 65);
    // A missing edge takes the base's size, never a negative one.
    d = Rect(300, 200, 0, 0);
    m = MidesCDN::Editex(d, base, 1.0);
    EXPECT_EQ(m.ample, 93);
    EXPECT_EQ(m.alt, 17);
    d = Rect(300, 200, 100, 150);
    m = MidesCDN::Editex(d, base, 1.0);
    EXPECT_EQ(m.ample, 0);
    EXPECT_EQ(m.alt, 0);

    EXPECT_EQ(MidesCDN::AltLinies(50, 16), 48);
    EXPECT_EQ(MidesCDN::AltLinies(15, 16), 0);
    EXPECT_EQ(MidesCDN::AltLinies(64, 16), 64);
    EXPECT_EQ(MidesCDN::AltLinies(50, 0), 50);
}

TEST(MidesCDN, ToolButtonSizeCode)
{
    const struct {
        int codi;
        int costat;
    } table[] = {{4, 17}, {6, 30}, {7, 14}, {0, 24}, {1, 24}, {2, 24}, {5, 24}, {-1, 24}};
    for (const auto& row : table) {
        SCOPED_TRACE(row.codi);
        const MidesCDN::Mida m = MidesCDN::Heina(row.codi, 1.0, 1.0);
        EXPECT_EQ(m.ample, row.costat);
        EXPECT_EQ(m.alt, row.costat);
    }
    const MidesCDN::Mida m = MidesCDN::Heina(7, kGran, kGran);
    EXPECT_EQ(m.ample, 18);
    EXPECT_EQ(m.alt, 18);
}

TEST(MidesCDN, LabelFontAndSizeByOption)
{
    using F = MidesCDN::Font;
    const struct {
        int opcion;
        bool enllac;
        F font;
        int ample;
        int alt;
    } table[] = {
        // n = 10; the base width is 93.
        {0, false, F::Control, 89, 16},      {0, true, F::Control, 89, 16},
        {1, false, F::ControlGran, 120, 13}, {1, true, F::ControlMitjana, 93, 16},
        {3, false, F::Titol, 180, 25},       {3, true, F::Titol, 180, 25},
        {4, false, F::Fixa, 90, 22},         {4, true, F::Fixa, 90, 22},
        {5, false, F::FixaGran, 125, 30},    {5, true, F::FixaGran, 125, 30},
        {2, false, F::Fixa, 90, 22},         {2, true, F::Enllac, 90, 18},
        {9, false, F::Fixa, 90, 22},         {-1, true, F::Enllac, 90, 18},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(testing::Message() << row.opcion << (row.enllac ? " link" : " text"));
        ControlDef d = Rect(5, 40, 0, 0);
        d.longVisible = 10;
        d.opcion = row.opcion;
        const MidesCDN::Etiqueta e = MidesCDN::Etiquetes(d, row.enllac, 93, 40);
        EXPECT_EQ(e.font, row.font);
        EXPECT_EQ(e.ample, row.ample);
        EXPECT_EQ(e.alt, row.alt);
        // Only a text label 20 high moves up.
        EXPECT_EQ(e.y, row.alt == 13 ? 38 : 40);
    }
}

TEST(MidesCDN, LabelRectangleAndItsScale)
{
    ControlDef d = Rect(10, 10, 110, 29);
    d.opcion = 0;
    d.longVisible = 50;
    MidesCDN::Etiqueta e = MidesCDN::Etiquetes(d, false, 0, 10);
    EXPECT_EQ(e.ample, 100);
    EXPECT_EQ(e.alt, 19);
    EXPECT_EQ(e.y, 10);
    for (int alt : {20, 21}) {
        d.y2 = d.y1 + alt;
        e = MidesCDN::Etiquetes(d, false, 0, 10);
        EXPECT_EQ(e.alt, alt == 20 ? 13 : 21);
        EXPECT_EQ(e.y, alt == 20 ? 8 : 10);
        // A link label keeps its height.
        EXPECT_EQ(MidesCDN::Etiquetes(d, true, 0, 10).alt, alt);
    }
    // The record's own scale; a height that reaches 20 only once scaled counts too.
    d.y2 = d.y1 + 15;
    d.escalaX = kGran;
    d.escalaY = 4.0 / 3.0;
    e = MidesCDN::Etiquetes(d, false, 0, 10);
    EXPECT_EQ(e.ample, 129);
    EXPECT_EQ(e.alt, 13);
    EXPECT_EQ(e.y, 8);
}

TEST(MidesCDN, FrameAndTabStripSize)
{
    MidesCDN::Mida m = MidesCDN::Marc(Rect(10, 20, 410, 320), 1.0, 1.0);
    EXPECT_EQ(m.ample, 400);
    EXPECT_EQ(m.alt, 300);
    m = MidesCDN::Marc(Rect(10, 20, 410, 320), kGran, kGran);
    EXPECT_EQ(m.ample, 517);
    EXPECT_EQ(m.alt, 388);
    // Missing or crossed edges give 0, never a negative size.
    m = MidesCDN::Marc(Rect(10, 20, 0, 0), 1.0, 1.0);
    EXPECT_EQ(m.ample, 0);
    EXPECT_EQ(m.alt, 0);
    m = MidesCDN::Marc(Rect(100, 200, 50, 150), kGran, kGran);
    EXPECT_EQ(m.ample, 0);
    EXPECT_EQ(m.alt, 0);
}
