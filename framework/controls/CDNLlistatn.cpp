#include "framework/controls/CDNLlistatn.h"

#include "framework/Ajustos.h"
#include "framework/DcMemoria.h"
#include "framework/DispError.h"
#include "framework/MissatgesPrivats.h"
#include "framework/ObjecteGdi.h"
#include "framework/controls/CopiaValor.h"
#include "framework/SeleccioGdi.h"
#include "framework/controls/ControlDef.h"

#include <algorithm>

namespace Win {

namespace {

static_assert((WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_USERITEM) == 0x5000010A, "listing style");
static_assert(WS_EX_TRANSPARENT == 0x20, "listing extended style");
static_assert(VK_DOWN == 0x28 && WM_LLISTAT_AVALL == 0x406, "Down arrow asks for the code-42 field");

HFONT FontDe(int tipus)
{
    switch (tipus) {
    case 0:
        return Win::ajustos().fontControl;
    case 2:
        return Win::ajustos().fontLlista;
    case 3:
        return Win::ajustos().fontControlGran;
    case 4:
        return Win::ajustos().fontFixa;
    case 7:
        return Win::ajustos().fontFixaPetita;
    default:
        return Win::ajustos().fontControlMitjana;
    }
}

} // namespace

bool CDNLlistatn::CtrlNLlistatn::OnMouseMove(int x, int y, WPARAM keys)
{
    if (!(keys & MK_LBUTTON))
        return false;
    dx_ = x - ultimX_;
    dy_ = y - ultimY_;
    arrossegat_ = true;
    if (desplacador_)
        desplacador_->AjustaDesplazamiento(dx_, dy_);
    ultimX_ = x;
    ultimY_ = y;
    return true;
}

bool CDNLlistatn::CtrlNLlistatn::OnLButtonDown(int x, int y, WPARAM)
{
    ultimX_ = x;
    ultimY_ = y;
    estat_->clicX = x;
    return false; // the window reports the click to the screen
}

bool CDNLlistatn::CtrlNLlistatn::OnKeyDown(WPARAM key, LPARAM)
{
    if (key != VK_DOWN)
        return false;
    const HWND own = Window();
    SendMessageA(GetParent(own), WM_LLISTAT_AVALL, reinterpret_cast<WPARAM>(own), 0);
    return true;
}

bool CDNLlistatn::CtrlNLlistatn::OnEraseBkgnd(HDC dc)
{
    RECT client = {};
    GetClientRect(Window(), &client);
    EstiraBitmap(dc, franja_, client.right, client.bottom);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colorText_);
    const ObjecteGdi<HPEN> llapis(CreatePen(PS_SOLID, 1, colorLinia_));
    const SeleccioGdi ambLlapis(dc, llapis.Get());
    const SeleccioGdi ambFont(dc, font_);
    if (!ambFont.Fet())
        return true;

    const int graella = def_->variante;
    for (const EstatLlistat::Tros& t : estat_->Disposa(liniaPintada_, def_->reservado, client.right, graella)) {
        if (t.liniaVertical) {
            MoveToEx(dc, t.esquerra - 4, client.top, nullptr);
            LineTo(dc, t.esquerra - 4, client.bottom);
        }
        RECT r = {t.esquerra, client.top, t.dreta, client.bottom};
        // Data, not captions: an "&" is shown, not taken as a mnemonic.
        const UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (t.alDreta ? DT_RIGHT : DT_LEFT);
        DrawTextA(dc, t.text.c_str(), static_cast<int>(t.text.size()), &r, format);
        if (t.subratllat) {
            MoveToEx(dc, t.esquerra - 2, client.bottom - 2, nullptr);
            LineTo(dc, t.dreta + 2, client.bottom - 2);
        }
    }
    return true;
}

CDNLlistatn::CDNLlistatn(HWND parent, int index, ControlDef* def, EstatLlistat& estat, Desplacador* desplacador)
    : CDNBase(parent, index, def), estat_(estat)
{
    ctrl_.def_ = def;
    ctrl_.estat_ = &estat;
    ctrl_.desplacador_ = desplacador;
    AplicaColors();

    className_ = "STATIC";
    style_ = WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_USERITEM;
    exStyle_ = WS_EX_TRANSPARENT;
    const EstatLlistat::Lletra lletra = EstatLlistat::LletraDe(def->opcion, def->longVisible, Win::ajustos().escalaX);
    const HFONT font = FontDe(lletra.tipus);
    def->reservado = lletra.pixelsCaracter;
    const int ample = def->x2 ? def->x2 - def->x1 : lletra.ample;
    const int alt = def->y2 ? def->y2 - def->y1 : lletra.alt;
    height_ = static_cast<int>(alt * def->escalaY + 0.5);
    width_ = static_cast<int>(ample * def->escalaX + 0.5);
    try {
        CreateControlWindow();
    } catch (const char*) {
        throw "Internal error: Control Statuc, la creación a fallado.";
    }
    Subclass(ctrl_);
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    ctrl_.font_ = font;
    SetWindowTextA(hwnd_, def->etiqueta.c_str());

    RECT r = {};
    GetWindowRect(hwnd_, &r);
    if (lletra.pixelsCaracter > 0)
        estat_.ampleVisible = static_cast<int>((r.right - r.left) / lletra.pixelsCaracter);
    ShowWindow(hwnd_, SW_HIDE);
    ShowWindow(hwnd_, SW_SHOW);
}

CDNLlistatn::~CDNLlistatn()
{
    DestroyControlWindow();
}

int CDNLlistatn::GetValue(char* buffer, int length)
{
    // Bounded by the caller's buffer as well as by the largest value.
    CopiaValor(def_->valor, buffer, length);
    estat_.TriaColumna();
    return static_cast<int>(def_->valor.size());
}

void CDNLlistatn::SetValue(const char* text)
{
    try {
        if (def_->tipo == 11)
            DefineixColumnes(text ? text : "");
        else
            PosaText(text);
        AplicaColors();
        Clear();
    } catch (const DispError&) {
        SetWindowTextA(hwnd_, "---"); // the field shows it failed; the screen goes on
    } catch (...) {
        throw DispError("Error\tinterno\t#ref 050");
    }
}

void CDNLlistatn::DefineixColumnes(const std::string& text)
{
    switch (estat_.DefineixColumnes(text, linia_)) {
    case EstatLlistat::Resultat::LletraDolenta:
        SetWindowTextA(hwnd_, "---");
        break;
    case EstatLlistat::Resultat::SensePuntIComa:
        throw DispError("Error\tinterno\t#ref 046");
    default:
        break;
    }
}

void CDNLlistatn::PosaText(const char* text)
{
    // A copy: the record's value stays what the server sent.
    try {
        linia_ = EstatLlistat::NetejaFila(text);
    } catch (...) {
        throw DispError("Error\tinterno\t#ref 051");
    }
}

void CDNLlistatn::Clear()
{
    if (estat_.columnes.empty())
        return;
    AplicaColors();
    ctrl_.liniaPintada_ = linia_;
    if (ctrl_.liniaPintada_ == " ")
        ctrl_.liniaPintada_.append(static_cast<std::size_t>(std::max(estat_.llargCapcalera, 0)), ' ');
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void CDNLlistatn::AplicaColors()
{
    switch (def_->estilo & 0xFF) {
    case 50:
        ctrl_.colorText_ = RGB(0, 0, 0);
        ctrl_.colorLinia_ = RGB(0xC8, 0xC8, 0xC8);
        ctrl_.franja_ = Win::ajustos().bmpCapLlista50;
        break;
    case 53:
        ctrl_.colorText_ = RGB(0xFF, 0xFF, 0xFF);
        ctrl_.colorLinia_ = RGB(0x96, 0x96, 0x96);
        ctrl_.franja_ = Win::ajustos().bmpCapLlista53;
        break;
    case 150:
    case 151:
        ctrl_.colorText_ = RGB(0xFF, 0xFF, 0xFF);
        ctrl_.colorLinia_ = RGB(0xC8, 0xC8, 0xC8);
        ctrl_.franja_ = Win::ajustos().bmpCapLlista150;
        break;
    default:
        ctrl_.colorText_ = RGB(0, 0, 0);
        ctrl_.colorLinia_ = RGB(0xC8, 0xC8, 0xC8);
        ctrl_.franja_ = Win::ajustos().bmpCapLlista;
        break;
    }
}

} // namespace Win
