// Date and numeric fields, multi-line edit, tool button, labels, link label, sub-screen frame
// and tab strip, built from records on one shared window.
#include "framework/MissatgesPrivats.h"
#include "framework/MsgLoop.h"
#include "framework/ObjecteGdi.h"
#include "framework/controls/CDNEditData.h"
#include "framework/controls/CDNEditNum.h"
#include "framework/controls/CDNEditex.h"
#include "framework/controls/CDNHeina.h"
#include "framework/controls/CDNPant.h"
#include "framework/controls/CDNPest.h"
#include "framework/controls/CDNStatic.h"
#include "framework/controls/CDNStaticu.h"
#include "resources/ResourceIds.h"
#include "framework/controls/ControlDef.h"
#include "tests/framework/ControlsProva.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

const char* const kFallada = "Internal error: Control Edit, la creación a fallado.";

DWORD ExStyle(HWND h)
{
    return static_cast<DWORD>(GetWindowLongA(h, GWL_EXSTYLE));
}

HFONT FontOf(HWND h)
{
    return reinterpret_cast<HFONT>(SendMessageA(h, WM_GETFONT, 0, 0));
}

bool Underlined(HFONT font)
{
    LOGFONTA lf = {};
    return font && GetObjectA(font, sizeof lf, &lf) && lf.lfUnderline;
}

HFONT Font(int height, const char* face = "Tahoma")
{
    return CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, face);
}

HBITMAP Solid(COLORREF colour, int w = 8, int h = 8)
{
    HDC screen = GetDC(nullptr);
    HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
    HDC mem = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(mem, bmp);
    HBRUSH brush = CreateSolidBrush(colour);
    RECT r = {0, 0, w, h};
    FillRect(mem, &r, brush);
    DeleteObject(brush);
    SelectObject(mem, old);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return bmp;
}

// ---- real input ----

void Press(WORD vk, WORD scan)
{
    Key(vk, scan, false);
    Key(vk, scan, true);
}

// A digit of the main keyboard.
void Digit(char d)
{
    static const WORD scans[] = {0x0B, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A};
    Press(static_cast<WORD>(d), scans[d - '0']);
}

// ---- the fixture ----

class Camps : public ParentCompartit {
protected:
    void SetUp() override
    {
        struct {
            HFONT* font;
            int height;
            const char* face;
        } fonts[] = {
            {&ajustosProva.fontControl, -11, "Tahoma"},   {&ajustosProva.fontControlMitjana, -12, "Tahoma"},
            {&ajustosProva.fontControlGran, -18, "Tahoma"}, {&ajustosProva.fontTitol, -20, "Tahoma"},
            {&ajustosProva.fontFixa, -12, "Courier New"},  {&ajustosProva.fontFixaGran, -16, "Courier New"},
            {&ajustosProva.fontEnllac, -13, "Tahoma"},     {&ajustosProva.fontArial, -13, "Arial"},
        };
        for (const auto& f : fonts)
            *f.font = Font(f.height, f.face);
        SetScale(1.0);
        ajustosProva.idioma = "Es";
        ajustosProva.modeDesenvolupament = 0;
        ReiniciaParent();
    }
    void TearDown() override
    {
        parent->ctrl.before = nullptr;
        SetScale(1.0);
        ajustosProva.idioma.clear();
        for (HFONT* f : {&ajustosProva.fontControl, &ajustosProva.fontControlMitjana, &ajustosProva.fontControlGran,
                         &ajustosProva.fontTitol, &ajustosProva.fontFixa, &ajustosProva.fontFixaGran,
                         &ajustosProva.fontEnllac, &ajustosProva.fontArial}) {
            DeleteObject(*f);
            *f = nullptr;
        }
        SetFocus(Parent());
    }
    static bool Focus(HWND field) { return TakeKeyboard(Parent(), field); }

    static void SetUpTestSuite()
    {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_TAB_CLASSES};
        InitCommonControlsEx(&icc);
        ParentCompartit::SetUpTestSuite();
    }
};

} // namespace

// ---- date field ----

TEST_F(Camps, DateFieldPlacementStyleFontAndLabel)
{
    ControlDef d = Def(0, 2, 100, 40, 10, "Fecha", 1);
    ControlDef tall = Def(0, 2, 100, 80, 10, "Fecha", 2);
    tall.y2 = 110;
    {
        Win::CDNEditData f(Parent(), 3, &d);
        Win::CDNEditData t(Parent(), 4, &tall);
        ExpectPlaced(f.Window(), 100, 40, 65, 17);
        ExpectPlaced(t.Window(), 100, 80, 91, 30);
        EXPECT_EQ(Style(f.Window()), 0x50010002u);
        EXPECT_EQ(FontOf(f.Window()), ajustosProva.fontControlMitjana);
        EXPECT_EQ(FontOf(t.Window()), ajustosProva.fontControlGran);
        EXPECT_EQ(SendMessageA(f.Window(), EM_GETLIMITTEXT, 0, 0), 10);
        ASSERT_NE(f.LabelWindow(), nullptr);
        EXPECT_EQ(Text(f.LabelWindow()), "Fecha");
        EXPECT_EQ(FontOf(f.LabelWindow()), ajustosProva.fontControl);
        EXPECT_EQ(t.LabelWindow(), nullptr);
        EXPECT_EQ(Text(f.Window()), "");
    }
    SetScale(kGran);
    Win::CDNEditData f(Parent(), 3, &d);
    ExpectPlaced(f.Window(), 129, 52, 84, 22);
}

TEST_F(Camps, DateFieldValidatesThroughItsSlot)
{
    ControlDef d = Def(0, 2, 10, 10, 10);
    Win::CDNEditData f(Parent(), 0, &d);
    Win::ControlBase& c = f;
    const struct {
        const char* typed;
        int result;
        const char* shown;
    } table[] = {
        {"", 2, ""},
        {"1/2/24", 2, "01/02/2024"},
        {"01/02/2024", 0, "01/02/2024"},  // what it wrote back is unchanged
        {"31/04/2024", 1, "31/04/2024"},  // refused: stays as typed
        {"010224", 2, "01/02/2024"},      // the kept date typed another way
        {"", 2, ""},
        {"1.2.24", 1, "1.2.24"},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.typed);
        c.SetValue(row.typed);
        EXPECT_EQ(c.Validate(), row.result);
        EXPECT_EQ(Text(f.Window()), row.shown);
    }
    char value[16] = {};
    EXPECT_EQ(c.GetValue(value, sizeof value), 6);
    EXPECT_STREQ(value, "1.2.24");
    c.Clear();
    EXPECT_EQ(Text(f.Window()), "---");
    EXPECT_EQ(c.Validate(), 1);
}

// As the numeric field: an exchange before the field is left carries the date leaving it would
// show, or the text as shown when leaving would refuse it; the window waits for the leaving.
TEST_F(Camps, DateValueOfATextNotYetLeft)
{
    const struct {
        const char* typed;
        const char* value;
        int leaving;
    } table[] = {
        {"5/3/24", "05/03/2024", 2},
        {"050324", "05/03/2024", 2},
        {"01/02/2024", "01/02/2024", 0},  // the date it holds
        {"", "", 2},
        {"31/02/2024", "31/02/2024", 1},
        {"5/3", "5/3", 1},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.typed);
        ControlDef d = Def(0, 2, 10, 10, 10);
        Win::CDNEditData f(Parent(), 0, &d);
        f.SetValue("1/2/24");
        ASSERT_EQ(f.Validate(), 2);
        SetWindowTextA(f.Window(), row.typed);
        char value[16] = {};
        EXPECT_EQ(f.GetValue(value, sizeof value), static_cast<int>(std::strlen(row.value)));
        EXPECT_STREQ(value, row.value);
        EXPECT_EQ(Text(f.Window()), row.typed);
        EXPECT_EQ(f.Validate(), row.leaving);
    }
    // A value cut to the buffer, never past it.
    ControlDef d = Def(0, 2, 10, 10, 10);
    Win::CDNEditData f(Parent(), 0, &d);
    SetWindowTextA(f.Window(), "5/3/24");
    char small[6] = {'x', 'x', 'x', 'x', 'x', 'x'};
    EXPECT_EQ(f.GetValue(small, 5), 4);
    EXPECT_STREQ(small, "05/0");
    EXPECT_EQ(small[5], 'x');
}

// A field shorter than a whole date shows the 10 characters written back, and reads them all.
TEST_F(Camps, ShortDateFieldKeepsTheYearItShows)
{
    ControlDef d = Def(0, 2, 10, 10, 8);
    Win::CDNEditData f(Parent(), 0, &d);
    f.SetValue("1/2/31");
    EXPECT_EQ(f.Validate(), 2);
    EXPECT_EQ(Text(f.Window()), "01/02/2031");
    EXPECT_EQ(f.Validate(), 0);
    EXPECT_EQ(Text(f.Window()), "01/02/2031");
    // A value of the server, longer than the field's limit, is judged whole as well.
    f.SetValue("15/03/2031");
    EXPECT_EQ(f.Validate(), 2);
    EXPECT_EQ(Text(f.Window()), "15/03/2031");
    f.SetValue("15/03/20315");
    EXPECT_EQ(f.Validate(), 1);
}

TEST_F(Camps, DateFieldTypedWithRealKeysAndLeft)
{
    ControlDef d = Def(0, 2, 10, 10, 10);
    Win::CDNEditData f(Parent(), 0, &d);
    ASSERT_TRUE(Focus(f.Window())) << "the test window could not take the keyboard focus";
    parent->ctrl.calls.clear();
    Digit('1');
    Press(VK_DIVIDE, 0x35);
    Press('A', 0x1E);       // not a date character
    Press(VK_SPACE, 0x39);  // nor is a space
    Digit('2');
    Press(VK_DIVIDE, 0x35);
    Digit('2');
    Digit('5');
    Digit('9');
    Press(VK_BACK, 0x0E);  // backspace reaches the field
    Press(VK_TAB, 0x0F);   // Tab and keypad "+" move on and never reach the text
    Press(VK_ADD, 0x4E);
    const HWND e = f.Window();
    ASSERT_TRUE(PumpUntil([&] { return UserMessages().size() >= 2; }, 10000));
    PumpFor(100);
    EXPECT_EQ(Text(e), "1/2/25");
    EXPECT_EQ(UserMessages(), (std::vector<std::string>{User(Win::WM_CAMP_SEGUENT, e), User(Win::WM_CAMP_SEGUENT, e)}));

    // Leaving it tells the screen, whether it changed or not.
    parent->ctrl.calls.clear();
    SetFocus(Parent());
    EXPECT_EQ(UserMessages(), std::vector<std::string>{User(Win::WM_CAMP_SORTIT, e)});
    EXPECT_EQ(f.Validate(), 2);
    EXPECT_EQ(Text(e), "01/02/2025");
    SetFocus(e);
    parent->ctrl.calls.clear();
    SetFocus(Parent());
    EXPECT_EQ(UserMessages(), std::vector<std::string>{User(Win::WM_CAMP_SORTIT, e)});
}

// ---- numeric field ----

TEST_F(Camps, NumericFieldPlacementStyleAndFirstValue)
{
    ControlDef d = Def(0, 0, 100, 40, 10, "Importe", 1);
    d.longMax = 8;
    d.decimales = 2;
    ControlDef tall = Def(0, 0, 100, 80, 10, "Unidades", 2);
    tall.y2 = 105;
    {
        Win::CDNEditNum n(Parent(), 0, &d);
        Win::CDNEditNum t(Parent(), 1, &tall);
        ExpectPlaced(n.Window(), 100, 40, 68, 17);  // 93 * 0.74, the fraction dropped
        ExpectPlaced(t.Window(), 100, 80, 79, 25);  // 107 * 0.74
        EXPECT_EQ(Style(n.Window()), 0x50010082u);
        EXPECT_EQ(FontOf(n.Window()), ajustosProva.fontControlMitjana);
        EXPECT_EQ(FontOf(t.Window()), ajustosProva.fontControlGran);
        EXPECT_EQ(SendMessageA(n.Window(), EM_GETLIMITTEXT, 0, 0), 10);
        ASSERT_NE(n.LabelWindow(), nullptr);
        EXPECT_EQ(Text(n.LabelWindow()), "Importe");
        EXPECT_EQ(t.LabelWindow(), nullptr);
        // A fresh field shows its zero formatted, and the record holds it.
        EXPECT_EQ(Text(n.Window()), "0,00");
        EXPECT_EQ(d.valor, "0,00");
        EXPECT_EQ(Text(t.Window()), "0");
        EXPECT_EQ(n.Validate(), 0);
    }
    ajustosProva.idioma = "En";
    SetScale(kGran);
    Win::CDNEditNum n(Parent(), 0, &d);
    ExpectPlaced(n.Window(), 129, 52, 88, 22);
    EXPECT_EQ(Text(n.Window()), "0.00");
}

// A signed amount: twelve characters, two decimals, grouped.
static ControlDef ImportSignat()
{
    ControlDef d = Def(0, 0, 10, 10, 15);
    d.longMax = 12;
    d.decimales = 2;
    d.variante = 1;
    d.marca = 1;
    return d;
}

TEST_F(Camps, NumericFieldValuesInBothLanguages)
{
    for (const char* idioma : {"Es", "En"}) {
        SCOPED_TRACE(idioma);
        ajustosProva.idioma = idioma;
        const bool es = std::string(idioma) == "Es";
        ControlDef d = ImportSignat();
        Win::CDNEditNum n(Parent(), 0, &d);
        Win::ControlBase& c = n;
        c.SetValue("1234567.5");  // as the server sends it
        EXPECT_EQ(Text(n.Window()), es ? "1.234.567,50" : "1,234,567.50");
        EXPECT_EQ(d.valor, Text(n.Window()));
        char value[32] = {};
        EXPECT_EQ(c.GetValue(value, sizeof value), 10);
        EXPECT_STREQ(value, "1234567.50");
        c.SetValue("");
        EXPECT_EQ(Text(n.Window()), es ? "0,00" : "0.00");
        c.SetValue("-12");
        EXPECT_EQ(Text(n.Window()), es ? "-12,00" : "-12.00");

        // One digit of a shown value edited: the same magnitude (the display's grouping is not
        // taken for decimal signs).
        c.SetValue("1234.5");
        SetWindowTextA(n.Window(), es ? "1.234,60" : "1,234.60");
        EXPECT_EQ(c.Validate(), 2);
        EXPECT_EQ(c.GetValue(value, sizeof value), 7);
        EXPECT_STREQ(value, "1234.60");

        // Too many integer digits: refused, the record keeps the last good value.
        SetWindowTextA(n.Window(), "12345678901");
        EXPECT_EQ(c.Validate(), 1);
        EXPECT_EQ(Text(n.Window()), "12345678901");
        EXPECT_EQ(d.valor, es ? "1.234,60" : "1,234.60");

        c.Clear();
        EXPECT_EQ(Text(n.Window()), "---");
    }
}

// An exchange may run while the field still has the focus (the refresh timer, a function key):
// the server gets what the field's validation makes of the text, and the window, the kept text
// and the record stay as they were until the field is left.
TEST_F(Camps, NumericValueOfATextNotYetValidated)
{
    const struct {
        const char* idioma;
        const char* typed;
        const char* value;
        int leaving;  // what leaving the field afterwards makes of it
    } table[] = {
        {"Es", "1.5", "1.50", 2},
        {"En", "12,5", "12.50", 2},
        {"Es", "1.234.567", "1234567.00", 2},
        {"Es", "-", "0.00", 2},
        {"Es", "-3,5", "-3.50", 2},
        // Refused by the field: the text as shown, never the older value it no longer shows.
        {"Es", "12345678901", "12345678901", 1},
        {"Es", "1.234.567.890,1", "1234567890.1", 1},  // too long once padded and grouped
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.typed);
        ajustosProva.idioma = row.idioma;
        ControlDef d = ImportSignat();
        Win::CDNEditNum n(Parent(), 0, &d);
        n.SetValue("7");
        const std::string held = d.valor;
        SetWindowTextA(n.Window(), row.typed);
        char value[32] = {};
        EXPECT_EQ(n.GetValue(value, sizeof value), static_cast<int>(std::strlen(row.value)));
        EXPECT_STREQ(value, row.value);
        EXPECT_EQ(Text(n.Window()), row.typed);
        EXPECT_EQ(d.valor, held);
        // Leaving the field afterwards still finds the change to show, or refuses it.
        EXPECT_EQ(n.Validate(), row.leaving);
    }
}

TEST_F(Camps, NumericValueNeverOverrunsTheBuffer)
{
    ControlDef d = Def(0, 0, 10, 10, 15);
    d.longMax = 12;
    d.decimales = 2;
    d.variante = 1;
    Win::CDNEditNum n(Parent(), 0, &d);
    n.SetValue("1234567.5");
    char value[6] = {'x', 'x', 'x', 'x', 'x', 'x'};
    EXPECT_EQ(n.GetValue(value, 5), 4);  // the value of the whole text, cut to the buffer
    EXPECT_STREQ(value, "1234");
    EXPECT_EQ(value[5], 'x');
    EXPECT_EQ(n.GetValue(value, 0), 0);
    // A server value longer than the field is refused whole, not cut to fit.
    ControlDef s = Def(0, 0, 10, 40, 5);
    s.longMax = 5;
    Win::CDNEditNum m(Parent(), 1, &s);
    m.SetValue("1234567");
    EXPECT_EQ(s.valor, "0");
    EXPECT_EQ(m.Validate(), 1);
    // What the field shows is what an exchange carries, not the 0 it held before.
    EXPECT_EQ(m.GetValue(value, sizeof value), 5);
    EXPECT_STREQ(value, "12345");
    char whole[16] = {};
    EXPECT_EQ(m.GetValue(whole, sizeof whole), 7);
    EXPECT_STREQ(whole, "1234567");
}

TEST_F(Camps, NumericFieldTypedWithRealKeys)
{
    const struct {
        const char* idioma;
        int decimales;
        int marca;
        const char* server;
        const char* shown;
        const char* typed;
        const char* edited;
        const char* value;
    } table[] = {
        // End, three left for the decimals, backspace and "5": the last integer digit replaced.
        {"Es", 2, 0, "1234.5", "1.234,50", "1.235,50", "1.235,50", "1235.50"},
        {"En", 0, 1, "-1234", "-1,234", "-1,23-5", "-1,235", "-1235"},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.idioma);
        ajustosProva.idioma = row.idioma;
        ControlDef d = Def(0, 0, 10, 10, 15);
        d.longMax = 12;
        d.decimales = row.decimales;
        d.variante = 1;
        d.marca = row.marca;
        Win::CDNEditNum n(Parent(), 0, &d);
        n.SetValue(row.server);
        ASSERT_EQ(Text(n.Window()), row.shown);
        ASSERT_TRUE(Focus(n.Window())) << "the test window could not take the keyboard focus";
        const HWND e = n.Window();
        Press(VK_END, 0x4F);
        for (int i = 0; i < (row.decimales ? 3 : 0); ++i)
            Press(VK_LEFT, 0x4B);
        Press(VK_BACK, 0x0E);
        Press('A', 0x1E);          // swallowed
        Press(VK_SUBTRACT, 0x4A);  // a "-" only on a signed field: swallowed here or misplaced there
        Digit('5');
        EXPECT_TRUE(PumpUntil([&] { return Text(e) == row.typed; }, 10000)) << Text(e);
        parent->ctrl.calls.clear();
        SetFocus(Parent());
        EXPECT_EQ(UserMessages(), std::vector<std::string>{User(Win::WM_CAMP_SORTIT, e)});
        EXPECT_EQ(n.Validate(), 2);
        EXPECT_EQ(Text(e), row.edited);
        char value[32] = {};
        n.GetValue(value, sizeof value);
        EXPECT_STREQ(value, row.value);
    }
}

TEST_F(Camps, NumericFieldCharacters)
{
    ControlDef unsignedDef = Def(0, 0, 10, 10, 15);
    ControlDef signedDef = Def(0, 0, 10, 40, 15);
    signedDef.marca = 1;
    Win::CDNEditNum u(Parent(), 0, &unsignedDef);
    Win::CDNEditNum s(Parent(), 1, &signedDef);
    for (Win::CDNEditNum* n : {&u, &s}) {
        SetWindowTextA(n->Window(), "");
        for (char ch : std::string("1a-2+3,4.5/6 7\t8=9"))
            SendMessageA(n->Window(), WM_CHAR, static_cast<WPARAM>(ch), 0x00020001);
        SendMessageA(n->Window(), WM_CHAR, '+', 0x004E0001);  // keypad "+"
        SendMessageA(n->Window(), WM_CHAR, '\b', 0x000E0001);
    }
    EXPECT_EQ(Text(u.Window()), "12+3,4.5678");
    EXPECT_EQ(Text(s.Window()), "1-2+3,4.5678");
}

// ---- multi-line edit and tool button ----

namespace {

int LineHeight(HFONT font)
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA tm = {};
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return tm.tmHeight + tm.tmExternalLeading;
}

// The configuration's background bitmaps and brushes of the coloured multi-line edit.
struct FonsText {
    FonsText()
    {
        // Pattern brushes of solid bitmaps stand in for the library's.
        const COLORREF colours[] = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200)};
        HBITMAP* bitmaps[] = {&ajustosProva.bmpFonsText, &ajustosProva.bmpFonsText2, &ajustosProva.bmpFonsText3};
        HBRUSH* brushes[] = {&ajustosProva.brFonsText, &ajustosProva.brFonsText2, &ajustosProva.brFonsText3};
        for (int i = 0; i < 3; ++i) {
            *bitmaps[i] = Solid(colours[i]);
            *brushes[i] = CreatePatternBrush(*bitmaps[i]);
        }
    }
    ~FonsText()
    {
        for (HBITMAP* b : {&ajustosProva.bmpFonsText, &ajustosProva.bmpFonsText2, &ajustosProva.bmpFonsText3}) {
            DeleteObject(*b);
            *b = nullptr;
        }
        for (HBRUSH* b : {&ajustosProva.brFonsText, &ajustosProva.brFonsText2, &ajustosProva.brFonsText3}) {
            DeleteObject(*b);
            *b = nullptr;
        }
    }
};

} // namespace

TEST_F(Camps, MultiLineEditKindsSizeAndBrush)
{
    FonsText fons;
    ControlDef plain = Def(6, 0, 20, 30, 40, "Observaciones");
    plain.x2 = 220;
    plain.y2 = 80;
    plain.longMax = 300;
    ControlDef coloured = plain;
    coloured.tipo = 15;
    coloured.posEtiqueta = 2;
    coloured.opcion = 1;
    {
        Win::CDNEditex e(Parent(), 0, &plain);
        const int line = LineHeight(ajustosProva.fontControlMitjana);
        ASSERT_GT(line, 0);
        // Cut to whole lines of the font it shows.
        ExpectPlaced(e.Window(), 20, 30, 200, 50 / line * line);
        EXPECT_EQ(Style(e.Window()), 0x50010000u | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL);
        EXPECT_TRUE(ExStyle(e.Window()) & WS_EX_CLIENTEDGE);
        EXPECT_EQ(FontOf(e.Window()), ajustosProva.fontControlMitjana);
        EXPECT_EQ(SendMessageA(e.Window(), EM_GETLIMITTEXT, 0, 0), 300);
        EXPECT_EQ(e.GetBackBrush(), nullptr);
        ASSERT_NE(e.LabelWindow(), nullptr);
        EXPECT_EQ(Text(e.LabelWindow()), "Observaciones");
        // Several lines; Tab moves on.
        e.SetValue("uno\r\ndos");
        EXPECT_EQ(SendMessageA(e.Window(), EM_GETLINECOUNT, 0, 0), 2);
        parent->ctrl.calls.clear();
        SendMessageA(e.Window(), WM_KEYDOWN, VK_TAB, 1);
        EXPECT_EQ(UserMessages(), std::vector<std::string>{User(Win::WM_CAMP_SEGUENT, e.Window())});
    }
    const struct {
        int variante;
        HBRUSH brush;
    } table[] = {{0, ajustosProva.brFonsText}, {1, ajustosProva.brFonsText}, {2, ajustosProva.brFonsText2},
                 {3, ajustosProva.brFonsText3}, {4, ajustosProva.brFonsText}};
    for (const auto& row : table) {
        SCOPED_TRACE(row.variante);
        coloured.variante = row.variante;
        {
            Win::CDNEditex e(Parent(), 0, &coloured);
            EXPECT_EQ(Style(e.Window()), 0x50010000u | ES_MULTILINE | ES_AUTOVSCROLL);
            EXPECT_EQ(ExStyle(e.Window()), static_cast<DWORD>(WS_EX_TRANSPARENT));
            EXPECT_EQ(FontOf(e.Window()), ajustosProva.fontArial);
            EXPECT_EQ(e.GetBackBrush(), row.brush);
            EXPECT_EQ(e.LabelWindow(), nullptr);
        }
        // The brush is the configuration's: the control never deletes it.
        EXPECT_EQ(GetObjectType(row.brush), static_cast<DWORD>(OBJ_BRUSH));
    }
}

TEST_F(Camps, MultiLineEditEdgesAndScale)
{
    // No edges: the base's size, cut to lines; never a negative size.
    ControlDef d = Def(6, 0, 300, 200, 10);
    d.posEtiqueta = 2;
    const int line = LineHeight(ajustosProva.fontControlMitjana);
    {
        Win::CDNEditex e(Parent(), 0, &d);
        ExpectPlaced(e.Window(), 300, 200, 93, 17 / line * line);
    }
    // Lower than one line: no line at all.
    d.x2 = 400;
    d.y2 = 200 + line - 1;
    {
        Win::CDNEditex e(Parent(), 0, &d);
        ExpectPlaced(e.Window(), 300, 200, 100, 0);
    }
    // The width follows the record's scale, the height the screen's.
    SetScale(kGran);
    d.escalaX = kGran;
    d.y2 = 250;
    Win::CDNEditex e(Parent(), 0, &d);
    ExpectPlaced(e.Window(), 388, 258, 129, 65 / line * line);
}

TEST_F(Camps, ToolButtonShowsTheLibraryBitmapOrItsCaption)
{
    HMODULE library = LoadLibraryA("korvui01.dll");
    ASSERT_NE(library, nullptr);
    ControlDef d = Def(7, 0, 50, 60, 3, "Buscar", 7);
    d.imagen = 0x10000 | IDB_LABEL_BAND;  // only the low 16 bits are the number
    const struct {
        HMODULE recursos;
        int imagen;
        bool bitmap;
    } table[] = {{library, d.imagen, true}, {library, 9999, false}, {nullptr, d.imagen, false}};
    for (const auto& row : table) {
        SCOPED_TRACE(testing::Message() << row.imagen << (row.recursos ? "" : " without the library"));
        ajustosProva.recursos = row.recursos;
        d.imagen = row.imagen;
        HBITMAP shown = nullptr;
        {
            Win::CDNHeina h(Parent(), 0, &d);
            ExpectPlaced(h.Window(), 50, 60, 14, 14);
            // Without its bitmap it is a plain button, or its caption would not show.
            EXPECT_EQ(Style(h.Window()), row.bitmap ? 0x5001C080u : 0x5001C000u);
            EXPECT_EQ(ExStyle(h.Window()), 0u);
            EXPECT_EQ(FontOf(h.Window()), ajustosProva.fontControl);
            EXPECT_EQ(h.LabelWindow(), nullptr);
            shown = reinterpret_cast<HBITMAP>(SendMessageA(h.Window(), BM_GETIMAGE, IMAGE_BITMAP, 0));
            EXPECT_EQ(shown != nullptr, row.bitmap);
            EXPECT_EQ(Text(h.Window()), row.bitmap ? "" : "Buscar");
            if (row.bitmap) {
                EXPECT_EQ(GetObjectType(shown), static_cast<DWORD>(OBJ_BITMAP));
            }
            parent->ctrl.calls.clear();
            SendMessageA(h.Window(), WM_KEYDOWN, VK_ADD, 1);
            EXPECT_EQ(UserMessages(), std::vector<std::string>{User(Win::WM_CAMP_SEGUENT, h.Window())});
        }
        // Its own bitmap goes with it.
        if (shown) {
            EXPECT_EQ(GetObjectType(shown), 0u);
        }
    }
    ajustosProva.recursos = nullptr;
    FreeLibrary(library);

    const struct {
        int code;
        int side;
    } sizes[] = {{4, 17}, {6, 30}, {7, 14}, {0, 24}, {2, 24}};
    for (double scale : {1.0, kGran}) {
        SetScale(scale);
        for (const auto& row : sizes) {
            SCOPED_TRACE(testing::Message() << row.code << " at " << scale);
            ControlDef s = Def(12, 0, 50, 60, 3, "X", row.code);
            Win::CDNHeina h(Parent(), 0, &s);
            const int side = static_cast<int>(row.side * scale + 0.5);
            ExpectPlaced(h.Window(), static_cast<int>(50 * scale + 0.5), static_cast<int>(60 * scale + 0.5), side, side);
        }
    }
}

// ---- labels and link label ----

TEST_F(Camps, TextLabelFontSizeAndStyle)
{
    const struct {
        int opcion;
        HFONT* font;
        int width;
        int height;
        int y;
    } table[] = {
        // Ten visible characters, at (40, 100).
        {0, &ajustosProva.fontControl, 89, 16, 100},   {1, &ajustosProva.fontControlGran, 120, 13, 98},
        {2, &ajustosProva.fontFixa, 90, 22, 100},      {3, &ajustosProva.fontTitol, 180, 25, 100},
        {4, &ajustosProva.fontFixa, 90, 22, 100},      {5, &ajustosProva.fontFixaGran, 125, 30, 100},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.opcion);
        ControlDef d = Def(3, 0, 40, 100, 10, "Cliente");
        d.opcion = row.opcion;
        Win::CDNStatic s(Parent(), 0, &d);
        ExpectPlaced(s.Window(), 40, row.y, row.width, row.height);
        EXPECT_EQ(FontOf(s.Window()), *row.font);
        EXPECT_EQ(Style(s.Window()), 0x5000000Cu);
        EXPECT_EQ(ExStyle(s.Window()), 0u);
        EXPECT_EQ(Text(s.Window()), "Cliente");
        EXPECT_TRUE(IsWindowVisible(s.Window()));
        EXPECT_EQ(s.LabelWindow(), nullptr);
        // The base operations read and write the window text.
        s.SetValue("Proveedor");
        char value[16] = {};
        EXPECT_EQ(s.GetValue(value, sizeof value), 9);
        EXPECT_STREQ(value, "Proveedor");
    }
    // The record's rectangle and scale; only a height of exactly 20 moves the label.
    for (int height : {19, 20, 21}) {
        SCOPED_TRACE(height);
        ControlDef d = Def(3, 0, 40, 100, 10, "Cliente");
        d.x2 = 240;
        d.y2 = 100 + height;
        Win::CDNStatic s(Parent(), 0, &d);
        ExpectPlaced(s.Window(), 40, height == 20 ? 98 : 100, 200, height == 20 ? 13 : height);
    }
    SetScale(kGran);
    ControlDef d = Def(3, 0, 40, 100, 10, "Cliente");
    d.escalaX = kGran;
    d.escalaY = kGran;
    Win::CDNStatic s(Parent(), 0, &d);
    ExpectPlaced(s.Window(), 52, 129, 115, 21);
}

namespace {

// What a window's background painting leaves, as pixels.
std::vector<COLORREF> Erased(HWND hwnd)
{
    RECT r = {};
    GetClientRect(hwnd, &r);
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, r.right, r.bottom);
    HGDIOBJ old = SelectObject(mem, bmp);
    HBRUSH grey = CreateSolidBrush(RGB(128, 128, 128));
    FillRect(mem, &r, grey);
    DeleteObject(grey);
    SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(mem), 0);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < r.bottom; ++y)
        for (int x = 0; x < r.right; ++x)
            pixels.push_back(GetPixel(mem, x, y));
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return pixels;
}

long Count(const std::vector<COLORREF>& pixels, COLORREF colour)
{
    long n = 0;
    for (COLORREF c : pixels)
        n += c == colour;
    return n;
}

} // namespace

TEST_F(Camps, BandLabelPaintsTheRecordValueInWhite)
{
    ajustosProva.bmpBandaEtiqueta = Solid(RGB(0, 0, 160), 4, 4);
    ControlDef d = Def(3, 0, 40, 100, 20, "Cliente");
    d.estilo = 52;
    d.valor = "Total pendiente";
    d.y2 = 125;
    {
        Win::CDNStatic s(Parent(), 0, &d);
        EXPECT_EQ(Style(s.Window()), 0x5000010Eu);
        EXPECT_EQ(ExStyle(s.Window()), static_cast<DWORD>(WS_EX_TRANSPARENT));
        const std::vector<COLORREF> first = Erased(s.Window());
        EXPECT_GT(Count(first, RGB(0, 0, 160)), static_cast<long>(first.size() / 2)) << "the band fills it";
        EXPECT_GT(Count(first, RGB(255, 255, 255)), 20) << "the value in white";
        EXPECT_EQ(Count(first, RGB(128, 128, 128)), 0);
        // The window text is not what it shows; the record's value is.
        SetWindowTextA(s.Window(), "Otra cosa muy distinta");
        EXPECT_EQ(Erased(s.Window()), first);
        d.valor = "1";
        EXPECT_NE(Erased(s.Window()), first);
        d.valor.clear();
        EXPECT_EQ(Count(Erased(s.Window()), RGB(255, 255, 255)), 0);
    }
    // A plain label leaves its background to the system.
    ControlDef plain = Def(3, 0, 40, 100, 20, "Cliente");
    plain.valor = "Total";
    {
        Win::CDNStatic s(Parent(), 0, &plain);
        EXPECT_EQ(Count(Erased(s.Window()), RGB(255, 255, 255)), 0);
    }
    EXPECT_EQ(GetObjectType(ajustosProva.bmpBandaEtiqueta), static_cast<DWORD>(OBJ_BITMAP)) << "the band is shared";
    DeleteObject(ajustosProva.bmpBandaEtiqueta);
    ajustosProva.bmpBandaEtiqueta = nullptr;
}

TEST_F(Camps, FailedLabelWindowThrowsItsText)
{
    ControlDef d = Def(3, 0, 10, 10, 8);
    const HWND noWindow = reinterpret_cast<HWND>(0x1234);
    try {
        Win::CDNStatic s(noWindow, 0, &d);
        ADD_FAILURE();
    } catch (const char* text) {
        EXPECT_STREQ(text, "Internal error: Control Statuc, la creación a fallado.");
    }
    const std::vector<std::function<void()>> others = {
        [&] { Win::CDNStaticu c(noWindow, 0, &d); }, [&] { Win::CDNPant c(noWindow, 0, &d); },
        [&] { Win::CDNPest c(noWindow, 0, &d); },    [&] { Win::CDNEditex c(noWindow, 0, &d); },
        [&] { Win::CDNHeina c(noWindow, 0, &d); },   [&] { Win::CDNEditData c(noWindow, 0, &d); },
        [&] { Win::CDNEditNum c(noWindow, 0, &d); },
    };
    for (std::size_t i = 0; i < others.size(); ++i) {
        SCOPED_TRACE(i);
        try {
            others[i]();
            ADD_FAILURE();
        } catch (const char* text) {
            EXPECT_STREQ(text, kFallada);
        }
    }
}

TEST_F(Camps, LinkLabelSizeAndFonts)
{
    const struct {
        int opcion;
        HFONT* font;
        int width;
        int height;
    } table[] = {
        {0, &ajustosProva.fontControl, 89, 16}, {1, &ajustosProva.fontControlMitjana, 93, 16},
        {2, &ajustosProva.fontEnllac, 90, 18},  {3, &ajustosProva.fontTitol, 180, 25},
        {4, &ajustosProva.fontFixa, 90, 22},    {5, &ajustosProva.fontFixaGran, 125, 30},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.opcion);
        ControlDef d = Def(14, 0, 40, 100, 10, "Ver ficha");
        d.opcion = row.opcion;
        Win::CDNStaticu s(Parent(), 0, &d);
        ExpectPlaced(s.Window(), 40, 100, row.width, row.height);
        EXPECT_EQ(FontOf(s.Window()), *row.font);
        EXPECT_EQ(Style(s.Window()), 0x50000100u);
        EXPECT_EQ(ExStyle(s.Window()), 0u);
        EXPECT_EQ(Text(s.Window()), "Ver ficha");
    }
    // Placed at the screen's scale, sized at the record's.
    SetScale(kGran);
    ControlDef d = Def(14, 0, 40, 100, 10, "Ver ficha");
    d.escalaX = kGran;
    d.escalaY = kGran;
    Win::CDNStaticu s(Parent(), 0, &d);
    ExpectPlaced(s.Window(), 52, 129, 115, 21);
}

TEST_F(Camps, LinkLabelUnderlinesWhileTheMouseIsOverIt)
{
    ControlDef d = Def(14, 0, 40, 200, 10, "Ver ficha");
    d.opcion = 2;
    HFONT underline = nullptr;
    {
        Win::CDNStaticu s(Parent(), 0, &d);
        const HWND h = s.Window();
        RECT r = {};
        GetWindowRect(h, &r);
        // The cursor rests on the label: the first move underlines, the ticks keep it.
        ASSERT_TRUE(SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2));
        SendMessageA(h, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        underline = FontOf(h);
        EXPECT_TRUE(Underlined(underline));
        EXPECT_NE(underline, ajustosProva.fontEnllac);
        SendMessageA(h, WM_MOUSEMOVE, 0, MAKELPARAM(6, 5));
        EXPECT_EQ(FontOf(h), underline) << "one font for the whole hover";
        PumpFor(350);
        EXPECT_EQ(FontOf(h), underline);

        // Away from it: the next tick of timer 1 takes the underline off.
        ASSERT_TRUE(SetCursorPos(r.right + 40, r.bottom + 40));
        EXPECT_TRUE(PumpUntil([&] { return FontOf(h) == ajustosProva.fontEnllac; }, 3000));
        // And a new hover underlines again with the same font.
        SendMessageA(h, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        EXPECT_EQ(FontOf(h), underline);
        ASSERT_TRUE(SetCursorPos(r.right + 40, r.bottom + 40));
        EXPECT_TRUE(PumpUntil([&] { return FontOf(h) == ajustosProva.fontEnllac; }, 3000));
        EXPECT_EQ(GetObjectType(underline), static_cast<DWORD>(OBJ_FONT));
    }
    // The underlined font was the label's own; the normal one is the configuration's.
    EXPECT_EQ(GetObjectType(underline), 0u);
    EXPECT_EQ(GetObjectType(ajustosProva.fontEnllac), static_cast<DWORD>(OBJ_FONT));
}

// ---- frame and tab strip ----

TEST_F(Camps, SubScreenFrame)
{
    ControlDef d = Def(5, 0, 10, 20, 10, "Datos");
    d.x2 = 410;
    d.y2 = 220;
    {
        Win::CDNPant p(Parent(), 0, &d);
        ExpectPlaced(p.Window(), 10, 20, 400, 200);
        EXPECT_EQ(Style(p.Window()), 0x5000000Fu);
        EXPECT_TRUE(ExStyle(p.Window()) & WS_EX_DLGMODALFRAME);
        EXPECT_EQ(Text(p.Window()), "");
        EXPECT_EQ(p.LabelWindow(), nullptr);
    }
    SetScale(kGran);
    {
        Win::CDNPant p(Parent(), 0, &d);
        ExpectPlaced(p.Window(), 13, 26, 517, 258);
    }
    // Missing or crossed edges: nothing to see, never a negative size.
    ControlDef none = Def(5, 0, 300, 200, 10);
    ControlDef crossed = Def(5, 0, 300, 200, 10);
    crossed.x2 = 100;
    crossed.y2 = 150;
    for (ControlDef* row : {&none, &crossed}) {
        Win::CDNPant p(Parent(), 0, row);
        const RECT r = InParent(p.Window());
        EXPECT_EQ(r.right - r.left, 0);
        EXPECT_EQ(r.bottom - r.top, 0);
    }
}

TEST_F(Camps, TabStripItemsInOrder)
{
    ControlDef d = Def(10, 0, 10, 20, 10);
    d.x2 = 410;
    d.y2 = 220;
    for (const char* texto : {"General", "Direcciones", "Notas"}) {
        ControlDef::Element e;
        e.numero = static_cast<int>(d.elementos.size()) + 1;
        e.texto = texto;
        e.extra = 7;
        d.elementos.push_back(e);
    }
    {
        Win::CDNPest p(Parent(), 0, &d);
        ExpectPlaced(p.Window(), 10, 20, 400, 200);
        char className[32] = {};
        GetClassNameA(p.Window(), className, sizeof className);
        EXPECT_STREQ(className, "SysTabControl32");
        EXPECT_EQ(Style(p.Window()) & 0xFFFF0000u, 0x54000000u);
        EXPECT_TRUE(ExStyle(p.Window()) & WS_EX_TRANSPARENT);
        EXPECT_EQ(FontOf(p.Window()), ajustosProva.fontControl);
        ASSERT_EQ(SendMessageA(p.Window(), TCM_GETITEMCOUNT, 0, 0), 3);
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(d.elementos[i].extra, i);
            char text[32] = {};
            TCITEMA item = {};
            item.mask = TCIF_TEXT;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            ASSERT_TRUE(SendMessageA(p.Window(), TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item)));
            EXPECT_EQ(std::string(text), d.elementos[i].texto);
        }
    }
    SetScale(kGran);
    {
        Win::CDNPest p(Parent(), 0, &d);
        ExpectPlaced(p.Window(), 13, 26, 517, 258);
    }
    ControlDef empty = Def(10, 0, 10, 20, 10);
    Win::CDNPest p(Parent(), 0, &empty);
    EXPECT_EQ(SendMessageA(p.Window(), TCM_GETITEMCOUNT, 0, 0), 0);
    const RECT r = InParent(p.Window());
    EXPECT_EQ(r.right - r.left, 0);
    EXPECT_EQ(r.bottom - r.top, 0);
}

// ---- what the controls own ----

// One of each of these controls, built and destroyed over and over, leaves no object of its
// own behind (the system gives no count of GDI objects here, so the holders count them) and
// never deletes what the configuration shares.
TEST_F(Camps, BuildingAndDestroyingLeavesNothingBehind)
{
    FonsText fons;
    ajustosProva.bmpBandaEtiqueta = Solid(RGB(0, 0, 160), 4, 4);
    HMODULE library = LoadLibraryA("korvui01.dll");
    ASSERT_NE(library, nullptr);
    ajustosProva.recursos = library;

    std::vector<ControlDef> defs(10);
    defs[0] = Def(0, 2, 10, 10, 10);
    defs[1] = Def(0, 0, 10, 40, 10);
    defs[2] = Def(6, 0, 10, 70, 10);
    defs[3] = Def(15, 0, 10, 100, 10);
    defs[4] = Def(7, 0, 150, 10, 3, "X", 4);
    defs[4].imagen = IDB_LABEL_BAND;
    defs[5] = Def(3, 0, 150, 40, 10);
    defs[6] = Def(3, 0, 150, 70, 10);
    defs[6].estilo = 52;
    defs[7] = Def(14, 0, 150, 100, 10);
    defs[8] = Def(5, 0, 250, 10, 10);
    defs[8].x2 = 350;
    defs[8].y2 = 100;
    defs[9] = Def(10, 0, 250, 120, 10);
    defs[9].x2 = 350;
    defs[9].y2 = 200;
    defs[9].elementos.resize(2);
    const auto build = [&] {
        std::vector<std::unique_ptr<Win::ControlBase>> screen;
        screen.emplace_back(new Win::CDNEditData(Parent(), 0, &defs[0]));
        screen.emplace_back(new Win::CDNEditNum(Parent(), 1, &defs[1]));
        screen.emplace_back(new Win::CDNEditex(Parent(), 2, &defs[2]));
        screen.emplace_back(new Win::CDNEditex(Parent(), 3, &defs[3]));
        screen.emplace_back(new Win::CDNHeina(Parent(), 4, &defs[4]));
        screen.emplace_back(new Win::CDNStatic(Parent(), 5, &defs[5]));
        screen.emplace_back(new Win::CDNStatic(Parent(), 6, &defs[6]));
        screen.emplace_back(new Win::CDNStaticu(Parent(), 7, &defs[7]));
        screen.emplace_back(new Win::CDNPant(Parent(), 8, &defs[8]));
        screen.emplace_back(new Win::CDNPest(Parent(), 9, &defs[9]));
        return screen;
    };
    const int objects = Win::ObjectesGdiVius();
    {
        // While a screen lives its controls hold one font, one bitmap and the tab strip's page
        // brush: what a missing release would leave behind.
        auto screen = build();
        EXPECT_EQ(Win::ObjectesGdiVius(), objects + 3);
    }
    std::vector<HWND> windows;
    for (int i = 0; i < 200; ++i) {
        auto screen = build();
        if (i == 0)
            for (const auto& c : screen)
                windows.push_back(c->Window());
    }
    EXPECT_EQ(Win::ObjectesGdiVius(), objects);
    for (HWND h : windows)
        EXPECT_FALSE(IsWindow(h));
    for (HGDIOBJ shared : {static_cast<HGDIOBJ>(ajustosProva.bmpFonsText), static_cast<HGDIOBJ>(ajustosProva.brFonsText),
                           static_cast<HGDIOBJ>(ajustosProva.bmpBandaEtiqueta), static_cast<HGDIOBJ>(ajustosProva.fontEnllac),
                           static_cast<HGDIOBJ>(ajustosProva.fontControl)})
        EXPECT_NE(GetObjectType(shared), 0u);

    ajustosProva.recursos = nullptr;
    FreeLibrary(library);
    DeleteObject(ajustosProva.bmpBandaEtiqueta);
    ajustosProva.bmpBandaEtiqueta = nullptr;
}

// ---- on screen ----

namespace {

// The parent's client area as the display shows it, 32 bits a pixel, top row first.
struct Captura {
    int width = 0;
    int height = 0;
    std::vector<DWORD> pixels;

    explicit Captura(HWND hwnd)
    {
        RECT r = {};
        GetClientRect(hwnd, &r);
        width = r.right;
        height = r.bottom;
        pixels.resize(static_cast<std::size_t>(width) * height);
        HDC dc = GetDC(hwnd);
        HDC mem = CreateCompatibleDC(dc);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(mem, dib);
        BitBlt(mem, 0, 0, width, height, dc, 0, 0, SRCCOPY);
        GdiFlush();
        std::copy(static_cast<DWORD*>(bits), static_cast<DWORD*>(bits) + pixels.size(), pixels.begin());
        SelectObject(mem, old);
        DeleteObject(dib);
        DeleteDC(mem);
        ReleaseDC(hwnd, dc);
    }
    // Pixels of one colour (0xRRGGBB) inside a rectangle of the client area.
    long Count(const RECT& r, DWORD rgb) const
    {
        long n = 0;
        for (int y = r.top; y < r.bottom && y < height; ++y)
            for (int x = r.left; x < r.right && x < width; ++x)
                n += (pixels[static_cast<std::size_t>(y) * width + x] & 0xFFFFFF) == rgb;
        return n;
    }
    // A bottom-up 32-bit BMP file.
    bool Desa(const char* path) const
    {
        FILE* f = std::fopen(path, "wb");
        if (!f)
            return false;
        BITMAPFILEHEADER file = {};
        BITMAPINFOHEADER header = {};
        header.biSize = sizeof header;
        header.biWidth = width;
        header.biHeight = height;
        header.biPlanes = 1;
        header.biBitCount = 32;
        file.bfType = 0x4D42;
        file.bfOffBits = sizeof file + sizeof header;
        file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size() * 4);
        bool ok = std::fwrite(&file, sizeof file, 1, f) == 1 && std::fwrite(&header, sizeof header, 1, f) == 1;
        for (int y = height - 1; ok && y >= 0; --y)
            ok = std::fwrite(&pixels[static_cast<std::size_t>(y) * width], 4, static_cast<std::size_t>(width), f)
                 == static_cast<std::size_t>(width);
        return std::fclose(f) == 0 && ok;
    }
};

} // namespace

// One of each of these controls on a screen, as the display shows it: the band label's value
// in white on the band, the link label's text, the tabs. KORVU_CAPTURA names a BMP file to keep
// the picture in.
TEST_F(Camps, AScreenOfTheseControlsAsTheDisplayShowsIt)
{
    FonsText fons;
    ajustosProva.bmpBandaEtiqueta = Solid(RGB(0, 0, 160), 4, 4);
    HMODULE library = LoadLibraryA("korvui01.dll");
    ajustosProva.recursos = library;
    RECT before = {};
    GetWindowRect(Parent(), &before);
    SetWindowPos(Parent(), nullptr, 0, 0, 660, 420, SWP_NOMOVE | SWP_NOZORDER);

    std::vector<ControlDef> defs(11);
    defs[0] = Def(3, 0, 20, 16, 30, "Ficha de cliente");
    defs[0].opcion = 3;
    defs[1] = Def(3, 0, 20, 60, 30);
    defs[1].estilo = 52;
    defs[1].x2 = 300;
    defs[1].y2 = 84;
    defs[1].valor = "Saldo pendiente";
    defs[2] = Def(0, 2, 100, 100, 10, "Fecha", 1);
    defs[3] = Def(0, 0, 100, 130, 14, "Importe", 1);
    defs[3].decimales = 2;
    defs[3].variante = 1;
    defs[3].longMax = 12;
    defs[4] = Def(6, 0, 100, 160, 40, "Notas", 1);
    defs[4].x2 = 300;
    defs[4].y2 = 220;
    defs[5] = Def(15, 0, 100, 230, 40, "Aviso", 1);
    defs[5].x2 = 300;
    defs[5].y2 = 280;
    defs[6] = Def(7, 0, 310, 100, 3, "?", 0);
    defs[6].imagen = IDB_LABEL_BAND;
    defs[7] = Def(12, 0, 340, 100, 3, "Ir", 0);
    defs[8] = Def(14, 0, 20, 300, 20, "Ver movimientos");
    defs[9] = Def(5, 0, 380, 300, 10);
    defs[9].x2 = 640;
    defs[9].y2 = 370;
    defs[10] = Def(10, 0, 380, 40, 10);
    defs[10].x2 = 640;
    defs[10].y2 = 290;
    for (const char* texto : {"General", "Direcciones", "Notas"}) {
        ControlDef::Element e;
        e.texto = texto;
        defs[10].elementos.push_back(e);
    }
    {
        std::vector<std::unique_ptr<Win::ControlBase>> screen;
        screen.emplace_back(new Win::CDNStatic(Parent(), 0, &defs[0]));
        screen.emplace_back(new Win::CDNStatic(Parent(), 1, &defs[1]));
        screen.emplace_back(new Win::CDNEditData(Parent(), 2, &defs[2]));
        screen.emplace_back(new Win::CDNEditNum(Parent(), 3, &defs[3]));
        screen.emplace_back(new Win::CDNEditex(Parent(), 4, &defs[4]));
        screen.emplace_back(new Win::CDNEditex(Parent(), 5, &defs[5]));
        screen.emplace_back(new Win::CDNHeina(Parent(), 6, &defs[6]));
        screen.emplace_back(new Win::CDNHeina(Parent(), 7, &defs[7]));
        screen.emplace_back(new Win::CDNStaticu(Parent(), 8, &defs[8]));
        screen.emplace_back(new Win::CDNPant(Parent(), 9, &defs[9]));
        screen.emplace_back(new Win::CDNPest(Parent(), 10, &defs[10]));
        screen[2]->SetValue("1/2/25");
        screen[2]->Validate();
        screen[3]->SetValue("1234567.5");
        screen[4]->SetValue("Primera línea\r\nSegunda línea");
        screen[5]->SetValue("Texto sobre fondo");
        RedrawWindow(Parent(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpFor(300);

        const Captura captura(Parent());
        const RECT band = InParent(screen[1]->Window());
        EXPECT_GT(captura.Count(band, 0x0000A0), (band.right - band.left) * (band.bottom - band.top) / 2);
        EXPECT_GT(captura.Count(band, 0xFFFFFF), 20);
        const RECT link = InParent(screen[8]->Window());
        EXPECT_GT(captura.Count(link, 0x000000), 10) << "the link label's text";
        RECT tabs = InParent(screen[10]->Window());
        tabs.bottom = tabs.top + 20;
        EXPECT_GT(captura.Count(tabs, 0x000000), 10) << "the captions of the tabs";
        const RECT caption = InParent(screen[7]->Window());
        EXPECT_GT(captura.Count(caption, 0x000000), 3) << "a tool button without its bitmap shows its caption";
        const char* path = std::getenv("KORVU_CAPTURA");
        if (path && *path) {
            EXPECT_TRUE(captura.Desa(path)) << path;
        }
    }
    SetWindowPos(Parent(), nullptr, 0, 0, before.right - before.left, before.bottom - before.top, SWP_NOMOVE | SWP_NOZORDER);
    ajustosProva.recursos = nullptr;
    if (library)
        FreeLibrary(library);
    DeleteObject(ajustosProva.bmpBandaEtiqueta);
    ajustosProva.bmpBandaEtiqueta = nullptr;
}
