#ifndef KORVU_FRAMEWORK_ERRORBOX_H
#define KORVU_FRAMEWORK_ERRORBOX_H

#include <windows.h>
#include <string>

namespace Win {

// The one place where failures are shown. Boxes shown before the main window exists have
// no owner.
class ErrorBox {
public:
    static void Show(const std::string& text);

    static void SetOwner(HWND owner) { owner_ = owner; }
    static HWND Owner() { return owner_; }

private:
    static HWND owner_;
};

} // namespace Win

// Shows the text unchanged in the error box (an empty text shows an empty box).
void MuestraDispError(std::string text);

#endif
