#include "screens/Vista.h"

#include "app/Configuracio.h"
#include "framework/BibliotequesSistema.h"
#include "framework/DispError.h"
#include "framework/ErrorBox.h"
#include "framework/ErrorSistema.h"
#include "framework/MsgBox.h"
#include "framework/controls/ControlBase.h"
#include "link/Camps.h"
#include "link/Comunicador.h"
#include "screens/Desplazamiento.h"
#include "screens/FabricaControl.h"
#include "screens/OrdreTabulacio.h"
#include "screens/PantallaInicio.h"

#include <commctrl.h>

#include <string>

static_assert(TTM_ACTIVATE == 0x401, "tooltip activation message");
static_assert(TTM_ADDTOOLA == 0x404, "tooltip registration message");
static_assert((TTF_IDISHWND | TTF_SUBCLASS) == 0x11, "tooltip flags");
#ifndef _WIN64
// The 32-bit client; the 64-bit test build has wider handles.
static_assert(sizeof(TOOLINFOA) == 48, "the tooltip record the tooltip window is given");
#endif

std::string Vista::paginaDemostracion = "https://www.quorvanta.com/";

void Vista::CreaPantalla()
{
    hwndPestanya = nullptr;
    campoAnterior = campoActual = campoDefecto = campoAFoco = -1;
    pestanya = 0;
    campoRefresco = campoListado = 0;

    if (hwndToolTips) {
        DestroyWindow(hwndToolTips);
        hwndToolTips = nullptr;
    }
    toolTipsPendientes = false;
    estatLlistat.columnes.clear();
    EnableScrollBar(hwnd, SB_BOTH, ESB_ENABLE_BOTH);

    AjustaDesplazamiento();

    int progreso = 0;
    try {
        const FabricaControl::Entorno entorno{hwnd, hwndToolTips, this};
        bool tira = false;
        for (int i = 0; i < NumCampos(); ++i) {
            ControlDef& d = campos[i];
            if (d.codigo == 24)
                campoRefresco = i;
            else if (d.codigo == 42)
                campoListado = i;
            if (d.tipo == 10 && tira)
                throw DispError("Error #ref 022, la pantalla sólo debe tener 1 pestaña");
            d.control = FabricaControl::Crea(entorno, i, d, progreso);
            if (d.tipo == 10) {
                tira = true;
                pestanya = -1;
                if (d.control)
                    hwndPestanya = d.control->Window();
            } else if (d.tipo == 5 && d.marcaPanel) {
                alFrente = 1;
            }
        }
    } catch (...) {
        throw DispError("Error #ref 041, error creando pantalla, punto:" + std::to_string(progreso));
    }

    // Nothing shows a tooltip before the mouse comes over the screen: its window and tools are
    // made then (AseguraToolTips), out of the time the screen takes to be ready.
    toolTipsPendientes = true;
    campoDefecto = OrdreTabulacio::CampoDefecto(campos);
}

void Vista::RatonSobrePantalla()
{
    // Moved again, the mouse pushes the tick back: the tooltips come when it rests.
    if (toolTipsPendientes)
        SetTimer(hwnd, kTemporizadorToolTips, USER_TIMER_MINIMUM, nullptr);
}

void Vista::AseguraToolTips()
{
    KillTimer(hwnd, kTemporizadorToolTips);
    if (!toolTipsPendientes)
        return;
    toolTipsPendientes = false;
    hwndToolTips = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
    if (!hwndToolTips)
        return;
    SendMessageA(hwndToolTips, TTM_ACTIVATE, TRUE, 0);
    SetToolTips();
    // The move that brought the mouse came before the tooltip window: it is handed over now.
    MSG movimiento = {};
    if (!GetCursorPos(&movimiento.pt))
        return;
    const HWND bajo = WindowFromPoint(movimiento.pt);
    if (!bajo || (bajo != hwnd && !IsChild(hwnd, bajo)))
        return;
    POINT p = movimiento.pt;
    ScreenToClient(bajo, &p);
    movimiento.hwnd = bajo;
    movimiento.message = WM_MOUSEMOVE;
    movimiento.lParam = MAKELPARAM(p.x, p.y);
    movimiento.time = GetMessageTime();
    SendMessageA(hwndToolTips, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&movimiento));
}

void Vista::AjustaDesplazamiento()
{
    try {
        if (idPantalla == kIdInicio || !comunicador)
            return;
        char texto[64];
        char codigo[2];
        GetCodedField(comunicador->trama + 50, texto, codigo, 12, sizeof texto);
        int x = 0, y = 0;
        if (!Desplazamiento::Lee(texto, x, y))
            return;
        Desplazamiento::Aplica(campos, x, y);
    } catch (...) {
        Win::ErrorBox::Show("Ha habido un error procesando desplazamiento pantalla:\nVista.AjustaDesplazamiento");
    }
}

void Vista::AjustaDesplazamiento(int dx, int dy)
{
    try {
        for (int i = 0; i < NumCampos(); ++i)
            if (campos[i].control)
                campos[i].control->Desplaza(dx, dy);
    } catch (...) {
        Win::ErrorBox::Show("Ha habido un error procesando desplazamiento pantalla:\nVista.AjustaDesplazamiento");
    }
}

int Vista::SetToolTips()
{
    const int n = static_cast<int>(campos.size());
    if (!hwndToolTips)
        return n;
    const bool desarrollo = configuracio.modeDesenvolupament != 0;
    // A fresh tooltip window (a new screen) has no tools to look up.
    const bool hayHerramientas = SendMessageA(hwndToolTips, TTM_GETTOOLCOUNT, 0, 0) > 0;
    for (int i = 0; i < NumCampos(); ++i) {
        const ControlDef& d = campos[i];
        if (!d.control || !d.control->Window())
            continue;
        TOOLINFOA ti = {};
        ti.cbSize = sizeof ti;
        ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        ti.hwnd = hwnd;
        ti.uId = reinterpret_cast<UINT_PTR>(d.control->Window());
        ti.hinst = GetModuleHandleA(nullptr);
        // The tooltip window keeps its own copy of the text.
        ti.lpszText = const_cast<char*>(desarrollo ? d.ayuda1.c_str() : d.ayuda2.c_str());
        // Registering a tool twice would pile entries up and keep showing the first text.
        TOOLINFOA registrada = ti;
        registrada.lpszText = nullptr;
        if (hayHerramientas && SendMessageA(hwndToolTips, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&registrada)))
            SendMessageA(hwndToolTips, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
        else
            SendMessageA(hwndToolTips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    }
    return n;
}

bool Vista::CreaPantallaInicio()
{
    try {
        idPantalla = kIdInicio;
        campoAnterior = campoActual = -1;
        BorraCampos();
        campos = PantallaInicio::Registros(escalaX, escalaY);
    } catch (...) {
        throw DispError("Error #ref 045, error creando pantalla de inicio ");
    }
    return true;
}

void Vista::RellenaInicio()
{
    if (campos.size() < PantallaInicio::kRegistros)
        return;
    const PantallaInicio::Login login{configuracio.usuario, configuracio.password, configuracio.empresa,
                                      configuracio.idioma, configuracio.AccesRemot()};
    bool poner = false;
    const std::string clave = PantallaInicio::Rellena(campos, login, poner);
    for (int i : {PantallaInicio::kLogo, PantallaInicio::kUsuario, PantallaInicio::kEmpresa,
                  PantallaInicio::kIdioma, PantallaInicio::kAcceso})
        if (campos[i].control)
            campos[i].control->SetValue(campos[i].valor.c_str());
    // Remote access comes from the configuration; the user is not offered the choice.
    if (Win::ControlBase* acceso = campos[PantallaInicio::kAcceso].control) {
        ShowWindow(acceso->Window(), SW_HIDE);
        if (acceso->LabelWindow())
            ShowWindow(acceso->LabelWindow(), SW_HIDE);
    }
    if (poner && campos[PantallaInicio::kClave].control)
        campos[PantallaInicio::kClave].control->SetValue(clave.c_str());
    campoDefecto = PantallaInicio::kClave;
}

bool Vista::ConfirmaSalida()
{
    if (Win::MsgBox::Show(hwnd, "Esta seguro que desea salir de KORVU?", "KORVU", MB_YESNO | MB_ICONINFORMATION) != IDYES)
        return false;
    if (PantallaInicio::EsDemostracion(configuracio.usuario, configuracio.empresa)) {
        SHELLEXECUTEINFOA info = {};
        info.cbSize = sizeof info;
        info.hwnd = hwnd;
        info.lpVerb = "open";
        info.lpFile = paginaDemostracion.c_str();
        info.nShow = SW_SHOWMAXIMIZED;
        if (!Win::ShellExecutaEx(info)) {
            const std::string texto = std::string("No se ha podido completar la acción: \n") + "\nError: " +
                                      Win::TextErrorSistema(GetLastError());
            Win::MsgBox::Show(nullptr, texto.c_str(), "Error", MB_ICONINFORMATION);
        }
    }
    return true;
}
