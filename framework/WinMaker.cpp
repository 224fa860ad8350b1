#include "framework/WinMaker.h"

#include "framework/Controller.h"
#include "framework/Exception.h"
#include "framework/PendingException.h"

namespace Win {

WinMaker::WinMaker(const char* className, HINSTANCE instance) : instance_(instance), className_(className)
{
}

WinMaker::~WinMaker() = default;

void WinMaker::SetMenuFromResource(const char* name)
{
    menu_ = LoadMenuA(instance_, name);
    if (!menu_)
        throw Exception("Cannot load menu from resources", "");
}

HWND WinMaker::Make(const char* title, void* parameter)
{
    HWND hwnd = CreateWindowExA(exStyle_, className_.c_str(), title, style_, x_, y_, width_, height_, parent_,
                                menu_, instance_, parameter);
    // A failure of the create handler aborted the creation; it is the one to report. A failure
    // of some other handler run meanwhile fails the creation too: the window goes, so that none
    // is left bound to a controller that the caller is about to let go.
    if (PendingException::Waiting()) {
        if (hwnd)
            DestroyWindow(hwnd);
        PendingException::Rethrow();
    }
    return hwnd;
}

HWND WinMaker::Create(Controller* controller, const char* title)
{
    HWND hwnd = Make(title, controller);
    if (!hwnd)
        throw "Internal error: Window Creation Failed.";
    return hwnd;
}

} // namespace Win
