#ifndef KORVU_FRAMEWORK_CONTROLLER_H
#define KORVU_FRAMEWORK_CONTROLLER_H

#include <windows.h>

namespace Win {

// Receives the messages of one window: the window procedure calls the handler that matches the
// message with its arguments decoded. A handler returns true when it handled the message; the
// defaults handle nothing.
class Controller {
public:
    Controller() = default;
    virtual ~Controller();
    Controller(const Controller&) = delete;
    Controller& operator=(const Controller&) = delete;

    virtual bool OnCreate(CREATESTRUCTA* create);
    virtual bool OnDestroy();
    virtual bool OnActivate(int state, bool minimized, HWND other);
    virtual bool OnSetFocus(HWND lost);
    virtual bool OnSize(int width, int height, int type);
    virtual bool OnPaint();
    virtual HBRUSH OnCtlColorEdit(HWND control, HDC dc);
    virtual HBRUSH OnCtlColorStatic(HWND control, HDC dc);
    virtual HBRUSH OnCtlColorBtn(HWND control, HDC dc);
    virtual bool OnCommand(int id, bool fromAccelerator);
    virtual bool OnControl(HWND control, int id, int code);
    virtual bool OnInitMenuPopup(HMENU menu, int index);
    virtual bool OnInitSysMenuPopup(HMENU menu, int index);
    virtual bool OnMenuSelect(int item, int flags, HMENU menu);
    virtual bool OnMouseMove(int x, int y, WPARAM keys);
    virtual bool OnLButtonDown(int x, int y, WPARAM keys);
    virtual bool OnLButtonUp(int x, int y, WPARAM keys);
    virtual bool OnCaptureChanged(HWND gaining);
    virtual bool OnKeyDown(WPARAM key, LPARAM keyData);
    virtual bool OnChar(WPARAM character, LPARAM keyData);
    virtual bool OnKillFocus(HWND own);
    virtual bool OnUserMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual bool OnEraseBkgnd(HDC dc);
    virtual bool OnNotify(WPARAM id, NMHDR* header);
    virtual bool OnClose();
    virtual bool OnTimer(WPARAM id, LPARAM lParam);
    virtual bool OnDrawItem(WPARAM id, DRAWITEMSTRUCT* item);
    // The mouse is over `window` (this one or a child that left the message to its parent);
    // false lets the default procedure set the cursor.
    virtual bool OnSetCursor(HWND window, int hitTest, int mouseMsg);

    HWND Window() const { return hwnd_; }
    void SetWindow(HWND hwnd) { hwnd_ = hwnd; }

private:
    HWND hwnd_ = nullptr;
};

} // namespace Win

#endif
