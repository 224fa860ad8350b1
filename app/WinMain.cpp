// Program entry: start-up, the message loop and tear-down; Entrada catches and shows what
// escapes them.
#include "app/Configuracio.h"
#include "app/Entrada.h"
#include "app/FinestraInicial.h"
#include "framework/Accelerators.h"
#include "framework/Exception.h"
#include "framework/MarquesArrencada.h"
#include "framework/MsgBox.h"
#include "framework/MsgLoop.h"
#include "framework/WinClass.h"
#include "framework/WinMaker.h"
#include "resources/ResourceIds.h"
#include "screens/TopController.h"

#include <commctrl.h>

#include <cstdlib>
#include <exception>
#include <new>
#include <string>

static_assert(ICC_STANDARD_CLASSES == 0x4000, "standard control classes");

// Set while the current screen wants its typed characters offered to message filters.
unsigned char filtreCaracters = 0;

namespace {

void SinMemoria()
{
    throw Win::Exception("Out of memory", "");
}

[[noreturn]] void ExcepcionInesperada()
{
    Win::MsgBox::Show(nullptr, "Korvu", "Excepción inesperada", MB_ICONHAND);
    std::abort();
}

// The main window's one owner. Made after its controller, it goes first: the window never
// outlives the controller that its messages reach, whatever leaves the message loop.
class FinestraPrincipal {
public:
    explicit FinestraPrincipal(HWND hwnd) : hwnd_(hwnd) {}
    ~FinestraPrincipal()
    {
        if (hwnd_ && IsWindow(hwnd_)) {
            DestroyWindow(hwnd_);
            // The destroy handler asked the loop to end; no loop is left, and a waiting quit
            // message would close the error box that may follow at once.
            MSG msg;
            PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        }
    }
    FinestraPrincipal(const FinestraPrincipal&) = delete;
    FinestraPrincipal& operator=(const FinestraPrincipal&) = delete;
    HWND Get() const { return hwnd_; }

private:
    HWND hwnd_;
};

int Arrenca(HINSTANCE instance)
{
    configuracio.Carrega("korvuc.cfg");
    configuracio.EntregaAjustos();

    Win::WinClass classe("Korvuc", instance);
    classe.SetIcons(IDI_PROGRAM);
    classe.SetBgColor(244, 244, 244);
    classe.Register();

    Win::WinMaker maker("Korvuc", instance);
    maker.SetExStyle(WS_EX_STATICEDGE);
    maker.SetSize(400, 400);

    TopController controlador(&filtreCaracters);
    const std::string titol = "Quorvanta - ver. " + configuracio.versio;
    const FinestraPrincipal finestra(maker.Create(&controlador, titol.c_str()));
    const HWND principal = finestra.Get();
    Win::MarcaArrencada(Win::PuntArrencada::PantallaInici);

    const FinestraInicial f = FinestraInicial::Calcula(GetSystemMetrics(SM_CXMAXIMIZED),
                                                       GetSystemMetrics(SM_CYMAXIMIZED),
                                                       configuracio.autoLogin != 0);
    MoveWindow(principal, f.x, f.y, f.ample, f.alt, TRUE);
    ShowWindow(principal, SW_SHOWDEFAULT);
    Win::MarcaArrencada(Win::PuntArrencada::Mostrada);
    UpdateWindow(principal);
    Win::MarcaArrencada(Win::PuntArrencada::Pintada);
    controlador.FocoInicial();
    Win::MarcaArrencada(Win::PuntArrencada::Enfocada);

    Win::Accelerators acceleradors;
    Win::MsgLoop bucle(principal, acceleradors.Handle(), &filtreCaracters);
    Win::MarcaArrencada(Win::PuntArrencada::Bucle);
    return bucle.Run();
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    Win::MarcaArrencada(Win::PuntArrencada::Entrada);
    std::set_new_handler(SinMemoria);
    std::set_terminate(ExcepcionInesperada);

    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    return Entrada::Executa([instance] { return Arrenca(instance); });
}
