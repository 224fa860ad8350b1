#include "framework/ErrorBox.h"

#include "framework/MsgBox.h"

namespace Win {

HWND ErrorBox::owner_ = nullptr;

void ErrorBox::Show(const std::string& text)
{
    // A box owned by a window that is gone would never be shown.
    MsgBox::Show(owner_ && IsWindow(owner_) ? owner_ : nullptr, text.c_str(), "Korvuc Error", MB_ICONHAND);
}

} // namespace Win

void MuestraDispError(std::string text)
{
    Win::ErrorBox::Show(text);
}
