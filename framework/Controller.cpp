#include "framework/Controller.h"

namespace Win {

Controller::~Controller()
{
    // A window that outlives its controller must not route messages into it.
    if (hwnd_ && IsWindow(hwnd_) &&
        GetWindowLongPtrA(hwnd_, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(this))
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
}

bool Controller::OnCreate(CREATESTRUCTA*) { return false; }
bool Controller::OnDestroy() { return false; }
bool Controller::OnActivate(int, bool, HWND) { return false; }
bool Controller::OnSetFocus(HWND) { return false; }
bool Controller::OnSize(int, int, int) { return false; }
bool Controller::OnPaint() { return false; }
HBRUSH Controller::OnCtlColorEdit(HWND, HDC) { return nullptr; }
HBRUSH Controller::OnCtlColorStatic(HWND, HDC) { return nullptr; }
HBRUSH Controller::OnCtlColorBtn(HWND, HDC) { return nullptr; }
bool Controller::OnCommand(int, bool) { return false; }
bool Controller::OnControl(HWND, int, int) { return false; }
bool Controller::OnInitMenuPopup(HMENU, int) { return false; }
bool Controller::OnInitSysMenuPopup(HMENU, int) { return false; }
bool Controller::OnMenuSelect(int, int, HMENU) { return false; }
bool Controller::OnMouseMove(int, int, WPARAM) { return false; }
bool Controller::OnLButtonDown(int, int, WPARAM) { return false; }
bool Controller::OnLButtonUp(int, int, WPARAM) { return false; }
bool Controller::OnCaptureChanged(HWND) { return false; }
bool Controller::OnKeyDown(WPARAM, LPARAM) { return false; }
bool Controller::OnChar(WPARAM, LPARAM) { return false; }
bool Controller::OnKillFocus(HWND) { return false; }
bool Controller::OnUserMessage(UINT, WPARAM, LPARAM, LRESULT*) { return false; }
bool Controller::OnEraseBkgnd(HDC) { return false; }
bool Controller::OnNotify(WPARAM, NMHDR*) { return false; }
bool Controller::OnClose() { return false; }
bool Controller::OnTimer(WPARAM, LPARAM) { return false; }
bool Controller::OnDrawItem(WPARAM, DRAWITEMSTRUCT*) { return false; }
bool Controller::OnSetCursor(HWND, int, int) { return false; }

} // namespace Win
