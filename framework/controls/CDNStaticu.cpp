#include "framework/controls/CDNStaticu.h"

#include "framework/controls/FontEtiqueta.h"
#include "framework/controls/MidesCDN.h"
#include "framework/controls/ControlDef.h"

namespace Win {

namespace {

constexpr UINT_PTR kRellotge = 1;
constexpr UINT kPeriode = 100;

static_assert((WS_CHILD | WS_VISIBLE | SS_NOTIFY) == 0x50000100, "link label");

} // namespace

bool CDNStaticu::CtrlNStaticu::OnMouseMove(int, int, WPARAM)
{
    if (rellotge)
        return false;
    rellotge = true;
    SetTimer(Window(), kRellotge, kPeriode, nullptr);
    SendMessageA(Window(), WM_SETFONT, reinterpret_cast<WPARAM>(subratllada), FALSE);
    InvalidateRect(Window(), nullptr, FALSE);
    return true;
}

bool CDNStaticu::CtrlNStaticu::OnTimer(WPARAM, LPARAM)
{
    POINT cursor = {};
    RECT r = {};
    GetCursorPos(&cursor);
    GetWindowRect(Window(), &r);
    // Edges included.
    if (cursor.x >= r.left && cursor.x <= r.right && cursor.y >= r.top && cursor.y <= r.bottom)
        return false;
    if (!rellotge)
        return false;
    rellotge = false;
    KillTimer(Window(), kRellotge);
    SendMessageA(Window(), WM_SETFONT, reinterpret_cast<WPARAM>(normal), FALSE);
    InvalidateRect(Window(), nullptr, FALSE);
    return true;
}

CDNStaticu::CDNStaticu(HWND parent, int index, ControlDef* def) : CDNBase(parent, index, def)
{
    className_ = "STATIC";
    style_ = WS_CHILD | WS_VISIBLE | SS_NOTIFY;
    exStyle_ = 0;
    const MidesCDN::Etiqueta e = MidesCDN::Etiquetes(*def, true, width_, y_);
    width_ = e.ample;
    height_ = e.alt;
    CreateControlWindow();
    HFONT font = FontEtiqueta(e.font);
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    SetWindowTextA(hwnd_, def->etiqueta.c_str());
    Subclass(ctrl_);
    LOGFONTA lf = {};
    if (font && GetObjectA(font, sizeof lf, &lf)) {
        lf.lfUnderline = TRUE;
        subratllada_.Posa(CreateFontIndirectA(&lf));
    }
    // Without an underlined font the hover keeps the normal one.
    ctrl_.subratllada = subratllada_ ? subratllada_.Get() : font;
    ctrl_.normal = font;
}

CDNStaticu::~CDNStaticu()
{
    DestroyControlWindow();
}

} // namespace Win
