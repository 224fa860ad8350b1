#include "framework/controls/CDNStatic.h"

#include "framework/Ajustos.h"
#include "framework/DcMemoria.h"
#include "framework/SeleccioGdi.h"
#include "framework/controls/FontEtiqueta.h"
#include "framework/controls/MidesCDN.h"
#include "framework/controls/ControlDef.h"

namespace Win {

namespace {

constexpr int kEstilBanda = 52;

static_assert((WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP) == 0x5000000C, "plain label");
static_assert((WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_BITMAP) == 0x5000010E, "band label");

} // namespace

bool CDNStatic::CtrlNStatic::OnEraseBkgnd(HDC dc)
{
    if (!def || def->estilo != kEstilBanda)
        return false;
    RECT r = {};
    GetClientRect(Window(), &r);
    EstiraBitmap(dc, banda, r.right, r.bottom);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    r.left += 4;
    const SeleccioGdi ambFont(dc, font);
    DrawTextA(dc, def->valor.c_str(), static_cast<int>(def->valor.size()), &r, DT_SINGLELINE | DT_VCENTER);
    return true;
}

CDNStatic::CDNStatic(HWND parent, int index, ControlDef* def) : CDNBase(parent, index, def)
{
    className_ = "STATIC";
    style_ = WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP;
    exStyle_ = 0;
    if (def->estilo == kEstilBanda) {
        style_ = WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_BITMAP;
        exStyle_ = WS_EX_TRANSPARENT;
    }
    const MidesCDN::Etiqueta e = MidesCDN::Etiquetes(*def, false, width_, y_);
    y_ = e.y;
    width_ = e.ample;
    height_ = e.alt;
    hwnd_ = CreateWindowExA(exStyle_, "STATIC", nullptr, style_, x_, y_, width_, height_, parent_, nullptr, instance_,
                            nullptr);
    if (!hwnd_)
        throw "Internal error: Control Statuc, la creación a fallado.";
    HFONT font = FontEtiqueta(e.font);
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    ctrl_.font = font;
    ctrl_.banda = Win::ajustos().bmpBandaEtiqueta;
    ctrl_.def = def;
    Subclass(ctrl_);
    SetWindowTextA(hwnd_, def->etiqueta.c_str());
    ShowWindow(hwnd_, SW_HIDE);
    ShowWindow(hwnd_, SW_SHOW);
}

CDNStatic::~CDNStatic()
{
    DestroyControlWindow();
}

} // namespace Win
