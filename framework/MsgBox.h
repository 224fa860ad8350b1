#ifndef KORVU_FRAMEWORK_MSGBOX_H
#define KORVU_FRAMEWORK_MSGBOX_H

#include <windows.h>

namespace Win {

// Every message box of the program goes through here, so that tests can see what would be
// shown without a modal box blocking them.
class MsgBox {
public:
    using Hook = int (*)(HWND owner, const char* text, const char* caption, UINT type);

    static int Show(HWND owner, const char* text, const char* caption, UINT type);

    // A null hook restores the real MessageBoxA; returns the hook that was in place.
    static Hook SetHook(Hook hook);

private:
    static Hook hook_;
};

} // namespace Win

#endif
