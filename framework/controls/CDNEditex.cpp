#include "framework/controls/CDNEditex.h"

#include "framework/Ajustos.h"
#include "framework/DcFinestra.h"
#include "framework/controls/ControlDef.h"
#include "framework/controls/MidesCDN.h"
#include "framework/SeleccioGdi.h"

namespace Win {

namespace {

// Line height of the font the field shows.
int AltLinia(HWND hwnd)
{
    const DcFinestra dc(hwnd);
    if (!dc)
        return 0;
    const SeleccioGdi font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageA(hwnd, WM_GETFONT, 0, 0)));
    TEXTMETRICA tm = {};
    return GetTextMetricsA(dc.Get(), &tm) ? tm.tmHeight + tm.tmExternalLeading : 0;
}

} // namespace

static_assert((ES_MULTILINE | ES_AUTOVSCROLL) == 0x44 && WS_VSCROLL == 0x200000, "multi-line");

CDNEditex::CDNEditex(HWND parent, int index, ControlDef* def) : CDNBase(parent, index, def)
{
    className_ = "EDIT";
    const MidesCDN::Mida mida = MidesCDN::Editex(*def, {width_, height_}, Win::ajustos().escalaY);
    width_ = mida.ample;
    height_ = mida.alt;
    style_ |= ES_MULTILINE | ES_AUTOVSCROLL;
    if (def->tipo == 15)
        exStyle_ = WS_EX_TRANSPARENT;
    else
        style_ |= WS_VSCROLL;
    CreateControlWindow();
    HFONT font = def->opcion == 1 ? Win::ajustos().fontArial : Win::ajustos().fontControlMitjana;
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    height_ = MidesCDN::AltLinies(height_, AltLinia(hwnd_));
    MoveWindow(hwnd_, x_, y_, width_, height_, FALSE);
    if (def->tipo == 15) {
        switch (def->variante) {
        case 2:
            fons_ = Win::ajustos().bmpFonsText2;
            pinzellFons_ = Win::ajustos().brFonsText2;
            break;
        case 3:
            fons_ = Win::ajustos().bmpFonsText3;
            pinzellFons_ = Win::ajustos().brFonsText3;
            break;
        default:
            fons_ = Win::ajustos().bmpFonsText;
            pinzellFons_ = Win::ajustos().brFonsText;
            break;
        }
    }
    Subclass(ctrl_);
    SendMessageA(hwnd_, EM_LIMITTEXT, static_cast<WPARAM>(def->longMax), 0);
    CreateLabel();
}

CDNEditex::~CDNEditex()
{
    DestroyControlWindow();
}

HBRUSH CDNEditex::GetBackBrush()
{
    return pinzellFons_;
}

} // namespace Win
