#include "framework/ChildWinMaker.h"

namespace Win {

ChildWinMaker::ChildWinMaker(const char* className, HWND parent, int childId)
    : WinMaker(className, reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE)))
{
    style_ = WS_CHILD | WS_TABSTOP;
    parent_ = parent;
    menu_ = reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId));
}

HWND ChildWinMaker::Create(const char* title)
{
    HWND hwnd = Make(title, nullptr);
    if (!hwnd)
        throw "Internal error: Child Window Creation Failed.";
    return hwnd;
}

} // namespace Win
