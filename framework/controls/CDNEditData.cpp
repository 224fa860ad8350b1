#include "framework/controls/CDNEditData.h"

#include "framework/Ajustos.h"
#include "framework/MissatgesPrivats.h"
#include "framework/controls/MidesCDN.h"
#include "framework/controls/ReglaData.h"
#include "framework/controls/ControlDef.h"
#include "framework/controls/CopiaValor.h"

namespace Win {

bool CDNEditData::CtrlNEditData::OnChar(WPARAM character, LPARAM keyData)
{
    if (EsMesNumeric(keyData))
        return true;
    if (character < ' ')
        return false;  // backspace and the editing shortcuts
    return !((character >= '0' && character <= '9') || character == '.' || character == '/');
}

bool CDNEditData::CtrlNEditData::OnKillFocus(HWND)
{
    const HWND own = Window();
    SendMessageA(GetParent(own), WM_CAMP_SORTIT, reinterpret_cast<WPARAM>(own), 0);
    return false;
}

static_assert(ES_RIGHT == 0x2, "right aligned");

CDNEditData::CDNEditData(HWND parent, int index, ControlDef* def) : CDNBase(parent, index, def)
{
    className_ = "EDIT";
    style_ |= ES_RIGHT;
    width_ = MidesCDN::AmpleData(height_, Win::ajustos().escalaX);
    CreateControlWindow();
    HFONT font = height_ < 25 ? Win::ajustos().fontControlMitjana : Win::ajustos().fontControlGran;
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    Subclass(ctrl_);
    SendMessageA(hwnd_, EM_LIMITTEXT, static_cast<WPARAM>(def->longVisible), 0);
    CreateLabel();
    SetWindowTextA(hwnd_, "");
}

CDNEditData::~CDNEditData()
{
    DestroyControlWindow();
}

int CDNEditData::Validate()
{
    // The whole text: a date written back is 10 characters, more than a short field's limit.
    const ReglaData::Resultat r = ReglaData::Valida(Text(), guardat_);
    if (r.escriu)
        SetWindowTextA(hwnd_, guardat_.c_str());
    return r.codi;
}

int CDNEditData::GetValue(char* buffer, int length)
{
    if (!buffer || length <= 0)
        return 0;
    // As the numeric field: before the field is left the server gets the date leaving it would
    // show, or the text as shown when leaving would refuse it; the window changes only on leaving.
    std::string valor;
    ReglaData::PerServidor(Text(), guardat_, valor);
    return CopiaValor(valor, buffer, length);
}

bool CDNEditData::TextRefusat()
{
    std::string valor;
    return !MostraRebut() && !ReglaData::PerServidor(Text(), guardat_, valor);
}

} // namespace Win
