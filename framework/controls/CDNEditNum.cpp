#include "framework/controls/CDNEditNum.h"

#include "framework/Ajustos.h"
#include "framework/MissatgesPrivats.h"
#include "framework/controls/MidesCDN.h"
#include "framework/controls/ControlDef.h"
#include "framework/controls/CopiaValor.h"

namespace Win {

bool CDNEditNum::CtrlNEditNum::OnChar(WPARAM character, LPARAM keyData)
{
    if (EsMesNumeric(keyData))
        return true;
    if (character < '+')
        return character != '\b';
    return character > '9' || character == '/' || (character == '-' && !ambSigne);
}

bool CDNEditNum::CtrlNEditNum::OnKillFocus(HWND)
{
    const HWND own = Window();
    SendMessageA(GetParent(own), WM_CAMP_SORTIT, reinterpret_cast<WPARAM>(own), 0);
    return false;
}

static_assert((ES_RIGHT | ES_AUTOHSCROLL) == 0x82, "right aligned, scrolled");

CDNEditNum::CDNEditNum(HWND parent, int index, ControlDef* def)
    : CDNBase(parent, index, def), signes_(ReglaNumero::PerIdioma(Win::ajustos().Idioma()))
{
    className_ = "EDIT";
    style_ |= ES_RIGHT | ES_AUTOHSCROLL;
    width_ = MidesCDN::AmpleNumeric(width_);
    CreateControlWindow();
    Subclass(ctrl_);
    HFONT font = height_ <= 24 ? Win::ajustos().fontControlMitjana : Win::ajustos().fontControlGran;
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    SendMessageA(hwnd_, EM_LIMITTEXT, static_cast<WPARAM>(def->longVisible), 0);
    CreateLabel();
    // A fresh field shows 0 in its formatted form; the sign is allowed only afterwards.
    SetWindowTextA(hwnd_, "0");
    Validate();
    ctrl_.ambSigne = def->marca == 1;
}

CDNEditNum::~CDNEditNum()
{
    DestroyControlWindow();
}

int CDNEditNum::Formatat(std::string& s) const
{
    // The whole text, so that a longer value from the server is refused, not cut.
    s = Text();
    if (s == guardat_)
        return 0;
    const ReglaNumero::Format format{signes_, def_->decimales, def_->longMax, def_->longVisible, def_->variante != 0};
    return ReglaNumero::Formata(s, format);
}

int CDNEditNum::Validate()
{
    std::string s;
    const int r = Formatat(s);
    if (r != 2)
        return r;
    guardat_ = s;
    def_->valor = s;
    SetWindowTextA(hwnd_, s.c_str());
    return 2;
}

int CDNEditNum::GetValue(char* buffer, int length)
{
    if (!buffer || length <= 0)
        return 0;
    // An exchange may run before the field is left (the refresh timer, a function key): the
    // server gets what leaving it would show, or the text as shown when that would be refused
    // (never an older value than the one shown). The window and the kept text change only
    // when the field is left.
    std::string s;
    Formatat(s);
    return CopiaValor(ReglaNumero::PerServidor(s, signes_), buffer, length);
}

bool CDNEditNum::TextRefusat()
{
    std::string s;
    return !MostraRebut() && Formatat(s) == 1;
}

void CDNEditNum::SetValue(const char* text)
{
    SetWindowTextA(hwnd_, ReglaNumero::Rebut(text ? text : "", signes_).c_str());
    Validate();
    rebut_ = Text();
}

} // namespace Win
