#include "framework/controls/CDNEdit.h"

#include "framework/Ajustos.h"
#include "framework/controls/ControlDef.h"

namespace Win {

bool CDNEdit::CtrlNEdit::OnKeyDown(WPARAM key, LPARAM)
{
    if (key != VK_TAB && key != VK_ADD && key != VK_RETURN)
        return false;
    Navega();
    return true;
}

bool CDNEdit::CtrlNEdit::OnChar(WPARAM character, LPARAM keyData)
{
    return character == '\t' || EsMesNumeric(keyData);
}

CDNEdit::CDNEdit(HWND parent, int index, ControlDef* def) : CDNBase(parent, index, def)
{
    className_ = "EDIT";
    style_ |= ES_AUTOHSCROLL;
    if (def->subtipo == 3)
        style_ |= ES_PASSWORD;
    childId_ = def->orden;
    CreateControlWindow();
    Subclass(ctrl_);
    HFONT font = height_ > 24 ? Win::ajustos().fontControlGran : Win::ajustos().fontControlMitjana;
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    SendMessageA(hwnd_, EM_LIMITTEXT, static_cast<WPARAM>(def->longVisible), 0);
    CreateLabel();
}

CDNEdit::~CDNEdit()
{
    DestroyControlWindow();
}

} // namespace Win
