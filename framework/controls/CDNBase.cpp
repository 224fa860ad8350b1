#include "framework/controls/CDNBase.h"

#include "framework/Ajustos.h"
#include "framework/controls/AmpladaText.h"
#include "framework/controls/GeometriaCDN.h"
#include "framework/controls/ControlDef.h"

namespace Win {

namespace {

// Client edge from Windows XP (5.1) on, a static edge before.
DWORD DefaultExStyle()
{
    OSVERSIONINFOEXW version = {};
    version.dwOSVersionInfoSize = sizeof version;
    version.dwMajorVersion = 5;
    version.dwMinorVersion = 1;
    version.wServicePackMajor = 0;
    DWORDLONG mask = 0;
    mask = VerSetConditionMask(mask, VER_MAJORVERSION, VER_GREATER_EQUAL);
    mask = VerSetConditionMask(mask, VER_MINORVERSION, VER_GREATER_EQUAL);
    mask = VerSetConditionMask(mask, VER_SERVICEPACKMAJOR, VER_GREATER_EQUAL);
    const bool xp = VerifyVersionInfoW(&version, VER_MAJORVERSION | VER_MINORVERSION | VER_SERVICEPACKMAJOR, mask);
    return xp ? WS_EX_CLIENTEDGE : WS_EX_STATICEDGE;
}

} // namespace

CDNBase::CDNBase(HWND parent, int index, ControlDef* def)
{
    // The window member stays null until the control class creates its window, so that the
    // destructor can never destroy a window of some other field.
    index_ = index;
    instance_ = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    def_ = def;
    parent_ = parent;
    static const DWORD exStyle = DefaultExStyle();  // the system does not change while we run
    exStyle_ = exStyle;

    const double sx = Win::ajustos().escalaX;
    const double sy = Win::ajustos().escalaY;
    const GeometriaCDN::Rect r = GeometriaCDN::Base(*def, sx, sy);
    x_ = r.x;
    y_ = r.y;
    width_ = r.ample;
    height_ = r.alt;

    // Measuring is a good part of a field's cost: only a label that will be made needs it here.
    if (def->posEtiqueta != 2)
        labelWidth_ = MideEtiqueta();
    const GeometriaCDN::Punt label = GeometriaCDN::Etiqueta(*def, labelWidth_, sx, sy);
    labelX_ = label.x;
    labelY_ = label.y;
}

int CDNBase::MideEtiqueta() const
{
    // Measured on the parent: a child with this index may be another field's window.
    return AmpladaText(def_->etiqueta, Win::ajustos().fontControl, parent_);
}

void CDNBase::CreateControlWindow(const char* text)
{
    hwnd_ = CreateWindowExA(exStyle_, className_.c_str(), text, style_, x_, y_, width_, height_, parent_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId_)), instance_, nullptr);
    if (!hwnd_)
        throw "Internal error: Control Edit, la creación a fallado.";
}

void CDNBase::CreateLabel()
{
    if (def_->posEtiqueta == 2)
        return;
    className_ = "STATIC";
    label_ = CreateWindowExA(labelExStyle_, "STATIC", nullptr, labelStyle_, labelX_, labelY_, labelWidth_,
                             labelHeight_, parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId_)),
                             instance_, nullptr);
    if (!label_)
        return;
    SendMessageA(label_, WM_SETFONT, reinterpret_cast<WPARAM>(Win::ajustos().fontControl), TRUE);
    SetWindowTextA(label_, def_->etiqueta.c_str());
}

} // namespace Win
