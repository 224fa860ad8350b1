#include "screens/Vista.h"

#include "app/Configuracio.h"
#include "framework/DispError.h"
#include "framework/EliminacioDiferida.h"
#include "framework/WndProc.h"
#include "framework/controls/ControlBase.h"
#include "link/Comunicador.h"
#include "screens/ColorsCamp.h"

#include <memory>
#include <utility>

namespace {

constexpr const char* kClaseFondo = "fons";

// A replaced screen's records with their controls: the controls go first (through their
// release hook and virtual destructor), while the records they point to still exist.
struct PantallaRetirada {
    std::vector<ControlDef> campos;

    ~PantallaRetirada()
    {
        for (ControlDef& d : campos) {
            if (!d.control)
                continue;
            Win::ControlBase* c = d.control;
            d.control = nullptr;
            c->Release();
            delete c;
        }
    }
};

} // namespace

Vista::Vista(HWND finestra, Comunicador* link, unsigned char* filtre)
    : fichPantallas("PANT1.DAT"), hwnd(finestra), comunicador(link), filtreCaracters(filtre)
{
    for (int i = 0; i < kColors; ++i) {
        paleta[i] = ColorsCamp::kPaleta[i];
        if (i != 2 && i != 11)
            brochas[i].Posa(CreateSolidBrush(paleta[i]));
    }

    WNDCLASSA clase = {};
    clase.lpfnWndProc = Win::DefProc;
    clase.hInstance = GetModuleHandleA(nullptr);
    clase.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    clase.lpszClassName = kClaseFondo;
    if (!RegisterClassA(&clase))
        throw DispError("Error #ref 020");

    escalaX = configuracio.escalaX;
    escalaY = configuracio.escalaY;
    recursos = LoadLibraryA("korvui01.dll");

    if (comunicador) {
        comunicador->hwndIndicador = hwnd;
        comunicador->brIndicadorActiu = Brocha(9);
        comunicador->brIndicadorInactiu = Brocha(4);
    }

    char dir[MAX_PATH + 1] = {};
    const DWORD n = GetCurrentDirectoryA(sizeof dir, dir);
    if (n > 0 && n < sizeof dir)
        dirTrabajo = dir;
    fichPantallas = dirTrabajo + "\\PANT1.DAT";
}

Vista::~Vista()
{
    // The link is not touched: its owner may have destroyed it already.
    BorraCampos();
    if (recursos)
        FreeLibrary(recursos);
    // Registered by this view for its own life, so that a later view can register it again.
    UnregisterClassA(kClaseFondo, GetModuleHandleA(nullptr));
}

void Vista::BorraCampos()
{
    // The tooltips go with the screen's controls: while their windows still exist the tooltip
    // window lets go of them at once, and they point at no window afterwards.
    if (hwndToolTips) {
        DestroyWindow(hwndToolTips);
        hwndToolTips = nullptr;
    }
    toolTipsPendientes = false;
    auto retirada = std::make_shared<PantallaRetirada>();
    // Swapping keeps the records where they are: the controls still point to them.
    retirada->campos.swap(campos);
    campos.clear();
    if (Win::EliminacioDiferida::DinsManejador()) {
        for (const ControlDef& d : retirada->campos) {
            if (!d.control)
                continue;
            ShowWindow(d.control->Window(), SW_HIDE);
            if (d.control->LabelWindow())
                ShowWindow(d.control->LabelWindow(), SW_HIDE);
        }
    }
    Win::EliminacioDiferida::Elimina(std::move(retirada));
}

HBRUSH Vista::Brocha(int n) const
{
    return n >= 0 && n < kColors ? brochas[n].Get() : nullptr;
}

int Vista::TipoAccionCampo(int i)
{
    if (i < 0 || i >= static_cast<int>(campos.size()) || i >= kMaxCamps)
        return 0;
    ControlDef& d = campos[i];
    switch (d.subtipo) {
    case 8: return 3;
    case 5: enlaceAyuda = d.valor; return 2;
    case 12: return 4;
    default: break;
    }
    if (d.tipo == 12)
        PaginaListado(d.imagen);
    if (d.accion == 1) {
        switch (d.tipo) {
        case 1: case 2: case 7: case 8: case 9: case 11: case 13: case 14:
            campoDisparo = i;
            return 1;
        case 4:
            if (d.subtipo == 11) {
                campoDisparo = i;
                return 1;
            }
            return 0;
        default: return 0;
        }
    }
    if (d.accion == 9 && (d.tipo == 2 || d.tipo == 7)) {
        campoDisparo = i;
        return 9;
    }
    return 0;
}
