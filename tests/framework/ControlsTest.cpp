#include "framework/MissatgesPrivats.h"
#include "framework/MsgLoop.h"
#include "framework/MultiController.h"
#include "framework/WndProc.h"
#include "framework/controls/AmpladaText.h"
#include "framework/controls/CDNBoto.h"
#include "framework/controls/CDNCheckbox.h"
#include "framework/controls/CDNEdit.h"
#include "framework/controls/ControlDef.h"
#include "tests/framework/ControlsProva.h"
#include "tests/framework/MsgBoxRecorder.h"

#include <gtest/gtest.h>

#include <memory>
#include <type_traits>

static_assert(std::has_virtual_destructor<Win::ControlBase>::value, "controls are deleted through the base");

namespace {

void SetShift(bool down)
{
    BYTE keys[256] = {};
    if (down) {
        keys[VK_SHIFT] = 0x80;
        keys[VK_LSHIFT] = 0x80;
    }
    SetKeyboardState(keys);
}

HFONT Tahoma(int height)
{
    return CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Tahoma");
}

class Controls : public ParentCompartit {
protected:
    void SetUp() override
    {
        ajustosProva.fontControl = Tahoma(-11);
        ajustosProva.fontControlMitjana = Tahoma(-12);
        ajustosProva.fontControlGran = Tahoma(-18);
        SetScale(1.0);
        ajustosProva.modeDesenvolupament = 0;
        SetShift(false);
        ReiniciaParent();
    }
    void TearDown() override
    {
        parent->ctrl.before = nullptr;
        SetShift(false);
        SetScale(1.0);
        for (HFONT* f : {&ajustosProva.fontControl, &ajustosProva.fontControlMitjana, &ajustosProva.fontControlGran}) {
            DeleteObject(*f);
            *f = nullptr;
        }
    }
};

} // namespace

// ---- placement ----

TEST_F(Controls, EditAndItsLabelArePlacedFromTheRecordAtBothScales)
{
    ControlDef above = Def(0, 1, 40, 40, 10, "Usuario", 0);
    ControlDef left = Def(0, 1, 200, 40, 10, "Empresa", 1);
    const int wAbove = AmpladaText(above.etiqueta, ajustosProva.fontControl, nullptr);
    const int wLeft = AmpladaText(left.etiqueta, ajustosProva.fontControl, nullptr);
    ASSERT_GT(wAbove, 20);
    {
        Win::CDNEdit e1(Parent(), 0, &above);
        Win::CDNEdit e2(Parent(), 1, &left);
        ExpectPlaced(e1.Window(), 40, 40, 93, 17);
        ExpectPlaced(e1.LabelWindow(), 43, 29, wAbove, 14);
        ExpectPlaced(e2.Window(), 200, 40, 93, 17);
        ExpectPlaced(e2.LabelWindow(), 200 - wLeft - 3, 43, wLeft, 14);
    }
    SetScale(kGran);
    {
        Win::CDNEdit e1(Parent(), 0, &above);
        Win::CDNEdit e2(Parent(), 1, &left);
        ExpectPlaced(e1.Window(), 52, 52, 120, 22);
        ExpectPlaced(e1.LabelWindow(), 56, 38, wAbove, 14);
        const int lx = static_cast<int>(258 - wLeft - 3 * kGran + 0.5);
        ExpectPlaced(e2.LabelWindow(), lx, 56, wLeft, 14);
    }
}

TEST_F(Controls, ButtonSizeAtBothScales)
{
    ControlDef d = Def(2, 4, 30, 60, 10, "Aceptar");
    d.x2 = 400; // a hot-key column, never an edge
    {
        Win::CDNBoto b(Parent(), 0, &d);
        ExpectPlaced(b.Window(), 30, 60, 97, 24);
        EXPECT_EQ(Text(b.Window()), "Aceptar");
        EXPECT_EQ(b.LabelWindow(), nullptr);
        EXPECT_EQ(GetDlgCtrlID(b.Window()), 0);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(b.Window(), GWL_STYLE)), 0x5001E000u);
        EXPECT_EQ(SendMessageA(b.Window(), WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(ajustosProva.fontControl));
    }
    SetScale(kGran);
    Win::CDNBoto b(Parent(), 0, &d);
    ExpectPlaced(b.Window(), 39, 78, 125, 31);
}

TEST_F(Controls, CheckBoxSizeStyleAndLabelSide)
{
    ControlDef right = Def(1, 6, 10, 10, 1, "Recordar");
    ControlDef leftText = Def(1, 6, 10, 50, 1, "Recordar", 1);
    ControlDef drawn = Def(13, 7, 10, 90, 1, "Recordar");
    ControlDef noLabel = Def(1, 6, 10, 130, 1, "Recordar", 2);
    const int tw = AmpladaText("Recordar", ajustosProva.fontControl, nullptr);
    {
        Win::CDNCheckbox c1(Parent(), 0, &right);
        Win::CDNCheckbox c2(Parent(), 1, &leftText);
        Win::CDNCheckbox c3(Parent(), 2, &drawn);
        Win::CDNCheckbox c4(Parent(), 3, &noLabel);
        ExpectPlaced(c1.Window(), 10, 10, tw + 20, 24);
        ExpectPlaced(c4.Window(), 10, 130, tw + 20, 24);  // as wide as its text without a label too
        EXPECT_EQ(Text(c1.Window()), "Recordar");
        EXPECT_EQ(c1.LabelWindow(), nullptr);
        const auto style = [](HWND h) { return static_cast<DWORD>(GetWindowLongA(h, GWL_STYLE)); };
        const auto exStyle = [](HWND h) { return static_cast<DWORD>(GetWindowLongA(h, GWL_EXSTYLE)); };
        EXPECT_EQ(style(c1.Window()), 0x50018003u);
        EXPECT_FALSE(exStyle(c1.Window()) & WS_EX_RIGHT);
        EXPECT_EQ(style(c2.Window()), 0x50018023u);
        EXPECT_TRUE(exStyle(c2.Window()) & WS_EX_RIGHT);
        EXPECT_EQ(style(c3.Window()), 0x5003800Bu);
    }
    SetScale(kGran);
    Win::CDNCheckbox c(Parent(), 0, &right);
    ExpectPlaced(c.Window(), 13, 13, static_cast<int>((tw + 20) * kGran + 0.5), 31);
}

TEST_F(Controls, LongLabelIsMeasuredWhole)
{
    const std::string label(200, 'W');
    const int width = AmpladaText(label, ajustosProva.fontControl, nullptr);
    const int first80 = AmpladaText(label.substr(0, 80), ajustosProva.fontControl, nullptr);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, ajustosProva.fontControl);
    SIZE extent = {};
    GetTextExtentPoint32A(dc, label.c_str(), static_cast<int>(label.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    EXPECT_EQ(width, extent.cx);
    EXPECT_GT(width, first80 * 2);
    EXPECT_EQ(AmpladaText("", ajustosProva.fontControl, nullptr), 0);
}

// ---- values and styles ----

TEST_F(Controls, CheckBoxValueFollowsTheRecord)
{
    const struct {
        int tipo;
        int subtipo;
        const char* valor;
        const char* expected;
    } table[] = {
        {1, 6, "S", "S"}, {1, 6, "Si", "S"}, {1, 6, "N", " "}, {1, 6, "", " "}, {1, 7, "N", "N"},
        {1, 7, "", "N"},  {1, 7, "S", "S"},  {1, 6, "s", " "},
        // The owner-drawn kind ignores set-value and never reads as ticked.
        {13, 7, "S", "N"}, {13, 6, "S", " "},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(testing::Message() << row.tipo << '/' << row.subtipo << " \"" << row.valor << '"');
        ControlDef d = Def(row.tipo, row.subtipo, 10, 10, 1, "Marca");
        Win::CDNCheckbox c(Parent(), 0, &d);
        d.valor = row.valor;
        c.SetValue("S"); // the text argument is not what decides
        char value[8] = "xxxxxxx";
        EXPECT_EQ(c.GetValue(value, sizeof value), 0);
        EXPECT_STREQ(value, row.expected);
    }
}

TEST_F(Controls, CheckBoxValueNeverOverrunsASmallBuffer)
{
    ControlDef d = Def(1, 7, 10, 10, 1, "Marca");
    Win::CDNCheckbox c(Parent(), 0, &d);
    char value[2] = {'x', 'y'};
    c.GetValue(value, 1);
    EXPECT_EQ(value[0], '\0');
    EXPECT_EQ(value[1], 'y');
}

TEST_F(Controls, EditPasswordStyleLimitIdAndFonts)
{
    ControlDef plain = Def(0, 1, 10, 10, 5, "Usuario", 2);
    plain.orden = 12;
    ControlDef secret = Def(0, 3, 10, 40, 8, "Password");
    ControlDef tall = Def(0, 1, 10, 80, 8, "Nota");
    tall.y2 = 110;

    Win::CDNEdit e1(Parent(), 0, &plain);
    Win::CDNEdit e2(Parent(), 1, &secret);
    Win::CDNEdit e3(Parent(), 2, &tall);

    // Child, visible, tab stop and auto scroll; a password field adds the masking.
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(e1.Window(), GWL_STYLE)), 0x50010080u);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(e2.Window(), GWL_STYLE)), 0x500100A0u);
    EXPECT_EQ(SendMessageA(e1.Window(), EM_GETPASSWORDCHAR, 0, 0), 0);
    EXPECT_NE(SendMessageA(e2.Window(), EM_GETPASSWORDCHAR, 0, 0), 0);

    EXPECT_EQ(SendMessageA(e1.Window(), EM_GETLIMITTEXT, 0, 0), 5);
    for (char ch : std::string("abcdefgh"))
        SendMessageA(e1.Window(), WM_CHAR, static_cast<WPARAM>(ch), 1);
    EXPECT_EQ(Text(e1.Window()), "abcde");

    EXPECT_EQ(GetDlgCtrlID(e1.Window()), 12);
    EXPECT_EQ(e1.LabelWindow(), nullptr) << "label position 2 has no label";
    ASSERT_NE(e2.LabelWindow(), nullptr);
    EXPECT_EQ(Text(e2.LabelWindow()), "Password");
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(e2.LabelWindow(), GWL_STYLE)), 0x50000000u);
    EXPECT_TRUE(GetWindowLongA(e2.Window(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE) << "the system is newer than 5.1";
    EXPECT_EQ(SendMessageA(e2.LabelWindow(), WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(ajustosProva.fontControl));

    EXPECT_EQ(SendMessageA(e1.Window(), WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(ajustosProva.fontControlMitjana));
    EXPECT_EQ(SendMessageA(e3.Window(), WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(ajustosProva.fontControlGran));

    // The base operations read and write the window text.
    e1.SetValue("xy");
    char value[8] = {};
    EXPECT_EQ(e1.GetValue(value, sizeof value), 2);
    EXPECT_STREQ(value, "xy");
    e1.Clear();
    EXPECT_EQ(Text(e1.Window()), "---");
    EXPECT_EQ(e1.Validate(), 0);
    EXPECT_EQ(e1.GetBackBrush(), nullptr);
}

TEST_F(Controls, DeletingThroughTheBaseTakesWindowAndLabel)
{
    ControlDef d = Def(0, 1, 10, 40, 8, "Password");
    Win::ControlBase* c = new Win::CDNEdit(Parent(), 0, &d);
    HWND edit = c->Window();
    HWND label = c->LabelWindow();
    delete c;
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_FALSE(IsWindow(label));
}

// ---- navigation ----

TEST_F(Controls, KeysSendTheNavigationMessages)
{
    ControlDef bd = Def(2, 4, 10, 10, 8, "Aceptar");
    ControlDef cd = Def(1, 6, 10, 40, 1, "Marca");
    ControlDef ed = Def(0, 1, 10, 70, 8, "Usuario");
    Win::CDNBoto boto(Parent(), 0, &bd);
    Win::CDNCheckbox check(Parent(), 1, &cd);
    Win::CDNEdit edit(Parent(), 2, &ed);
    const UINT none = 0;
    const struct {
        Win::ControlBase* control;
        const char* name;
        WPARAM key;
        UINT withoutShift;
        UINT withShift;
    } table[] = {
        {&boto, "button", VK_TAB, Win::WM_CAMP_SEGUENT, Win::WM_CAMP_ANTERIOR},
        {&boto, "button", VK_ADD, Win::WM_CAMP_SEGUENT, Win::WM_CAMP_ANTERIOR},
        {&boto, "button", VK_RETURN, Win::WM_BOTO_ENTER, Win::WM_BOTO_ENTER},
        {&boto, "button", VK_F2, none, none},
        {&check, "check box", VK_TAB, Win::WM_CAMP_SEGUENT, Win::WM_CAMP_ANTERIOR},
        {&check, "check box", VK_ADD, Win::WM_CAMP_SEGUENT, Win::WM_CAMP_ANTERIOR},
        {&check, "check box", VK_RETURN, none, none},
        {&edit, "edit", VK_TAB, Win::WM_CAMP_SEGUENT, Win::WM_CAMP_ANTERIOR},
        {&edit, "edit", VK_ADD, Win::WM_CAMP_SEGUENT, Win::WM_CAMP_ANTERIOR},
        {&edit, "edit", VK_RETURN, Win::WM_CAMP_SEGUENT, Win::WM_CAMP_ANTERIOR},
        {&edit, "edit", 'A', none, none},
    };
    for (const auto& row : table) {
        for (bool shift : {false, true}) {
            SCOPED_TRACE(testing::Message() << row.name << " key " << row.key << (shift ? " with Shift" : ""));
            const UINT expected = shift ? row.withShift : row.withoutShift;
            SetShift(shift);
            parent->ctrl.calls.clear();
            SendMessageA(row.control->Window(), WM_KEYDOWN, row.key, 1);
            if (expected == none)
                EXPECT_TRUE(UserMessages().empty());
            else
                EXPECT_EQ(UserMessages(), std::vector<std::string>{User(expected, row.control->Window())});
        }
    }
}

TEST_F(Controls, EditSwallowsTheNavigationCharacters)
{
    ControlDef d = Def(0, 1, 10, 10, 20, "Texto");
    Win::CDNEdit edit(Parent(), 0, &d);
    const LPARAM keypad = 0x004E0001;
    const LPARAM mainKeyboard = 0x000D0001;
    SendMessageA(edit.Window(), WM_CHAR, 'a', 0x001E0001);
    SendMessageA(edit.Window(), WM_CHAR, '+', keypad);
    SendMessageA(edit.Window(), WM_CHAR, '\t', 0x000F0001);
    SendMessageA(edit.Window(), WM_CHAR, '+', mainKeyboard);
    SendMessageA(edit.Window(), WM_CHAR, 'b', 0x00300001);
    EXPECT_EQ(Text(edit.Window()), "a+b");
    EXPECT_TRUE(MultiController::EsMesNumeric(keypad));
    EXPECT_FALSE(MultiController::EsMesNumeric(mainKeyboard));
}

TEST_F(Controls, FocusIsReportedAndSelectsTheText)
{
    ControlDef d1 = Def(0, 1, 10, 10, 20, "Uno");
    ControlDef d2 = Def(0, 1, 10, 50, 20, "Dos");
    Win::CDNEdit e1(Parent(), 0, &d1);
    Win::CDNEdit e2(Parent(), 1, &d2);
    SetWindowTextA(e2.Window(), "hola");
    SetFocus(e1.Window());
    parent->ctrl.calls.clear();
    SetFocus(e2.Window());
    EXPECT_EQ(UserMessages(), std::vector<std::string>{User(Win::WM_CAMP_FOCUS, e1.Window(),
                                                             reinterpret_cast<LPARAM>(e2.Window()))});
    DWORD start = 1, end = 1;
    SendMessageA(e2.Window(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 4u);

    // In developer display mode entering a field leaves its selection alone.
    ajustosProva.modeDesenvolupament = 1;
    SetWindowTextA(e1.Window(), "adeu");
    SendMessageA(e1.Window(), EM_SETSEL, 2, 2);
    SetFocus(e1.Window());
    SendMessageA(e1.Window(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 2u);
    EXPECT_EQ(end, 2u);
}

namespace {
struct FieldController : MultiController {
};
} // namespace

TEST_F(Controls, FocusHandlerAnswersWhatTheScreenAnswered)
{
    HWND edit = CreateWindowA("EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, Parent(), nullptr, nullptr, nullptr);
    FieldController ctrl;
    Win::SubclassCtrl(edit, ctrl);
    parent->ctrl.handled = true;
    parent->ctrl.storeResult = true;
    parent->ctrl.userResult = 1; // the report ran an exchange
    EXPECT_TRUE(ctrl.OnSetFocus(Parent()));
    parent->ctrl.userResult = 0;
    EXPECT_FALSE(ctrl.OnSetFocus(Parent()));
    parent->ctrl.storeResult = false;
    ReiniciaParent();
    DestroyWindow(edit);
}

// Focus that comes from another program has no window that lost it: nothing else is repainted.
TEST_F(Controls, FocusFromNowhereRepaintsNoOtherWindow)
{
    HWND other = CreateWindowA("STATIC", "", WS_POPUP | WS_VISIBLE, 500, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    HWND edit = CreateWindowA("EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, Parent(), nullptr, nullptr, nullptr);
    FieldController ctrl;
    Win::SubclassCtrl(edit, ctrl);
    UpdateWindow(other);
    ASSERT_FALSE(GetUpdateRect(other, nullptr, FALSE));
    ctrl.OnSetFocus(nullptr);
    EXPECT_FALSE(GetUpdateRect(other, nullptr, FALSE));
    DestroyWindow(edit);
    DestroyWindow(other);
}

// ---- re-entry ----

TEST_F(Controls, ScreenMayDestroyAFieldFromInsideItsOwnHandler)
{
    ControlDef ed = Def(0, 1, 10, 10, 8, "Usuario");
    ControlDef bd = Def(2, 4, 10, 40, 8, "Aceptar");
    ControlDef fd = Def(0, 1, 10, 70, 8, "Empresa");
    ControlDef gd = Def(0, 1, 10, 100, 8, "Idioma");
    Win::ControlBase* victim = nullptr;
    parent->ctrl.before = [&victim](const std::string& name) {
        if (name == "OnUserMessage" && victim) {
            delete victim;
            victim = nullptr;
        }
    };

    victim = new Win::CDNEdit(Parent(), 0, &ed);
    HWND edit = victim->Window();
    EXPECT_EQ(SendMessageA(edit, WM_KEYDOWN, VK_TAB, 1), 0);
    EXPECT_FALSE(IsWindow(edit));

    victim = new Win::CDNBoto(Parent(), 1, &bd);
    HWND boto = victim->Window();
    EXPECT_EQ(SendMessageA(boto, WM_KEYDOWN, VK_RETURN, 1), 0);
    EXPECT_FALSE(IsWindow(boto));

    // The focus notification returns "not handled" here, and the control's own procedure must
    // not be handed a window that is gone.
    Win::CDNEdit other(Parent(), 3, &gd);
    SetFocus(other.Window());
    victim = new Win::CDNEdit(Parent(), 2, &fd);
    HWND focused = victim->Window();
    SetFocus(focused);
    EXPECT_FALSE(IsWindow(focused));
    EXPECT_EQ(victim, nullptr);

    // And the program goes on.
    parent->ctrl.before = nullptr;
    parent->ctrl.calls.clear();
    SetShift(false);
    SendMessageA(other.Window(), WM_KEYDOWN, VK_TAB, 1);
    EXPECT_EQ(UserMessages(), std::vector<std::string>{User(Win::WM_CAMP_SEGUENT, other.Window())});
}

TEST_F(Controls, FailedControlWindowThrowsItsText)
{
    ControlDef d = Def(0, 1, 10, 10, 8, "x");
    try {
        Win::CDNEdit e(reinterpret_cast<HWND>(0x1234), 0, &d);
        ADD_FAILURE();
    } catch (const char* text) {
        EXPECT_STREQ(text, "Internal error: Control Edit, la creación a fallado.");
    }
}

// ---- real keys ----

namespace {
void Press(WORD vk, WORD scan, bool shift = false)
{
    if (shift)
        Key(VK_SHIFT, 0x2A, false);
    Key(vk, scan, false);
    Key(vk, scan, true);
    if (shift)
        Key(VK_SHIFT, 0x2A, true);
}
} // namespace

TEST_F(Controls, RealKeyboardMovesBetweenFields)
{
    ControlDef d = Def(0, 1, 10, 10, 20, "Texto");
    Win::CDNEdit edit(Parent(), 0, &d);
    ASSERT_TRUE(TakeKeyboard(Parent(), edit.Window())) << "the test window could not take the keyboard focus";
    parent->ctrl.calls.clear();

    Press('A', 0x1E);
    Press(VK_TAB, 0x0F);
    Press(VK_TAB, 0x0F, true);
    Press(VK_ADD, 0x4E);
    Press(VK_RETURN, 0x1C);
    Press(VK_RETURN, 0x1C, true);
    PumpUntil([&] { return UserMessages().size() >= 5; }, 10000);
    PumpFor(100); // room for any message that should not come

    const HWND e = edit.Window();
    EXPECT_EQ(UserMessages(),
              (std::vector<std::string>{User(Win::WM_CAMP_SEGUENT, e), User(Win::WM_CAMP_ANTERIOR, e),
                                        User(Win::WM_CAMP_SEGUENT, e), User(Win::WM_CAMP_SEGUENT, e),
                                        User(Win::WM_CAMP_ANTERIOR, e)}));
    EXPECT_EQ(Text(e), "a");
}
