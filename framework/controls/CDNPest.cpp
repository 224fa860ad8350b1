#include "framework/controls/CDNPest.h"

#include "framework/Ajustos.h"
#include "framework/DcFinestra.h"
#include "framework/DcMemoria.h"
#include "framework/controls/MidesCDN.h"
#include "framework/controls/ControlDef.h"

#include <commctrl.h>

namespace Win {

static_assert((WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS) == 0x54000000, "tab strip");

CDNPest::CDNPest(HWND parent, int index, ControlDef* def) : CDNBase(parent, index, def)
{
    className_ = WC_TABCONTROLA;
    // A click never takes the keyboard focus from the field: the screen moves it to a field of
    // the page picked, and the strip itself has no use for Tab or the keypad's "+".
    style_ = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_FOCUSNEVER;
    exStyle_ = WS_EX_TRANSPARENT;
    const MidesCDN::Mida mida = MidesCDN::Marc(*def, Win::ajustos().escalaX, Win::ajustos().escalaY);
    width_ = mida.ample;
    height_ = mida.alt;
    CreateControlWindow();
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(Win::ajustos().fontControl), TRUE);
    int i = 0;
    for (ControlDef::Element& element : def->elementos) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(element.texto.c_str());
        item.iImage = -1;
        element.extra = static_cast<int>(SendMessageA(hwnd_, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item)));
        ++i;
    }
    MideColorPagina();
}

void CDNPest::MideColorPagina()
{
    // The system or its visual style decides the colour: the strip paints itself into a bitmap
    // and the middle of its page area tells.
    RECT r = {};
    GetClientRect(hwnd_, &r);
    const int ample = r.right;
    const int alt = r.bottom;
    SendMessageA(hwnd_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    if (ample <= 0 || alt <= 0 || r.right <= r.left || r.bottom <= r.top)
        return;
    const DcFinestra pantalla(hwnd_);
    if (!pantalla)
        return;
    const ObjecteGdi<HBITMAP> imatge(CreateCompatibleBitmap(pantalla.Get(), ample, alt));
    DcMemoria memoria(pantalla.Get());
    if (!imatge || !memoria)
        return;
    memoria.Selecciona(imatge.Get());
    SendMessageA(hwnd_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memoria.Get()), PRF_CLIENT | PRF_ERASEBKGND);
    const COLORREF color = GetPixel(memoria.Get(), (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    memoria.Restaura();
    if (color == CLR_INVALID)
        return;
    colorPagina_ = color;
    brochaPagina_.Posa(CreateSolidBrush(color));
}

} // namespace Win
