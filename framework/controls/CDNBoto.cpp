#include "framework/controls/CDNBoto.h"

#include "framework/Ajustos.h"
#include "framework/MissatgesPrivats.h"
#include "framework/controls/GeometriaCDN.h"
#include "framework/controls/ControlDef.h"

namespace Win {

bool CDNBoto::CtrlNBoto::OnKeyDown(WPARAM key, LPARAM keyData)
{
    if (key == VK_RETURN) {
        const HWND own = Window();
        SendMessageA(GetParent(own), WM_BOTO_ENTER, reinterpret_cast<WPARAM>(own), 0);
        return true;
    }
    return MultiController::OnKeyDown(key, keyData);
}

CDNBoto::CDNBoto(HWND parent, int index, ControlDef* def) : CDNBase(parent, index, def)
{
    className_ = "BUTTON";
    style_ = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_MULTILINE | BS_NOTIFY | BS_FLAT;
    exStyle_ = 0;
    childId_ = 0;
    const GeometriaCDN::Mida mida = GeometriaCDN::Boto(*def, height_, Win::ajustos().escalaX, Win::ajustos().escalaY);
    width_ = mida.ample;
    height_ = mida.alt;
    // The text comes with the window: one message less for every button.
    CreateControlWindow(def->etiqueta.c_str());
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(Win::ajustos().fontControl), TRUE);
    Subclass(ctrl_);
}

CDNBoto::~CDNBoto()
{
    DestroyControlWindow();
}

} // namespace Win
