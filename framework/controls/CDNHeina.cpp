#include "framework/controls/CDNHeina.h"

#include "framework/Ajustos.h"
#include "framework/controls/MidesCDN.h"
#include "framework/controls/ControlDef.h"

namespace Win {

static_assert((WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_FLAT | BS_NOTIFY | BS_BITMAP) == 0x5001C080, "tool button");

CDNHeina::CDNHeina(HWND parent, int index, ControlDef* def, HWND) : CDNBase(parent, index, def)
{
    className_ = "BUTTON";
    style_ = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_FLAT | BS_NOTIFY | BS_BITMAP;
    exStyle_ = 0;
    const MidesCDN::Mida mida = MidesCDN::Heina(def->posEtiqueta, Win::ajustos().escalaX, Win::ajustos().escalaY);
    width_ = mida.ample;
    height_ = mida.alt;
    CreateControlWindow();
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(Win::ajustos().fontControl), TRUE);
    Subclass(ctrl_);
    // Without the library a null module would name the system's own bitmaps.
    if (Win::ajustos().recursos)
        imatge_.Posa(LoadBitmapA(Win::ajustos().recursos, MAKEINTRESOURCEA(def->imagen & 0xFFFF)));
    if (imatge_) {
        SendMessageA(hwnd_, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(imatge_.Get()));
    } else {
        // A bitmap button without its bitmap draws nothing: the caption needs a text button.
        style_ &= ~static_cast<DWORD>(BS_BITMAP);
        SetWindowLongA(hwnd_, GWL_STYLE, static_cast<LONG>(style_));
        SetWindowTextA(hwnd_, def->etiqueta.c_str());
    }
}

CDNHeina::~CDNHeina()
{
    DestroyControlWindow();
}

} // namespace Win
