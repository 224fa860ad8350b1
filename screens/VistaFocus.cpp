#include "screens/Vista.h"

#include "framework/MsgBox.h"
#include "framework/controls/ControlBase.h"
#include "screens/OrdreTabulacio.h"

#include <commctrl.h>


static_assert(TCM_SETCURSEL == 0x130C, "tab selection message");

int Vista::IndiceCampo(HWND ventana) const
{
    if (!ventana)
        return kMaxCamps;
    for (int i = 0; i < NumCampos(); ++i)
        if (campos[i].control && campos[i].control->Window() == ventana)
            return i;
    return kMaxCamps;
}

bool Vista::GuardaFocoActual(HWND ventana)
{
    const int i = IndiceCampo(ventana);
    if (i == kMaxCamps)
        return false;
    if (i != campoActual) {
        campoAnterior = campoActual;
        campoActual = i;
    }
    return true;
}

bool Vista::Focus(int i)
{
    if (i < 0 || i >= NumCampos() || !campos[i].control || !campos[i].control->Window())
        return false;
    SetFocus(campos[i].control->Window());
    // SetFocus ran the focus report, which may have run a whole exchange: read everything anew.
    if (!hwndPestanya || campoActual < 0 || campoActual >= NumCampos())
        return true;
    const int p = campos[campoActual].pagina;
    if (p != 0) {
        const int tira = IndiceCampo(hwndPestanya);
        int indice = 0;
        if (tira != kMaxCamps && OrdreTabulacio::TabDePagina(campos[tira], p, indice))
            MuestraPestanya(indice);
    } else if (pestanya == -1 || repinta) {
        MuestraPestanya(0);
    }
    return true;
}

bool Vista::FocusActual()
{
    campoAnterior = -1;
    if (campoActual == -1)
        return false;
    Focus(campoActual);
    return true;
}

bool Vista::FocusIni()
{
    if (campoAFoco != -1)
        return false;
    Focus(campoDefecto);
    return true;
}

bool Vista::FocusNou()
{
    campoAnterior = -1;
    if (campoAFoco == -1)
        return false;
    Focus(campoAFoco);
    return true;
}

bool Vista::FocusSeguent()
{
    if (campoActual < 0 || campoActual >= NumCampos())
        return false;
    const int destino = OrdreTabulacio::Siguiente(campos, campoActual);
    Focus(destino >= 0 ? destino : campoActual);
    return false;
}

bool Vista::FocusAnterior()
{
    if (campoActual < 0 || campoActual >= NumCampos())
        return false;
    const int destino = OrdreTabulacio::Anterior(campos, campoActual);
    Focus(destino >= 0 ? destino : campoActual);
    return false;
}

int Vista::ValidaCampo(HWND ventana)
{
    const int i = IndiceCampo(ventana);
    if (i == kMaxCamps)
        return 0;
    return campos[i].control->Validate();
}

void Vista::MuestraValorIncorrecto(HWND ventana)
{
    const int i = IndiceCampo(ventana);
    refusAvisat = ventana;
    textRefusAvisat = i == kMaxCamps ? std::string() : campos[i].control->Text();
    Win::MsgBox::Show(hwnd, "Valor incorrecto", "Error", MB_ICONEXCLAMATION);
}

int Vista::CampoRefusado() const
{
    for (int i = 0; i < NumCampos(); ++i) {
        const ControlDef& c = campos[i];
        // A read-only or hidden field goes back as shown: the user could not correct it.
        if (c.subtipo != 4 && c.estado == '0' && c.control && c.control->TextRefusat())
            return i;
    }
    return -1;
}

bool Vista::RefusaIntercanvi()
{
    const int i = CampoRefusado();
    if (i == -1) {
        refusAvisat = nullptr;
        textRefusAvisat.clear();
        return false;
    }
    const HWND ventana = campos[i].control->Window();
    if (ventana != refusAvisat || campos[i].control->Text() != textRefusAvisat)
        MuestraValorIncorrecto(ventana);
    Focus(i);
    return true;
}

bool Vista::ControlSortir()
{
    if (campoAnterior == -1 || campos.empty())
        return false;
    switch (OrdreTabulacio::AlSalir(campos, campoAnterior, campoActual)) {
    case OrdreTabulacio::kAhora:
        campoDisparo = campoAnterior;
        return true;
    case OrdreTabulacio::kPendiente:
        campoDisparo = campoAnterior;
        salidaPendiente = 1;
        return false;
    default:
        return false;
    }
}

bool Vista::DisparaCampoCodigo42()
{
    if (campoListado == 0)
        return false;
    campoDisparo = campoListado;
    return true;
}

int Vista::PrimerCampoPestanya(int indicePestanya)
{
    return OrdreTabulacio::PrimerCampoPagina(campos, campoActual, IndiceCampo(hwndPestanya), indicePestanya);
}

void Vista::MuestraPestanya(int indicePestanya)
{
    // Hiding the focused field hands the focus to the main window, which gives it back to the
    // current field: that focus change must not show the field's own page while this one is
    // being shown, or a page with nothing to focus could never be shown.
    if (!hwndPestanya || mostrantPestanya)
        return;
    const int tira = IndiceCampo(hwndPestanya);
    int p = 0;
    if (tira == kMaxCamps || !OrdreTabulacio::PaginaDeTab(campos[tira], indicePestanya, p))
        return;
    if (p == pestanya && !repinta)
        return;
    pestanya = p;
    // The tab shown is the one whose stored index was asked for, not a position from its page.
    SendMessageA(hwndPestanya, TCM_SETCURSEL, static_cast<WPARAM>(indicePestanya), 0);
    SetEstatVista(1);
    mostrantPestanya = true;
    for (int i = 0; i < NumCampos(); ++i) {
        const ControlDef& d = campos[i];
        if (!d.control)
            continue;
        const int visible = OrdreTabulacio::Visibilidad(d, p);
        if (visible < 0)
            continue;
        const int mostrar = visible ? SW_SHOW : SW_HIDE;
        ShowWindow(d.control->Window(), mostrar);
        if (d.control->LabelWindow())
            ShowWindow(d.control->LabelWindow(), mostrar);
    }
    mostrantPestanya = false;
    SetEstatVista(0);
}
