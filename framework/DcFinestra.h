#ifndef KORVU_FRAMEWORK_DCFINESTRA_H
#define KORVU_FRAMEWORK_DCFINESTRA_H

#include <windows.h>

namespace Win {

// Device contexts that some owner holds right now (window and memory contexts alike); the
// count moves only when getting or releasing one succeeds.
int DcsVius();
namespace detail {
extern int dcsVius;  // moved by DcFinestra and DcMemoria only
}

// The device context of a window (GetDC), given back with ReleaseDC when the owner goes.
class DcFinestra {
public:
    explicit DcFinestra(HWND finestra);
    ~DcFinestra();
    DcFinestra(const DcFinestra&) = delete;
    DcFinestra& operator=(const DcFinestra&) = delete;

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND finestra_;
    HDC dc_;
};

} // namespace Win

#endif
