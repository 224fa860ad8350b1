#include "framework/controls/ControlBase.h"

#include "framework/SubController.h"
#include "framework/WndProc.h"

#include <algorithm>

namespace Win {

ControlBase::~ControlBase()
{
    if (hwnd_) {
        // The control class did not destroy its window (its constructor failed half way), so
        // its controller is gone: the window gets back what it had before it was subclassed.
        if (prevProc_ && GetWindowLongPtrA(hwnd_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&SubProc)) {
            SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(prevProc_));
            SetWindowLongPtrA(hwnd_, GWLP_USERDATA, prevUserData_);
        }
        DestroyWindow(hwnd_);
    }
    if (label_)
        DestroyWindow(label_);
}

void ControlBase::Subclass(SubController& controller)
{
    SubclassCtrl(hwnd_, controller);
    prevProc_ = controller.PrevProc();
    prevUserData_ = controller.PrevUserData();
}

void ControlBase::DestroyControlWindow()
{
    if (hwnd_) {
        HWND hwnd = hwnd_;
        hwnd_ = nullptr;
        DestroyWindow(hwnd);
    }
}

void ControlBase::Release()
{
}

int ControlBase::Validate()
{
    return 0;
}

int ControlBase::GetValue(char* buffer, int length)
{
    if (!buffer || length <= 0)
        return 0;
    buffer[0] = '\0';
    const int n = static_cast<int>(Pregunta(WM_GETTEXT, static_cast<WPARAM>(length), reinterpret_cast<LPARAM>(buffer)));
    buffer[length - 1] = '\0';
    return n;
}

bool ControlBase::TextRefusat()
{
    return false;
}

LRESULT ControlBase::Pregunta(UINT msg, WPARAM wp, LPARAM lp) const
{
    // A window gone under us is asked the usual way, which answers nothing.
    if (!prevProc_ || !IsWindow(hwnd_))
        return SendMessageA(hwnd_, msg, wp, lp);
    return CallWindowProcA(prevProc_, hwnd_, msg, wp, lp);
}

std::string ControlBase::Text() const
{
    const int length = static_cast<int>(Pregunta(WM_GETTEXTLENGTH));
    if (length <= 0)
        return std::string();
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int read = static_cast<int>(Pregunta(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0])));
    text.resize(read > 0 ? std::min(static_cast<std::size_t>(read), static_cast<std::size_t>(length)) : 0);
    return text;
}

void ControlBase::SetValue(const char* text)
{
    SetWindowTextA(hwnd_, text);
    rebut_ = Text();
}

void ControlBase::Clear()
{
    SetWindowTextA(hwnd_, "---");
    rebut_ = Text();
}

HBRUSH ControlBase::GetBrush()
{
    return brush_.Get();
}

HBRUSH ControlBase::GetBackBrush()
{
    return nullptr;
}

void ControlBase::Desplaza(int, int)
{
}

} // namespace Win
