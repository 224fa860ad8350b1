#include "framework/controls/CtrlNMenu.h"

#include "framework/Ajustos.h"
#include "framework/DcMemoria.h"
#include "framework/SeleccioGdi.h"

namespace Win {

void CtrlNMenu::PosaRecursos(HFONT normal, HFONT subratllada, HBITMAP banda, int iconaY)
{
    fontNormal_ = normal;
    fontSubratllada_ = subratllada;
    banda_ = banda;
    iconaY_ = iconaY;
}

void CtrlNMenu::PosaEntrada(const std::string& text, const EntradaMenu& entrada)
{
    if (!entrada.valida) {
        text_ = text;
        icona_ = nullptr;
        return;
    }
    text_ = entrada.text;
    iconaX_ = entrada.iconaX;
    switch (entrada.icona) {
    case EntradaMenu::Icona::Mes:
        icona_ = Win::ajustos().icoMes;
        break;
    case EntradaMenu::Icona::Menys:
        icona_ = Win::ajustos().icoMenys;
        break;
    case EntradaMenu::Icona::Entrada:
        icona_ = Win::ajustos().icoEntrada;
        break;
    default:
        icona_ = nullptr;
        break;
    }
}

bool CtrlNMenu::OnMouseMove(int, int, WPARAM)
{
    if (temporitzador_)
        return false;
    temporitzador_ = true;
    SetTimer(Window(), kTimer, kPeriode, nullptr);
    subratllat_ = true;
    InvalidateRect(Window(), nullptr, TRUE);
    return true;
}

bool CtrlNMenu::OnTimer(WPARAM, LPARAM)
{
    RECT finestra = {};
    GetWindowRect(Window(), &finestra);
    POINT cursor = {};
    GetCursorPos(&cursor);
    if (cursor.x >= finestra.left && cursor.x <= finestra.right && cursor.y >= finestra.top &&
        cursor.y <= finestra.bottom)
        return false;
    if (!temporitzador_)
        return false;
    temporitzador_ = false;
    KillTimer(Window(), kTimer);
    subratllat_ = false;
    InvalidateRect(Window(), nullptr, TRUE);
    return true;
}

bool CtrlNMenu::OnEraseBkgnd(HDC dc)
{
    RECT client = {};
    GetClientRect(Window(), &client);
    EstiraBitmap(dc, banda_, client.right, client.bottom);
    SetTextColor(dc, RGB(0x0A, 0x0A, 0x0A));
    SetBkMode(dc, TRANSPARENT);
    RECT text = client;
    if (iconaX_ > 0)
        text.left += 30 + iconaX_;
    {
        const SeleccioGdi font(dc, subratllat_ ? fontSubratllada_ : fontNormal_);
        if (font.Fet())
            DrawTextA(dc, text_.c_str(), static_cast<int>(text_.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    }
    if (icona_)
        DrawIconEx(dc, iconaX_, iconaY_, icona_, 26, 26, 0, nullptr, DI_NORMAL);
    return true;
}

} // namespace Win
