#include "screens/TopController.h"

#include "app/Configuracio.h"
#include "framework/BibliotequesSistema.h"
#include "framework/DispError.h"
#include "framework/EliminacioDiferida.h"
#include "framework/ErrorBox.h"
#include "framework/MarquesArrencada.h"
#include "framework/MissatgesPrivats.h"
#include "framework/PendingException.h"
#include "screens/EnllacAjuda.h"
#include "screens/Intercanvi.h"
#include "screens/Llancador.h"
#include "screens/Vista.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>

static_assert(EN_UPDATE == 1024, "edit update notification");
static_assert(static_cast<int>(TCN_SELCHANGE) == -551, "tab change notification");
static_assert(WM_QUIT == 0x12, "quit message");

namespace {

const char* const kErrorIntern = "Error interno:\nTopController.ProcessaTramesa, punto:";

// What one exchange does to this window, its view and its link.
class EntornFinestra : public Intercanvi::Entorn {
public:
    explicit EntornFinestra(TopController& t) : t_(t), v_(*t.vista), c_(t.comunicador) {}

    void ExcepcioPendent() override { Win::PendingException::Rethrow(); }
    bool PrenSemafor() override { return configuracio.EstatTransmissio(1); }
    void AlliberaSemafor() override { configuracio.EstatTransmissio(0); }
    void Ocupat(bool ocupat) override
    {
        v_.SetEstatVista(ocupat ? 1 : 0);
        if (ocupat)
            v_.repinta = 0;
    }
    int EstatConnexio() override { return c_.estat; }
    void EscriuInici() override { v_.EnviaInicio(); }
    bool Conecta(int intent) override { return c_.Conecta(intent); }
    void ObtenIpDinamica() override { c_.ObtenIpDinamica(); }
    void GuardaServidor() override { c_.GuardaServidor(); }
    bool EscriuValors() override { return v_.PreparaMisOut(); }
    void Transmet(int kind) override { c_.Transmit(kind, 0); }
    char* Text() override { return c_.trama; }
    int LongitudRebuda() override { return c_.longitudTrama - Trama::kCapcalera; }
    void Ordre(int codi) override { v_.OrdreServidor(codi); }
    void ActualizaPantallas(const std::string& id, int mode) override { v_.ActualizaPantallas(id, mode); }
    bool Actualiza(const std::string& missatge) override { return t_.Actualiza(missatge); }
    std::string PantallaActual() override { return v_.idPantalla; }
    void EsborraPendent() override { v_.salidaPendiente = 0; }
    void GuardaFondo() override { v_.GuardaFondo(); }
    bool LeePantalla(const std::string& id, int checksum) override { return v_.LeePantalla(id, checksum); }
    void CreaPantalla() override { v_.CreaPantalla(); }
    void CargaDatos() override
    {
        c_.IdPantalla();
        v_.CargaDatos();
    }
    void CentraVentana() override { v_.CentraVentana(); }
    void PantallaMostrada(bool mostrada) override { t_.pantallaMostrada = mostrada ? 1 : 0; }
    void AvisoSonoro() override { v_.AvisoSonoro(); }
    void FocusNou() override
    {
        v_.FocusNou();
        InvalidateRect(t_.Window(), nullptr, TRUE);
    }
    void PostQuit() override { PostQuitMessage(0); }
    void MostraError(const std::string& text) override { MuestraDispError(text); }

private:
    TopController& t_;
    Vista& v_;
    Comunicador& c_;
};

bool ObertaPerShell(HINSTANCE r)
{
    return reinterpret_cast<INT_PTR>(r) > 32;
}

} // namespace

TopController::TopController(unsigned char* filtreCaracters) : filtre(filtreCaracters)
{
}

TopController::~TopController() = default;

bool TopController::OnCreate(CREATESTRUCTA*)
{
    Win::MarcaArrencada(Win::PuntArrencada::Finestra);
    Win::ErrorBox::SetOwner(Window());
    try {
        char ruta[MAX_PATH] = {};
        configuracio.ComponRuta(ruta);
        ajudaBase = ruta;
        vista = std::make_unique<Vista>(Window(), &comunicador, filtre);
        vista->CreaPantallaInicio();
        vista->CreaPantalla();
        vista->RellenaInicio();
        vista->BorraTemporales();
        if (configuracio.autoLogin)
            ProcessaTramesa();
        vista->SetEstatVista(0);
        InvalidateRect(Window(), nullptr, TRUE);
        vista->IniciaTemporizador();
        return true;
    } catch (const DispError&) {
        throw;
    } catch (...) {
        throw DispError("Error #ref 001, cargando pantalla inicial");
    }
}

void TopController::FocoInicial()
{
    if (vista)
        vista->FocusIni();
}

bool TopController::OnDestroy()
{
    if (Win::ErrorBox::Owner() == Window())
        Win::ErrorBox::SetOwner(nullptr);
    comunicador.Cierra();
    PostQuitMessage(0);
    return true;
}

bool TopController::OnSetFocus(HWND)
{
    return vista ? vista->FocusActual() : false;
}

HBRUSH TopController::OnCtlColorStatic(HWND control, HDC dc)
{
    if (!vista)
        return nullptr;
    const Vista::Colores c = vista->ColoresCampo(control);
    if (!c.brocha)
        return nullptr;
    SetBkColor(dc, c.fondo);
    SetTextColor(dc, c.texto);
    return c.brocha;
}

HBRUSH TopController::OnCtlColorBtn(HWND control, HDC dc)
{
    return OnCtlColorStatic(control, dc);
}

HBRUSH TopController::OnCtlColorEdit(HWND control, HDC dc)
{
    if (!vista)
        return nullptr;
    if (HBRUSH b = vista->BrochaCampo(control)) {
        SetBkMode(dc, TRANSPARENT);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        return b;
    }
    if (GetFocus() == control) {
        SetBkColor(dc, vista->paleta[1]);
        return vista->Brocha(1);
    }
    const Vista::Colores c = vista->ColoresCampo(control);
    SetBkColor(dc, c.fondo);
    return c.brocha;
}

bool TopController::AccioAmbPendent(int i)
{
    if (vista->salidaPendiente) {
        if (!ProcessaTramesa())
            return false;
        // A new screen cleared the flag: the clicked field is gone with the old one.
        if (!vista->salidaPendiente)
            return false;
    }
    vista->salidaPendiente = 0;
    return AccionCampo(i);
}

bool TopController::OnCommand(int id, bool fromAccelerator)
{
    if (!fromAccelerator || !vista)
        return false;
    try {
        const int i = vista->TrataComando(id);
        if (i == Vista::kMaxCamps)
            return false;
        vista->Focus(i);
        return AccioAmbPendent(i);
    } catch (...) {
        throw DispError("Error #ref 260, cargando pantalla inicial");
    }
}

bool TopController::OnControl(HWND control, int, int code)
{
    if (!vista)
        return false;
    int punt = 0;
    try {
        if (code == EN_UPDATE) {
            punt = 1;
            vista->RepintaControl(control);
            return false;
        }
        if (code == 0 || code == 1) {
            punt = 6;
            return AccioAmbPendent(vista->IndiceCampo(control));
        }
        return false;
    } catch (...) {
        throw DispError("Error #ref 261, punto:" + std::to_string(punt));
    }
}

void TopController::TancaSiFallada()
{
    if (comunicador.estat == Comunicador::kFallada)
        Tanca();
}

void TopController::Tanca()
{
    // Every caller runs inside a handler, often a child's (a click on the tab strip or on a
    // button): the window goes once that handler has returned.
    tancant = true;
    Win::EliminacioDiferida::Destrueix(Window());
}

bool TopController::OnUserMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (!vista || vista->GetEstatVista() == 1) {
        if (msg == Win::WM_CAMP_FOCUS)
            *result = focoTramesa;
        return true;
    }
    switch (msg) {
    case Win::WM_CAMP_FOCUS:
        focoTramesa = 0;
        vista->GuardaFocoActual(reinterpret_cast<HWND>(lParam));
        if (pantallaMostrada == 1) {
            pantallaMostrada = 0;
            return true;
        }
        if (vista->ControlSortir()) {
            SetFocus(nullptr);
            ProcessaTramesa();
            TancaSiFallada();
            focoTramesa = 1;
            *result = 1;
        }
        return true;
    case Win::WM_CAMP_SEGUENT:
        vista->FocusSeguent();
        return true;
    case Win::WM_CAMP_SORTIT: {
        const HWND camp = reinterpret_cast<HWND>(wParam);
        if (vista->ValidaCampo(camp) == 1) {
            vista->MuestraValorIncorrecto(camp);
            InvalidateRect(camp, nullptr, TRUE);
        }
        return true;
    }
    case Win::WM_CAMP_ANTERIOR:
        vista->FocusAnterior();
        return true;
    case Win::WM_BOTO_ENTER:
        vista->salidaPendiente = 0;
        return AccionCampo(vista->IndiceCampo(reinterpret_cast<HWND>(wParam)));
    case Win::WM_LLISTAT_AVALL:
        if (vista->DisparaCampoCodigo42() && ProcessaTramesa())
            TancaSiFallada();
        return false;
    default:
        return false;
    }
}

bool TopController::OnTimer(WPARAM id, LPARAM)
{
    if (id == Vista::kTemporizadorToolTips) {
        if (vista)
            vista->AseguraToolTips();
        return true;
    }
    // A field holding a text it refuses waits for the user: the tick sends nothing and shows
    // no box, and the next tick asks again.
    if (vista && vista->DisparaCampoCodigo24() && vista->CampoRefusado() == -1 && ProcessaTramesa())
        TancaSiFallada();
    return true;
}

bool TopController::OnNotify(WPARAM, NMHDR* header)
{
    if (!vista || !header || header->code != static_cast<UINT>(TCN_SELCHANGE))
        return false;
    const int pagina = static_cast<int>(SendMessageA(header->hwndFrom, TCM_GETCURSEL, 0, 0));
    if (pagina == -1)
        return false;
    const int camp = vista->PrimerCampoPestanya(pagina);
    if (camp == -1)
        vista->MuestraPestanya(pagina);
    else
        vista->Focus(camp);
    return false;
}

bool TopController::OnEraseBkgnd(HDC dc)
{
    return vista ? vista->PintaFondo(dc) : false;
}

bool TopController::OnMouseMove(int x, int y, WPARAM)
{
    if (!configuracio.modeDesenvolupament || !vista)
        return true;
    POINT p = {x, y};
    ScreenToClient(Window(), &p);
    const int px = static_cast<int>(p.x / configuracio.escalaX);
    const int py = static_cast<int>(p.y / configuracio.escalaY);
    char text[48];
    std::snprintf(text, sizeof text, "X = %03d, Y = %03d", px, py + 19);
    if (HDC dc = GetDC(Window())) {
        SetBkMode(dc, OPAQUE);
        TextOutA(dc, static_cast<int>(690 * vista->escalaX + 0.5), static_cast<int>(535 * vista->escalaY + 0.5),
                 text, static_cast<int>(std::strlen(text)));
        ReleaseDC(Window(), dc);
    }
    return true;
}

bool TopController::OnSetCursor(HWND, int, int)
{
    if (vista)
        vista->RatonSobrePantalla();
    return false;
}

bool TopController::OnClose()
{
    if (!vista || !vista->ConfirmaSalida())
        return true;
    std::string carpeta = configuracio.DirDocuments();
    if (!carpeta.empty() && carpeta.back() != '\\')
        carpeta += '\\';
    WIN32_FIND_DATAA f;
    HANDLE cerca = FindFirstFileA((carpeta + "*.*").c_str(), &f);
    if (cerca != INVALID_HANDLE_VALUE) {
        do {
            // Only what a transfer stored read-only; the bare name is relative to the folder.
            if (f.dwFileAttributes == FILE_ATTRIBUTE_READONLY) {
                const std::string cami = carpeta + f.cFileName;
                SetFileAttributesA(cami.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(cami.c_str());
            }
        } while (FindNextFileA(cerca, &f));
        FindClose(cerca);
    }
    return false;
}

bool TopController::ProcessaTramesa()
{
    // Between a close and the window's end the link may already be failed and closed.
    if (!vista || tancant)
        return false;
    // A text that its field refuses never goes to the server, nor an older value in its place:
    // nothing is sent, and the server waits for the request the user sends once it is mended.
    if (vista->RefusaIntercanvi())
        return false;
    EntornFinestra entorn(*this);
    return Intercanvi::Executa(entorn);
}

bool TopController::Actualiza(const std::string& missatge)
{
    return Vista::ActualizaAplicacion(missatge);
}

bool TopController::AccionCampo(int i)
{
    const char* etapa = "1";
    try {
        const int tipus = vista->TipoAccionCampo(i);
        switch (tipus) {
        case 1:
            ProcessaTramesa();
            TancaSiFallada();
            return true;
        case 2: {
            etapa = "4";
            ajudaDesti = EnllacAjuda::Desti(vista->enlaceAyuda, ajudaBase, configuracio.idioma);
            if (ajudaDesti.empty())
                return false;
            if (PerLlancador())
                return LlancaAjuda(ajudaDesti);
            return ObertaPerShell(Win::ShellExecuta(nullptr, "open", ajudaDesti.c_str(), nullptr, nullptr, SW_MAXIMIZE));
        }
        case 3: {
            etapa = "5";
            const std::string arguments = configuracio.ArgumentsNovaInstancia();
            if (PerLlancador())
                return LlancaNovaInstancia(arguments);
            Win::ShellExecuta(nullptr, nullptr, configuracio.RutaPrograma().c_str(), arguments.c_str(), nullptr,
                              SW_SHOWDEFAULT);
            return true;
        }
        case 4:
            if (!ObertaPerShell(Win::ShellExecuta(nullptr, nullptr, configuracio.TecladoVirtual().c_str(), "",
                                                  nullptr, SW_SHOWNORMAL)))
                throw DispError("No se encuentra o no se ha especificado la ruta del teclado virtual, #ref 060");
            return true;
        case 9:
            Tanca();
            return true;
        default:
            return false;
        }
    } catch (const DispError& e) {
        Win::ErrorBox::Show(e.Texto());
        return false;
    } catch (...) {
        MuestraDispError(std::string(kErrorIntern) + etapa);
        return false;
    }
}
