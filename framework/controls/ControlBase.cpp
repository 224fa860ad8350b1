#include "framework/controls/ControlBase.h"

#include "framework/SubController.h"
#include "framework/WndProc.h"

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
    return GetWindowTextA(hwnd_, buffer, length);
}

void ControlBase::SetValue(const char* text)
{
    SetWindowTextA(hwnd_, text);
}

void ControlBase::Clear()
{
    SetWindowTextA(hwnd_, "---");
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
