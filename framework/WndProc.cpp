#include "framework/WndProc.h"

#include "framework/DispError.h"
#include "framework/EliminacioDiferida.h"
#include "framework/ErrorBox.h"
#include "framework/Exception.h"
#include "framework/PendingException.h"
#include "framework/SubController.h"

#include <cstdio>

namespace Win {

namespace {

Controller* ControllerOf(HWND hwnd)
{
    return reinterpret_cast<Controller*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

int SignedLow(LPARAM lp)
{
    return static_cast<short>(LOWORD(lp));
}

int SignedHigh(LPARAM lp)
{
    return static_cast<short>(HIWORD(lp));
}

// Routes one message of a top-level window. Returns true with the result when a handler took
// the message. Nothing here reads the controller after its handler has returned: the handler
// may have destroyed the window and the controller with it.
bool Route(Controller* c, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    result = 0;
    switch (msg) {
    case WM_CREATE:
        return c->OnCreate(reinterpret_cast<CREATESTRUCTA*>(lp));
    case WM_DESTROY:
        c->OnDestroy();
        return true;
    case WM_SIZE:
        return c->OnSize(LOWORD(lp), HIWORD(lp), static_cast<int>(wp));
    case WM_ACTIVATE:
        return c->OnActivate(LOWORD(wp), HIWORD(wp) != 0, reinterpret_cast<HWND>(lp));
    case WM_SETFOCUS:
        return c->OnSetFocus(reinterpret_cast<HWND>(wp));
    case WM_KILLFOCUS:
        return c->OnKillFocus(hwnd);
    case WM_PAINT:
        return c->OnPaint();
    case WM_CLOSE:
        return c->OnClose();
    case WM_ERASEBKGND:
        result = 1;
        return c->OnEraseBkgnd(reinterpret_cast<HDC>(wp));
    case WM_DRAWITEM:
        return c->OnDrawItem(wp, reinterpret_cast<DRAWITEMSTRUCT*>(lp));
    case WM_NOTIFY:
        return c->OnNotify(wp, reinterpret_cast<NMHDR*>(lp));
    case WM_KEYDOWN:
        return c->OnKeyDown(wp, lp);
    case WM_CHAR:
        return c->OnChar(wp, lp);
    case WM_COMMAND:
        if (lp == 0)
            return c->OnCommand(LOWORD(wp), HIWORD(wp) == 1);
        return c->OnControl(reinterpret_cast<HWND>(lp), LOWORD(wp), HIWORD(wp));
    case WM_TIMER:
        return c->OnTimer(wp, lp);
    case WM_INITMENUPOPUP:
        if (HIWORD(lp) == 0)
            return c->OnInitMenuPopup(reinterpret_cast<HMENU>(wp), LOWORD(lp));
        return c->OnInitSysMenuPopup(reinterpret_cast<HMENU>(wp), LOWORD(lp));
    case WM_MENUSELECT:
        return c->OnMenuSelect(LOWORD(wp), HIWORD(wp), reinterpret_cast<HMENU>(lp));
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: {
        HWND control = reinterpret_cast<HWND>(lp);
        HDC dc = reinterpret_cast<HDC>(wp);
        HBRUSH brush = msg == WM_CTLCOLOREDIT  ? c->OnCtlColorEdit(control, dc)
                       : msg == WM_CTLCOLORBTN ? c->OnCtlColorBtn(control, dc)
                                               : c->OnCtlColorStatic(control, dc);
        result = reinterpret_cast<LRESULT>(brush);
        return brush != nullptr;
    }
    case WM_MOUSEMOVE:
        return c->OnMouseMove(SignedLow(lp), SignedHigh(lp), wp);
    case WM_LBUTTONDOWN:
        return c->OnLButtonDown(SignedLow(lp), SignedHigh(lp), wp);
    case WM_LBUTTONUP:
        return c->OnLButtonUp(SignedLow(lp), SignedHigh(lp), wp);
    case WM_CAPTURECHANGED:
        return c->OnCaptureChanged(reinterpret_cast<HWND>(lp));
    case WM_SETCURSOR:
        result = TRUE;
        return c->OnSetCursor(reinterpret_cast<HWND>(wp), SignedLow(lp), HIWORD(lp));
    default:
        if (msg >= WM_USER)
            return c->OnUserMessage(msg, wp, lp, &result);
        return false;
    }
}

// Showing a failure must not throw out of a window procedure either: the text is copied, and
// memory may be what ran out.
void Report(const char* text) noexcept
{
    try {
        ErrorBox::Show(text);
    } catch (...) {
    }
}

void Report(const DispError& e) noexcept
{
    try {
        ErrorBox::Show(e.Texto());
    } catch (...) {
    }
}

} // namespace

LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_NCCREATE) {
        // A child maker creates windows of such a class with no controller: they stay unbound.
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lp);
        auto* c = static_cast<Controller*>(create ? create->lpCreateParams : nullptr);
        if (c) {
            c->SetWindow(hwnd);
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(c));
        }
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
    Controller* c = ControllerOf(hwnd);
    if (!c)
        return DefWindowProcA(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        // The last message of the window: nothing may reach the controller after it.
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
    // A message sent to the window from outside the loop (or before it runs) still defers what
    // its handler retires until the handler has returned.
    const EliminacioDiferida::Manejador manejador;
    try {
        LRESULT result;
        if (Route(c, hwnd, msg, wp, lp, result))
            return result;
    } catch (const DispError& e) {
        // Shown here, and kept like every failure that must leave the procedure.
        Report(e);
        PendingException::KeepCurrent();
        return msg == WM_CREATE ? -1 : 0;
    } catch (const ExitException&) {
        PendingException::KeepCurrent();
        return msg == WM_CREATE ? -1 : 0;
    } catch (...) {
        Report("Internal Error:\nFailure to initialize.");
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT CALLBACK SubProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    auto* c = reinterpret_cast<SubController*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!c)
        return DefWindowProcA(hwnd, msg, wp, lp);
    // Whatever a handler retires (its own control included) is freed after it has returned.
    const EliminacioDiferida::Manejador manejador;
    // Taken before any handler runs: a handler may destroy the control and its controller.
    const WNDPROC prevProc = c->PrevProc();
    const HWND own = c->Window();
    int point = 0;
    try {
        switch (msg) {
        case WM_SETFOCUS:
            point = 1;
            if (c->OnSetFocus(reinterpret_cast<HWND>(wp)))
                return 0;
            break;
        case WM_KILLFOCUS:
            point = 4;
            if (c->OnKillFocus(own))
                return 0;
            break;
        case WM_PAINT:
            if (c->OnPaint())
                return 0;
            break;
        case WM_ERASEBKGND:
            if (c->OnEraseBkgnd(reinterpret_cast<HDC>(wp)))
                return 1;
            break;
        case WM_DRAWITEM:
            if (c->OnDrawItem(wp, reinterpret_cast<DRAWITEMSTRUCT*>(lp)))
                return 0;
            break;
        case WM_KEYDOWN:
            point = 3;
            if (c->OnKeyDown(wp, lp))
                return 0;
            break;
        case WM_CHAR:
            point = 2;
            if (c->OnChar(wp, lp))
                return 0;
            break;
        case WM_TIMER:
            if (c->OnTimer(wp, lp))
                return 0;
            break;
        case WM_MOUSEMOVE:
            if (c->OnMouseMove(SignedLow(lp), SignedHigh(lp), wp))
                return 0;
            break;
        case WM_LBUTTONDOWN:
            if (c->OnLButtonDown(SignedLow(lp), SignedHigh(lp), wp))
                return 0;
            break;
        case WM_LBUTTONUP:
            point = 5;
            if (c->OnLButtonUp(SignedLow(lp), SignedHigh(lp), wp))
                return 0;
            break;
        default:
            break;
        }
    } catch (const DispError& e) {
        Report(e);
    } catch (const ExitException&) {
        PendingException::KeepCurrent();
        return 0;
    } catch (...) {
        char text[40];
        std::snprintf(text, sizeof text, "Error interno:\nPunto:%i, %x", point, static_cast<unsigned>(wp));
        Report(text);
    }
    // A handler that destroyed its own control leaves nothing for the old procedure to do.
    if (!IsWindow(own))
        return 0;
    return CallWindowProcA(prevProc, own, msg, wp, lp);
}

void SubclassCtrl(HWND control, SubController& controller)
{
    const auto prevProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(control, GWLP_WNDPROC));
    const LONG_PTR prevUserData = GetWindowLongPtrA(control, GWLP_USERDATA);
    controller.Bind(control, prevProc, prevUserData);
    SetWindowLongPtrA(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&controller));
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubProc));
}

LRESULT CALLBACK DefProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    return DefWindowProcA(hwnd, msg, wp, lp);
}

} // namespace Win
