// The main window's controller itself, on a window of its own: what it does with the field
// controllers' messages, a tab click and a click on a button.
#include "app/Configuracio.h"
#include "framework/DcFinestra.h"
#include "framework/EliminacioDiferida.h"
#include "framework/MissatgesPrivats.h"
#include "framework/MsgLoop.h"
#include "framework/WinMaker.h"
#include "framework/controls/ControlBase.h"
#include "screens/TopController.h"
#include "screens/Vista.h"
#include "tests/screens/CampProva.h"
#include "tests/screens/ToolTipsProva.h"
#include "tests/framework/MsgBoxRecorder.h"
#include "tests/framework/TestWindow.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

using prova::Campo;

namespace {


// The real controller; a test may add a step after its handling of a private message.
class TopProva : public TopController {
public:
    std::function<void(UINT)> despres;
    bool OnUserMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override
    {
        const bool r = TopController::OnUserMessage(msg, wp, lp, result);
        if (despres)
            despres(msg);
        return r;
    }
};

// Watches a control's own procedure: how deep its mouse-button messages are (the tab strip's
// WM_LBUTTONDOWN, a button's WM_LBUTTONUP), and whether the window went while one was still
// running.
struct EspiaFinestra {
    static WNDPROC anterior;
    static int dins;
    static bool destruidaDins;
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
    {
        if (msg == WM_NCDESTROY && dins > 0)
            destruidaDins = true;
        if (msg != WM_LBUTTONDOWN && msg != WM_LBUTTONUP)
            return CallWindowProcA(anterior, hwnd, msg, wp, lp);
        ++dins;
        const LRESULT r = CallWindowProcA(anterior, hwnd, msg, wp, lp);
        --dins;
        return r;
    }
    static void Instala(HWND w)
    {
        dins = 0;
        destruidaDins = false;
        anterior = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EspiaFinestra::Proc)));
    }
};
WNDPROC EspiaFinestra::anterior = nullptr;
int EspiaFinestra::dins = 0;
bool EspiaFinestra::destruidaDins = false;

std::string Texto(HWND w)
{
    char t[64] = {};
    GetWindowTextA(w, t, sizeof t);
    return t;
}

// Hands out what is queued, as the program's loop does.
void Bombeja()
{
    Win::MsgLoop(nullptr, nullptr).Pump();
}

// A click on tab `tab`, queued as the user's would be.
void ClicaPestanya(HWND tira, int tab)
{
    RECT r = {};
    SendMessageA(tira, TCM_GETITEMRECT, tab, reinterpret_cast<LPARAM>(&r));
    const LPARAM punt = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PostMessageA(tira, WM_LBUTTONDOWN, MK_LBUTTON, punt);
    PostMessageA(tira, WM_LBUTTONUP, 0, punt);
    Bombeja();
}

// A click in the middle of a control, queued as the user's would be.
void Clica(HWND control)
{
    RECT r = {};
    GetClientRect(control, &r);
    const LPARAM punt = MAKELPARAM(r.right / 2, r.bottom / 2);
    PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, punt);
    PostMessageA(control, WM_LBUTTONUP, 0, punt);
    Bombeja();
}

class TopControllerProva : public testing::Test {
protected:
    void SetUp() override
    {
        configuracio.escalaX = configuracio.escalaY = 1.0;
        configuracio.modeDesenvolupament = 0;
        configuracio.autoLogin = 0;
        configuracio.intermens = 0;
        // Held here: an exchange started by the controller gives up at once, as it does while
        // another one runs.
        semaforAnterior = configuracio.semafor;
        configuracio.semafor = CreateSemaphoreA(nullptr, 0, 1, nullptr);
        Win::WinMaker maker(TestClassName(), GetModuleHandleA(nullptr));
        maker.SetSize(640, 640);  // room for the busy dot at the bottom left
        principal = maker.Create(&top, "prova");
        ASSERT_NE(principal, nullptr);
        ShowWindow(principal, SW_SHOW);
        SetForegroundWindow(principal);
        Bombeja();
        vista = top.vista.get();
        ASSERT_NE(vista, nullptr);
    }
    void TearDown() override
    {
        top.despres = nullptr;
        if (IsWindow(principal))
            DestroyWindow(principal);
        // The destroy handler asked a loop to end that no test runs.
        MSG msg;
        while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        CloseHandle(configuracio.semafor);
        configuracio.semafor = semaforAnterior;
        EXPECT_TRUE(caixes.Boxes().empty()) << caixes.Boxes().front().text;
    }

    // The screen of `campos` in place of the one shown, as an exchange builds it.
    void Pantalla(std::vector<ControlDef> campos)
    {
        vista->BorraCampos();
        vista->campos = std::move(campos);
        vista->CreaPantalla();
        vista->SetEstatVista(0);
    }

    HWND Ventana(int i) const { return vista->campos[i].control ? vista->campos[i].control->Window() : nullptr; }

    MsgBoxRecorder caixes;  // no box may wait for a user here
    TopProva top;
    HWND principal = nullptr;
    Vista* vista = nullptr;
    HANDLE semaforAnterior = nullptr;
};

// Two text fields, the first sending its value when left, and a button that closes the window.
std::vector<ControlDef> CampsIBoto()
{
    std::vector<ControlDef> c = {Campo(0, 1, 1, 10, 10), Campo(0, 1, 2, 10, 40), Campo(2, 4, 3, 10, 70)};
    c[0].accion = 1;
    c[2].accion = 9;
    c[2].etiqueta = "Salir";
    return c;
}

} // namespace

TEST_F(TopControllerProva, WhileBusyTheFieldsMessagesAreSwallowed)
{
    Pantalla(CampsIBoto());
    vista->campos[0].accion = 0;  // leaving it asks for nothing
    vista->Focus(0);
    ASSERT_EQ(vista->campoActual, 0);
    const HWND boto = Ventana(2);

    vista->SetEstatVista(1);
    SendMessageA(principal, Win::WM_CAMP_SEGUENT, 0, 0);
    EXPECT_EQ(GetFocus(), Ventana(0));
    SendMessageA(principal, Win::WM_CAMP_FOCUS, 0, reinterpret_cast<LPARAM>(Ventana(1)));
    EXPECT_EQ(vista->campoActual, 0);
    SendMessageA(principal, Win::WM_BOTO_ENTER, reinterpret_cast<WPARAM>(boto), 0);
    EXPECT_TRUE(IsWindow(principal));

    // The same messages once the view is idle.
    vista->SetEstatVista(0);
    SendMessageA(principal, Win::WM_CAMP_SEGUENT, 0, 0);
    EXPECT_EQ(GetFocus(), Ventana(1));
    EXPECT_EQ(vista->campoActual, 1);
    SendMessageA(principal, Win::WM_BOTO_ENTER, reinterpret_cast<WPARAM>(boto), 0);
    EXPECT_FALSE(IsWindow(principal));
}

TEST_F(TopControllerProva, TheFirstFocusAfterANewScreenStartsNoExchange)
{
    Pantalla(CampsIBoto());
    vista->Focus(0);

    // Leaving field 0 for a text field asks for an exchange, but this focus came with the screen.
    top.pantallaMostrada = 1;
    vista->Focus(1);
    EXPECT_EQ(top.pantallaMostrada, 0);
    EXPECT_EQ(GetFocus(), Ventana(1));
    EXPECT_EQ(vista->campoActual, 1);

    // The next time field 0 is left the exchange starts (and gives up: it is not its turn). The
    // focus report, as field 1 sends it, answers whether an exchange ran.
    const auto informa = [&](int perdut, int camp) {
        return SendMessageA(principal, Win::WM_CAMP_FOCUS, reinterpret_cast<WPARAM>(Ventana(perdut)),
                            reinterpret_cast<LPARAM>(Ventana(camp)));
    };
    EXPECT_EQ(informa(1, 0), 0);
    EXPECT_EQ(informa(0, 1), 1);
    EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(TopControllerProva, APendingLeaveFieldExchangeThatFailsRunsNoButtonAction)
{
    Pantalla(CampsIBoto());
    vista->Focus(0);
    // Left for the button: the exchange waits for the button's activation.
    vista->Focus(2);
    ASSERT_EQ(vista->salidaPendiente, 1);
    const HWND boto = Ventana(2);
    const WPARAM clic = MAKEWPARAM(GetDlgCtrlID(boto), BN_CLICKED);

    SendMessageA(principal, WM_COMMAND, clic, reinterpret_cast<LPARAM>(boto));
    EXPECT_TRUE(IsWindow(principal));
    EXPECT_EQ(vista->salidaPendiente, 1);

    // Enter on the button drops the pending exchange and runs the action.
    SendMessageA(principal, Win::WM_BOTO_ENTER, reinterpret_cast<WPARAM>(boto), 0);
    EXPECT_FALSE(IsWindow(principal));
}

TEST_F(TopControllerProva, AClickWithNothingPendingRunsTheButtonAction)
{
    Pantalla(CampsIBoto());
    vista->Focus(1);
    vista->Focus(2);
    ASSERT_EQ(vista->salidaPendiente, 0);
    const HWND boto = Ventana(2);
    SendMessageA(principal, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(boto), BN_CLICKED), reinterpret_cast<LPARAM>(boto));
    EXPECT_FALSE(IsWindow(principal));
}

// The button that closes the window closes it after its own click has been handled.
TEST_F(TopControllerProva, TheCloseButtonOutlivesItsClick)
{
    Pantalla(CampsIBoto());
    vista->Focus(1);
    const HWND boto = Ventana(2);
    EspiaFinestra::Instala(boto);
    Clica(boto);
    EXPECT_FALSE(EspiaFinestra::destruidaDins);
    EXPECT_EQ(EspiaFinestra::dins, 0);
    EXPECT_FALSE(IsWindow(principal));
}

// What the system sends a window when the mouse moves over it.
void RatoliSobre(HWND w)
{
    SendMessageA(w, WM_SETCURSOR, reinterpret_cast<WPARAM>(w), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

// Hands out what comes, as the program's loop does, until the view has its tooltips; false when
// they have not come after some seconds.
bool EsperaToolTips(const Vista* vista)
{
    for (int i = 0; i < 500 && !vista->hwndToolTips; ++i) {
        Sleep(10);
        Bombeja();
    }
    return vista->hwndToolTips != nullptr;
}

// A screen's tooltips are made once the mouse has come over the window, whichever control it is
// over (every control passes the message on to the main window), on their timer's tick. They
// then hold every tool with the text of the mode of that moment, which the developer switch may
// have changed before.
TEST_F(TopControllerProva, TooltipsAreMadeWhenTheMouseFirstComesOverTheScreen)
{
    const int clases[][2] = {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {1, 6}, {2, 4}, {3, 1}, {4, 4}, {5, 4}, {6, 1},
                             {7, 1}, {8, 1}, {9, 1}, {10, 1}, {11, 1}, {12, 4}, {13, 7}, {14, 1}, {15, 1}};
    for (const auto& c : clases) {
        SCOPED_TRACE(std::to_string(c[0]) + "/" + std::to_string(c[1]));
        std::vector<ControlDef> campos = {Campo(c[0], c[1], 10, 20, 20), Campo(0, 1, 11, 20, 300)};
        campos[0].ayuda1 = "d0";
        campos[0].ayuda2 = "u0";
        campos[1].ayuda2 = "u1";
        Pantalla(campos);
        ASSERT_NE(Ventana(0), nullptr);
        EXPECT_EQ(vista->hwndToolTips, nullptr);

        RatoliSobre(Ventana(0));
        ASSERT_TRUE(EsperaToolTips(vista));
        const HWND tooltips = vista->hwndToolTips;
        EXPECT_EQ(SendMessageA(tooltips, TTM_GETTOOLCOUNT, 0, 0), 2);
        EXPECT_EQ(TextoHerramienta(tooltips, principal, Ventana(0)), "u0");
        EXPECT_EQ(TextoHerramienta(tooltips, principal, Ventana(1)), "u1");
        RatoliSobre(Ventana(1));
        Bombeja();
        EXPECT_EQ(vista->hwndToolTips, tooltips) << "made once for the screen";
        EXPECT_EQ(SendMessageA(tooltips, TTM_GETTOOLCOUNT, 0, 0), 2);
    }

    // The switch before the mouse came: the tools take the text of the new mode.
    configuracio.desenvolupamentPermes = 1;
    Pantalla({Campo(2, 4, 10, 20, 20)});
    vista->campos[0].ayuda1 = "d0";
    vista->TrataComando(16);
    RatoliSobre(principal);
    ASSERT_TRUE(EsperaToolTips(vista));
    EXPECT_EQ(TextoHerramienta(vista->hwndToolTips, principal, Ventana(0)), "d0");
    configuracio.modeDesenvolupament = 0;
    configuracio.desenvolupamentPermes = 0;
}

// An amount with four integer digits, the screen's refresh field and a button on F5 that asks
// the server. The exchange itself gives up here (the semaphore is held): what shows is whether
// the controller let a refused text get that far.
TEST_F(TopControllerProva, ARefusedTextStopsTheExchangeAndTheTimerShowsNoBox)
{
    std::vector<ControlDef> c = {Campo(0, 0, 1, 10, 10), Campo(0, 1, 2, 10, 40), Campo(2, 4, 3, 10, 70)};
    c[0].longMax = 6;
    c[0].decimales = 2;
    c[1].codigo = 24;
    c[2].accion = 1;
    c[2].tecla = 5;
    const std::string idioma = configuracio.idioma;
    configuracio.idioma = "Es";
    Pantalla(std::move(c));
    const HWND importe = Ventana(0);
    vista->Focus(0);
    MsgBoxRecorder cajas;

    // Half typed, not left: a tick sends nothing and asks nothing of the user.
    SetWindowTextA(importe, "12345");
    SendMessageA(principal, WM_TIMER, Vista::kTemporizador, 0);
    EXPECT_TRUE(cajas.Boxes().empty());
    EXPECT_EQ(GetFocus(), importe);

    // F5 leaves the field, which shows its box; the exchange then goes nowhere and asks again
    // for nothing: the field has the focus back, as typed.
    SendMessageA(principal, WM_COMMAND, MAKEWPARAM(5, 1), 0);
    ASSERT_EQ(cajas.Boxes().size(), 1u);
    EXPECT_EQ(cajas.Boxes()[0].text, "Valor incorrecto");
    EXPECT_EQ(GetFocus(), importe);
    EXPECT_EQ(vista->campoActual, 0);
    EXPECT_EQ(Texto(importe), "12345");
    SendMessageA(principal, WM_TIMER, Vista::kTemporizador, 0);
    EXPECT_EQ(cajas.Boxes().size(), 1u);

    // Mended, F5 goes on to the exchange and the button keeps the focus.
    SetWindowTextA(importe, "1234");
    SendMessageA(principal, WM_COMMAND, MAKEWPARAM(5, 1), 0);
    EXPECT_EQ(cajas.Boxes().size(), 1u);
    EXPECT_EQ(GetFocus(), Ventana(2));
    EXPECT_EQ(Texto(importe), "1234,00");
    configuracio.idioma = idioma;
}

// Two fields on two pages and the strip.
class PestanyaProva : public TopControllerProva {
protected:
    void SetUp() override
    {
        TopControllerProva::SetUp();
        std::vector<ControlDef> c = {Campo(0, 1, 1, 30, 60), Campo(0, 1, 2, 30, 60), Campo(10, 1, 0, 10, 30)};
        c[0].pagina = 1;
        c[1].pagina = 2;
        c[2].x2 = 300;
        c[2].y2 = 200;
        c[2].elementos = {{1, "Uno", 0}, {2, "Dos", 1}};
        Pantalla(std::move(c));
        tira = vista->hwndPestanya;
        ASSERT_NE(tira, nullptr);
    }

    HWND tira = nullptr;
};

TEST_F(PestanyaProva, ScreenReplacedByAClickOnTheStripOutlivesTheClick)
{
    vista->Focus(0);
    ASSERT_EQ(vista->pestanya, 1);
    EspiaFinestra::Instala(tira);
    // The field of the other page gains the focus and its exchange brings another screen.
    bool reemplazada = false;
    top.despres = [&](UINT msg) {
        if (msg != Win::WM_CAMP_FOCUS || vista->campoActual != 1 || reemplazada)
            return;
        reemplazada = true;
        Pantalla({Campo(0, 1, 1, 10, 10)});
    };
    ClicaPestanya(tira, 1);
    EXPECT_TRUE(reemplazada);
    EXPECT_FALSE(EspiaFinestra::destruidaDins);
    EXPECT_EQ(EspiaFinestra::dins, 0);
    EXPECT_FALSE(IsWindow(tira));
    EXPECT_EQ(Win::EliminacioDiferida::Pendents(), 0);
}

// The failure path of the same click: leaving the field finds the link failed, which closes
// the main window, strip and all, once the strip's click is over.
TEST_F(PestanyaProva, AFailedLinkFoundByAClickOnTheStripClosesTheWindowAfterTheClick)
{
    vista->campos[0].accion = 1;  // leaving it sends its value
    vista->Focus(0);
    top.comunicador.estat = Comunicador::kFallada;
    top.focoTramesa = 0;
    EspiaFinestra::Instala(tira);
    ClicaPestanya(tira, 1);
    EXPECT_EQ(top.focoTramesa, 1) << "the field was left with an exchange";
    EXPECT_FALSE(EspiaFinestra::destruidaDins);
    EXPECT_EQ(EspiaFinestra::dins, 0);
    EXPECT_FALSE(IsWindow(principal));
}

// Until the window goes, the handlers still running start no exchange on the failed link: it
// would send on a closed socket and show a second box.
TEST_F(TopControllerProva, NoExchangeStartsWhileAClosedWindowWaitsForItsHandlers)
{
    Pantalla(CampsIBoto());
    vista->campos[0].accion = 0;  // leaving it asks for nothing
    vista->Focus(0);
    top.comunicador.estat = Comunicador::kFallada;
    ReleaseSemaphore(configuracio.semafor, 1, nullptr);  // an exchange may run
    {
        Win::EliminacioDiferida::Manejador dins;
        Clica(Ventana(2));  // the button that closes the window
        ASSERT_TRUE(IsWindow(principal));
        EXPECT_FALSE(top.ProcessaTramesa());
        EXPECT_TRUE(caixes.Boxes().empty());
        EXPECT_EQ(WaitForSingleObject(configuracio.semafor, 0), static_cast<DWORD>(WAIT_OBJECT_0))
            << "the exchange took the semaphore";
    }
    EXPECT_FALSE(IsWindow(principal));
}

TEST_F(PestanyaProva, AClickOnATabLeavesTheFocusOnAField)
{
    // The tab already shown: the focus stays on the field and Tab goes on from it.
    vista->Focus(0);
    ClicaPestanya(tira, 0);
    EXPECT_EQ(GetFocus(), Ventana(0));
    SendMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
    Bombeja();
    EXPECT_EQ(GetFocus(), Ventana(1));
    EXPECT_EQ(vista->pestanya, 2);

    // The other tab: its page's first field.
    ClicaPestanya(tira, 0);
    EXPECT_EQ(GetFocus(), Ventana(0));
    EXPECT_EQ(vista->pestanya, 1);

    // A page with nothing to focus: the field keeps the focus.
    vista->campos[1].estado = '2';
    ClicaPestanya(tira, 1);
    EXPECT_EQ(vista->pestanya, 2);
    EXPECT_EQ(GetFocus(), Ventana(0));
}

namespace {

COLORREF Pixel(HWND finestra, int x, int y)
{
    const Win::DcFinestra dc(finestra);
    return GetPixel(dc.Get(), x, y);
}

COLORREF ColorDe(HBRUSH brocha)
{
    LOGBRUSH lb = {};
    GetObjectA(brocha, sizeof lb, &lb);
    return lb.lbColor;
}

} // namespace

TEST_F(PestanyaProva, ABoxOnAPageIsPaintedWithThePagesColour)
{
    std::vector<ControlDef> c = {Campo(1, 6, 1, 30, 60), Campo(1, 6, 2, 30, 250), Campo(0, 1, 3, 30, 100),
                                 Campo(10, 1, 0, 10, 30)};
    c[0].pagina = 1;   // on the page
    c[2].pagina = 1;
    c[2].posEtiqueta = 0;  // its label above it, a window of its own
    c[3].x2 = 300;
    c[3].y2 = 200;
    c[3].elementos = {{1, "Uno", 0}, {2, "Dos", 1}};
    Pantalla(std::move(c));
    vista->Focus(2);
    RedrawWindow(principal, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // The page as the strip shows it on the screen, away from every field.
    const COLORREF pagina = Pixel(principal, 250, 150);
    const COLORREF finestra = vista->paleta[10];
    ASSERT_NE(pagina, finestra);

    const HDC dc = GetDC(Ventana(0));
    const HBRUSH caixa = top.OnCtlColorStatic(Ventana(0), dc);
    EXPECT_EQ(ColorDe(caixa), pagina);
    EXPECT_EQ(GetBkColor(dc), pagina);
    ReleaseDC(Ventana(0), dc);
    ASSERT_NE(vista->campos[2].control->LabelWindow(), nullptr);
    EXPECT_EQ(ColorDe(top.OnCtlColorStatic(vista->campos[2].control->LabelWindow(), nullptr)), pagina);
    // Off the pages the window's colour stays.
    EXPECT_EQ(ColorDe(top.OnCtlColorStatic(Ventana(1), nullptr)), finestra);
}

TEST_F(PestanyaProva, ShowingAPageLeavesNoDotAtTheEdge)
{
    vista->Focus(0);
    RedrawWindow(principal, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const COLORREF fons = Pixel(principal, 30, 545);
    ClicaPestanya(tira, 1);
    ASSERT_EQ(vista->pestanya, 2);
    UpdateWindow(principal);
    EXPECT_EQ(Pixel(principal, 10, 545), fons);
}
