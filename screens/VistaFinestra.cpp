#include "screens/Vista.h"

#include "app/Configuracio.h"
#include "framework/DcFinestra.h"
#include "framework/DcMemoria.h"
#include "framework/ErrorBox.h"
#include "framework/ErrorSistema.h"
#include "framework/MsgBox.h"
#include "framework/controls/CDNPest.h"
#include "framework/controls/ControlBase.h"
#include "link/Comunicador.h"
#include "screens/ColorsCamp.h"
#include "screens/MidaFinestra.h"

#include <string>

#ifndef CAPTUREBLT
#define CAPTUREBLT 0x40000000
#endif
static_assert((SRCCOPY | CAPTUREBLT) == 0x40CC0020, "background copy operation");
static_assert(MB_ICONINFORMATION == 0x40, "icon of the failed-copy message");

bool Vista::CentraVentana()
{
    if (!primeraVez)
        return true;
    const MidaFinestra m = MidaFinestra::Calcula(GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED));
    MoveWindow(hwnd, m.x, m.y, m.ancho, m.alto, TRUE);
    ShowWindow(hwnd, SW_SHOWDEFAULT);
    primeraVez = 0;
    return true;
}

void Vista::CanviaTitFinrestra()
{
    try {
        const std::string titulo = configuracio.empresa + " - " + configuracio.usuario + " - ver. " + configuracio.versio;
        SetWindowTextA(hwnd, titulo.c_str());
    } catch (...) {
        Win::ErrorBox::Show("Error intern:\nVista.CanviaTitFinrestra");
    }
}

namespace {

void InformaFondo(DWORD error)
{
    std::string texto = std::string("Error guardando fondo. \n") + "\nError: " + Win::TextErrorSistema(error);
    if (texto.size() > 299)
        texto.resize(299);
    Win::MsgBox::Show(nullptr, texto.c_str(), "Error", MB_ICONINFORMATION);
}

} // namespace

void Vista::GuardaFondo()
{
    // The snapshot before this one shows a screen that is going: whatever happens next, it is
    // never painted again.
    fondo.Allibera();
    if (!comunicador || comunicador->trama[1] != '1')
        return;
    if (!IsZoomed(hwnd))
        ShowWindow(hwnd, SW_SHOWDEFAULT);
    RECT r = {};
    if (!GetClientRect(hwnd, &r)) {
        InformaFondo(GetLastError());
        return;
    }
    const int ancho = r.right - r.left;
    const int alto = r.bottom - r.top;
    if (ancho <= 0 || alto <= 0)
        return;  // nothing to keep
    const Win::DcFinestra pantalla(hwnd);
    Win::DcMemoria memoria(pantalla.Get());
    Win::ObjecteGdi<HBITMAP> nuevo(pantalla ? CreateCompatibleBitmap(pantalla.Get(), ancho, alto) : nullptr);
    if (!nuevo || !memoria || !memoria.Selecciona(nuevo.Get())) {
        InformaFondo(GetLastError());
        return;
    }
    const BOOL copiado = BitBlt(memoria.Get(), 0, 0, ancho, alto, pantalla.Get(), 0, 0, SRCCOPY | CAPTUREBLT);
    const DWORD error = GetLastError();
    memoria.Restaura();
    if (!copiado) {
        // A half-made copy is no background either: it goes with its owner.
        InformaFondo(error);
        return;
    }
    fondo = std::move(nuevo);
}

bool Vista::PintaFondo(HDC dc)
{
    if (!fondo)
        return false;
    RECT r = {};
    GetClientRect(hwnd, &r);
    Win::DcMemoria memoria(dc);
    memoria.Selecciona(fondo.Get());
    BitBlt(dc, 0, 0, r.right - r.left, r.bottom - r.top, memoria.Get(), 0, 0, SRCCOPY);
    return true;
}

void Vista::SetEstatVista(int estat)
{
    ocupada = estat;
    if (estat == 1) {
        if (!hwnd || GetForegroundWindow() != hwnd)
            return;
        Pilot(9);
        LockWindowUpdate(hwnd);
        return;
    }
    if (repinta) {
        RECT r = {};
        GetClientRect(hwnd, &r);
        InvalidateRect(hwnd, &r, FALSE);
    }
    LockWindowUpdate(nullptr);
    // Idle leaves no mark: the dot's place is painted again from the window's background, as
    // the repaint after an exchange does anyway. A dot of the idle colour stayed only where no
    // repaint followed (a tab page shown), a stray grey spot at the window's edge.
    const RECT punt = {5, 540, 15, 550};
    if (hwnd)
        InvalidateRect(hwnd, &punt, TRUE);
}

void Vista::Pilot(int color)
{
    const Win::ObjecteGdi<HRGN> region(CreateEllipticRgn(5, 540, 15, 550));
    const Win::DcFinestra dc(hwnd);
    if (region && dc)
        FillRgn(dc.Get(), region.Get(), Brocha(color));
}

bool Vista::RepintaControl(HWND ventana)
{
    if (ocupada)
        return false;
    const int i = IndiceCampo(ventana);
    if (i == kMaxCamps || campos[i].tipo != 15)
        return false;
    InvalidateRect(ventana, nullptr, FALSE);
    return true;
}

Vista::Colores Vista::ColoresCampo(HWND ventana) const
{
    const int i = IndiceCampo(ventana);
    const ColorsCamp c = i == kMaxCamps ? ColorsCamp::PorDefecto()
                                         : ColorsCamp::De(campos[i].estilo, campos[i].estado, campos[i].tipo);
    const Colores colores = {paleta[c.fondo], paleta[c.texto], c.brocha < 0 ? nullptr : Brocha(c.brocha)};
    // A field on a tab page, or its label, that would take the window's colour stands on the
    // page: it takes the page's.
    const ColorsCamp finestra = ColorsCamp::PorDefecto();
    if (c.fondo != finestra.fondo || c.brocha != finestra.brocha)
        return colores;
    const int campo = i != kMaxCamps ? i : CampoDeEtiqueta(ventana);
    if (campo == kMaxCamps || campos[campo].pagina == 0 || campos[campo].tipo == 10)
        return colores;
    const int tira = IndiceCampo(hwndPestanya);
    const auto* pest = tira == kMaxCamps ? nullptr : dynamic_cast<const Win::CDNPest*>(campos[tira].control);
    if (!pest || !pest->BrochaPagina())
        return colores;
    return {pest->ColorPagina(), colores.texto, pest->BrochaPagina()};
}

int Vista::CampoDeEtiqueta(HWND ventana) const
{
    if (!ventana)
        return kMaxCamps;
    for (int i = 0; i < NumCampos(); ++i)
        if (campos[i].control && campos[i].control->LabelWindow() == ventana)
            return i;
    return kMaxCamps;
}

HBRUSH Vista::BrochaCampo(HWND ventana) const
{
    const int i = IndiceCampo(ventana);
    if (i == kMaxCamps || campos[i].tipo != 15)
        return nullptr;
    return campos[i].control->GetBackBrush();
}

bool Vista::IdSinPrefijoEs() const
{
    return idPantalla.compare(0, 2, "Es") != 0;
}
