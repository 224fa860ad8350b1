#ifndef KORVU_TESTS_CONTROLSPROVA_H
#define KORVU_TESTS_CONTROLSPROVA_H

// What the control tests share: a record of a field, where a window stands in its parent,
// real key input, pumping with a bound, and a fixture whose tests share one parent window.

#include "framework/MsgLoop.h"
#include "framework/controls/ControlDef.h"
#include "tests/framework/AjustosProva.h"
#include "tests/framework/TestWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The larger of the two scales the tests place controls at.
const double kGran = 31.0 / 24.0;

inline ControlDef Def(int tipo, int subtipo, int x1, int y1, int longVisible, const char* etiqueta = "Camp",
                      int posEtiqueta = 0)
{
    ControlDef d;
    d.tipo = tipo;
    d.subtipo = subtipo;
    d.x1 = x1;
    d.y1 = y1;
    d.longMax = longVisible;
    d.longVisible = longVisible;
    d.etiqueta = etiqueta;
    d.posEtiqueta = posEtiqueta;
    return d;
}

inline RECT InParent(HWND hwnd)
{
    RECT r = {};
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

inline void ExpectPlaced(HWND hwnd, int x, int y, int width, int height)
{
    ASSERT_NE(hwnd, nullptr);
    const RECT r = InParent(hwnd);
    EXPECT_EQ(r.left, x);
    EXPECT_EQ(r.top, y);
    EXPECT_EQ(r.right - r.left, width);
    EXPECT_EQ(r.bottom - r.top, height);
}

inline std::string Text(HWND hwnd)
{
    char text[256] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

inline DWORD Style(HWND h)
{
    return static_cast<DWORD>(GetWindowLongA(h, GWL_STYLE));
}

inline void Key(WORD vk, WORD scan, bool up)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = scan;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
}

// Pumps until the condition holds or the time is up: input goes through the display server,
// which may be slow on a busy machine.
template <typename Done>
bool PumpUntil(Done done, DWORD ms)
{
    Win::MsgLoop loop(nullptr, nullptr);
    const DWORD start = GetTickCount();
    for (;;) {
        loop.Pump();
        if (done())
            return true;
        if (GetTickCount() - start >= ms)
            return false;
        Sleep(5);
    }
}

inline void PumpFor(DWORD ms)
{
    PumpUntil([] { return false; }, ms);
}

// Gives the field of a top-level window the keyboard focus for real input; false only when it
// could not in 20 s. Under a display without a window manager the X keyboard focus follows the
// pointer, and wine takes the foreground from a window that loses it: so the pointer is put
// over the window before each try, and each try waits for the focus to settle.
inline bool TakeKeyboard(HWND top, HWND field)
{
    const DWORD start = GetTickCount();
    for (DWORD wait = 100;; wait = wait < 1600 ? wait * 2 : wait) {
        RECT r = {};
        GetWindowRect(top, &r);
        SetCursorPos(r.left + 2, r.top + 2);
        SetForegroundWindow(top);
        SetActiveWindow(top);
        SetFocus(field);
        if (PumpUntil([&] { return GetForegroundWindow() == top && GetFocus() == field; }, wait)) {
            // Settled: still ours a little later.
            PumpFor(50);
            if (GetForegroundWindow() == top && GetFocus() == field)
                return true;
        }
        if (GetTickCount() - start >= 20000)
            return false;
    }
}

// One shown parent window for every test of a suite: under a display without a window manager
// each hidden or destroyed top-level window costs a wait. The controls read the test's own
// settings.
class ParentCompartit : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Win::UsaAjustos(ajustosProva);
        parent = new TestWindow(true);
    }
    static void TearDownTestSuite()
    {
        delete parent;
        parent = nullptr;
    }
    static HWND Parent() { return parent->hwnd; }
    // The parent behaves as a plain window and has heard nothing yet.
    static void ReiniciaParent()
    {
        parent->ctrl.handled = false;
        parent->ctrl.before = nullptr;
        parent->ctrl.calls.clear();
    }
    static void SetScale(double s)
    {
        ajustosProva.escalaX = s;
        ajustosProva.escalaY = s;
    }
    // The private messages the parent received, as "msg wParam lParam" calls.
    static std::vector<std::string> UserMessages()
    {
        std::vector<std::string> out;
        for (const std::string& c : parent->ctrl.calls)
            if (c.rfind("OnUserMessage", 0) == 0)
                out.push_back(c);
        return out;
    }
    static std::string User(UINT msg, HWND wp, LPARAM lp = 0)
    {
        return Call("OnUserMessage", static_cast<long long>(msg), static_cast<long long>(reinterpret_cast<WPARAM>(wp)),
                    static_cast<long long>(lp));
    }

    static inline TestWindow* parent = nullptr;
};

#endif
