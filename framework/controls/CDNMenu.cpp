#include "framework/controls/CDNMenu.h"

#include "framework/Ajustos.h"
#include "framework/controls/CopiaValor.h"
#include "framework/controls/ControlDef.h"


namespace Win {

static_assert((WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_USERITEM) == 0x5000010A, "menu entry style");
static_assert(WS_EX_TRANSPARENT == 0x20, "menu entry extended style");

CDNMenu::CDNMenu(HWND parent, int index, ControlDef* def) : CDNBase(parent, index, def)
{
    className_ = "STATIC";
    style_ = WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_USERITEM;
    exStyle_ = WS_EX_TRANSPARENT;
    const int ample = def->x2 ? def->x2 - def->x1 : width_;
    const int alt = def->y2 ? def->y2 - def->y1 : GetSystemMetrics(SM_CXMAXIMIZED) > 1031 ? 16 : 14;
    height_ = static_cast<int>(alt * def->escalaY + 0.5);
    width_ = static_cast<int>(ample * def->escalaX + 0.5);
    CreateControlWindow();
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(Win::ajustos().fontControlMitjana), TRUE);
    Subclass(ctrl_);
    ctrl_.PosaRecursos(Win::ajustos().fontControlMitjana, Win::ajustos().fontSubratllada, Win::ajustos().bmpBandaMenu,
                       (height_ - 16) / 2);
    ParseItems(def->etiqueta);
}

CDNMenu::~CDNMenu()
{
    DestroyControlWindow();
}

int CDNMenu::GetValue(char* buffer, int length)
{
    CopiaValor(def_->valor, buffer, length);
    return length;
}

void CDNMenu::SetValue(const char* text)
{
    ParseItems(text ? text : "");
}

void CDNMenu::ParseItems(const std::string& text)
{
    ctrl_.PosaEntrada(text, EntradaMenu::Llegeix(text));
}

} // namespace Win
