#include "framework/controls/CDNCheckbox.h"

#include "framework/Ajustos.h"
#include "framework/controls/GeometriaCDN.h"
#include "framework/controls/ControlDef.h"

namespace Win {

CDNCheckbox::CDNCheckbox(HWND parent, int index, ControlDef* def) : CDNBase(parent, index, def)
{
    className_ = "BUTTON";
    // Kind 13 is owner-drawn, and nothing draws it.
    style_ = def->tipo == 13 ? 0x5003800B : 0x50018003;
    if (def->posEtiqueta == 1) {
        style_ |= BS_LEFTTEXT;
        exStyle_ = WS_EX_RIGHT;
    } else {
        exStyle_ = 0;
    }
    // The box is as wide as its text, label or no label.
    if (def->posEtiqueta == 2)
        labelWidth_ = MideEtiqueta();
    const GeometriaCDN::Mida mida = GeometriaCDN::Checkbox(labelWidth_, Win::ajustos().escalaX, Win::ajustos().escalaY);
    width_ = mida.ample;
    height_ = mida.alt;
    // The text comes with the window: one message less for every box.
    CreateControlWindow(def->etiqueta.c_str());
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(Win::ajustos().fontControl), TRUE);
    Subclass(ctrl_);
}

CDNCheckbox::~CDNCheckbox()
{
    DestroyControlWindow();
}

int CDNCheckbox::GetValue(char* buffer, int length)
{
    const char* value = Pregunta(BM_GETCHECK) == BST_CHECKED ? "S" : def_->subtipo == 7 ? "N" : " ";
    if (buffer && length > 0)
        lstrcpynA(buffer, value, length < 2 ? length : 2);
    return 0;
}

void CDNCheckbox::SetValue(const char*)
{
    if (def_->tipo == 13)
        return;
    const bool ticked = !def_->valor.empty() && def_->valor[0] == 'S';
    SendMessageA(hwnd_, BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
}

} // namespace Win
