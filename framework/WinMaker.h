#ifndef KORVU_FRAMEWORK_WINMAKER_H
#define KORVU_FRAMEWORK_WINMAKER_H

#include <windows.h>

#include <string>

namespace Win {

class Controller;

// The arguments of one CreateWindowExA call for a top-level window with its controller.
class WinMaker {
public:
    WinMaker(const char* className, HINSTANCE instance);
    virtual ~WinMaker();
    WinMaker(const WinMaker&) = delete;
    WinMaker& operator=(const WinMaker&) = delete;

    void SetExStyle(DWORD exStyle) { exStyle_ = exStyle; }
    void SetSize(int width, int height)
    {
        width_ = width;
        height_ = height;
    }
    // Throws Win::Exception "Cannot load menu from resources".
    void SetMenuFromResource(const char* name);

    // The controller receives the window's messages from its first routed one (WM_CREATE
    // included). Throws the text "Internal error: Window Creation Failed.", or whatever the
    // controller threw on through the window procedure while the window was being made.
    HWND Create(Controller* controller, const char* title);

protected:
    HWND Make(const char* title, void* parameter);

    HINSTANCE instance_;
    std::string className_;
    DWORD style_ = 0x00CF3000;
    DWORD exStyle_ = WS_EX_CONTROLPARENT;
    int x_ = CW_USEDEFAULT;
    int y_ = 0;
    int width_ = CW_USEDEFAULT;
    int height_ = 0;
    HWND parent_ = nullptr;
    HMENU menu_ = nullptr;
};

} // namespace Win

#endif
