#include "framework/ErrorBox.h"

#include "framework/MsgBox.h"

namespace Win {

HWND ErrorBox::owner_ = nullptr;

void ErrorBox::Show(const std::string& text)
{
    MsgBox::Show(owner_, text.c_str(), "Korvuc Error", MB_ICONHAND);
}

} // namespace Win

void MuestraDispError(std::string text)
{
    Win::ErrorBox::Show(text);
}
