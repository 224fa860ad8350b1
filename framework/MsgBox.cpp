#include "framework/MsgBox.h"

namespace Win {

MsgBox::Hook MsgBox::hook_ = nullptr;

int MsgBox::Show(HWND owner, const char* text, const char* caption, UINT type)
{
    if (hook_)
        return hook_(owner, text, caption, type);
    return MessageBoxA(owner, text, caption, type);
}

MsgBox::Hook MsgBox::SetHook(Hook hook)
{
    Hook old = hook_;
    hook_ = hook;
    return old;
}

} // namespace Win
