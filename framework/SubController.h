#ifndef KORVU_FRAMEWORK_SUBCONTROLLER_H
#define KORVU_FRAMEWORK_SUBCONTROLLER_H

#include "framework/Controller.h"

namespace Win {

// The controller of a subclassed control: it keeps what the control had before, so that the
// subclass procedure can hand on every message it does not take.
class SubController : public Controller {
public:
    WNDPROC PrevProc() const { return prevProc_; }
    LONG_PTR PrevUserData() const { return prevUserData_; }

    // Called by SubclassCtrl only.
    void Bind(HWND hwnd, WNDPROC prevProc, LONG_PTR prevUserData)
    {
        SetWindow(hwnd);
        prevProc_ = prevProc;
        prevUserData_ = prevUserData;
    }

private:
    WNDPROC prevProc_ = nullptr;
    LONG_PTR prevUserData_ = 0;
};

} // namespace Win

#endif
