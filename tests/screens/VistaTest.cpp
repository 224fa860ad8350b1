#include "app/Configuracio.h"
#include "framework/DcFinestra.h"
#include "framework/DcMemoria.h"
#include "framework/DispError.h"
#include "framework/EliminacioDiferida.h"
#include "framework/MissatgesPrivats.h"
#include "framework/ObjecteGdi.h"
#include "framework/controls/ControlBase.h"
#include "framework/controls/GeometriaCDN.h"
#include "link/Camps.h"
#include "link/Comunicador.h"
#include "screens/FabricaControl.h"
#include "screens/MidaFinestra.h"
#include "screens/Vista.h"
#include "tests/screens/CampProva.h"
#include "tests/screens/ToolTipsProva.h"
#include "tests/framework/AcceptaDialeg.h"
#include "tests/framework/MsgBoxRecorder.h"
#include "tests/framework/TestWindow.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

using prova::Campo;

namespace {

const double kGran = 31.0 / 24.0;


// Puts a reply record whose field 12 holds `campo12` (fields 1 to 11 are filler).
void Respuesta(Comunicador& com, const std::string& campo12, int campos = 12)
{
    std::string r;
    for (int i = 1; i < campos; ++i)
        r += "xx\xFF";
    if (campos >= 12)
        r += campo12;
    std::memset(com.trama, 0, sizeof com.trama);
    std::memcpy(com.trama + 50, r.data(), r.size());
}

std::string Texto(HWND w)
{
    char t[256] = {};
    GetWindowTextA(w, t, sizeof t);
    return t;
}

RECT EnPadre(HWND w)
{
    RECT r = {};
    GetWindowRect(w, &r);
    MapWindowPoints(nullptr, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class VistaProva : public testing::Test {
protected:
    void SetUp() override
    {
        configuracio.escalaX = configuracio.escalaY = 1.0;
        configuracio.modeDesenvolupament = 0;
        configuracio.usuario.clear();
        configuracio.empresa.clear();
        configuracio.idioma.clear();
        configuracio.password.clear();
        configuracio.acceso_remoto = 1;
        ventana = std::make_unique<TestWindow>(true);
        SetForegroundWindow(ventana->hwnd);
        vista = std::make_unique<Vista>(ventana->hwnd, &com, &filtro);
        vista->idPantalla = "EsPRUEBA       ";
        // As the main window does: a field that gains the focus becomes the current one.
        ventana->ctrl.before = [this](const std::string& nombre) {
            if (nombre != "OnUserMessage")
                return;
            std::istringstream in(ventana->ctrl.calls.back());
            std::string n;
            long long msg = 0, wp = 0, lp = 0;
            in >> n >> msg >> wp >> lp;
            if (msg == Win::WM_CAMP_FOCUS)
                vista->GuardaFocoActual(reinterpret_cast<HWND>(static_cast<INT_PTR>(lp)));
        };
    }
    void TearDown() override
    {
        vista.reset();
        ventana.reset();
        configuracio.escalaX = configuracio.escalaY = 1.0;
    }

    HWND Ventana(int i) const { return vista->campos[i].control ? vista->campos[i].control->Window() : nullptr; }

    // The focus report that the main window's controller passes on.
    void Enfoca(int i)
    {
        vista->Focus(i);
        vista->GuardaFocoActual(GetFocus());
    }

    Comunicador com;
    unsigned char filtro = 0;
    std::unique_ptr<TestWindow> ventana;
    std::unique_ptr<Vista> vista;
};

} // namespace

TEST_F(VistaProva, ConstructionState)
{
    EXPECT_EQ(vista->GetEstatVista(), 1);
    EXPECT_EQ(vista->repinta, 1);
    EXPECT_EQ(vista->primeraVez, 1);
    EXPECT_EQ(vista->campoActual, -1);
    EXPECT_EQ(vista->campoAnterior, -1);
    EXPECT_EQ(vista->alFrente, 0);
    char dir[MAX_PATH + 1] = {};
    GetCurrentDirectoryA(sizeof dir, dir);
    EXPECT_EQ(vista->fichPantallas, std::string(dir) + "\\PANT1.DAT");
    EXPECT_EQ(vista->paleta[9], 0x0033FAu);
    for (int i = 0; i < Vista::kColors; ++i)
        EXPECT_EQ(vista->Brocha(i) == nullptr, i == 2 || i == 11) << i;
    LOGBRUSH lb = {};
    GetObjectA(vista->Brocha(16), sizeof lb, &lb);
    EXPECT_EQ(lb.lbColor, 0xF78C99u);
    EXPECT_EQ(com.hwndIndicador, ventana->hwnd);
    EXPECT_EQ(com.brIndicadorActiu, vista->Brocha(9));
    EXPECT_EQ(com.brIndicadorInactiu, vista->Brocha(4));
    WNDCLASSA clase = {};
    EXPECT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), "fons", &clase));
}

TEST_F(VistaProva, OneViewAtATimeAndEverythingReleased)
{
    EXPECT_THROW(Vista(ventana->hwnd, &com, &filtro), DispError);
    HBRUSH brocha = vista->Brocha(0);
    com.trama[1] = '1';  // a reply that keeps its background
    vista->GuardaFondo();
    const HBITMAP fondo = vista->fondo.Get();
    ASSERT_NE(fondo, nullptr);
    vista.reset();
    EXPECT_EQ(GetObjectType(brocha), 0u);
    EXPECT_EQ(GetObjectType(fondo), 0u);  // the background goes with the view
    EXPECT_EQ(Win::ObjectesGdiVius(), 0);
    // The class goes with its view, so the next view registers it again.
    vista = std::make_unique<Vista>(ventana->hwnd, &com, &filtro);
    EXPECT_EQ(Win::ObjectesGdiVius(), 15);
}

TEST_F(VistaProva, ActionOfAField)
{
    struct Caso {
        int tipo, subtipo, accion;
        int resultado;
    };
    const Caso casos[] = {
        {2, 4, 9, 9}, {2, 4, 1, 1}, {2, 4, 0, 0}, {7, 1, 9, 9}, {0, 1, 9, 0},
        {4, 11, 1, 1}, {4, 4, 1, 0}, {0, 1, 1, 0}, {14, 1, 1, 1}, {9, 1, 1, 1},
        {0, 5, 0, 2}, {2, 5, 1, 2}, {7, 8, 1, 3}, {7, 12, 1, 4}, {12, 4, 0, 0},
    };
    for (const Caso& c : casos) {
        vista->campos.assign(2, ControlDef());
        ControlDef& d = vista->campos[1];
        d.tipo = c.tipo;
        d.subtipo = c.subtipo;
        d.accion = c.accion;
        d.valor = "http://ayuda";
        vista->campoDisparo = 0;
        vista->enlaceAyuda.clear();
        EXPECT_EQ(vista->TipoAccionCampo(1), c.resultado) << c.tipo << "/" << c.subtipo << "/" << c.accion;
        EXPECT_EQ(vista->campoDisparo, c.resultado == 1 || c.resultado == 9 ? 1 : 0) << c.tipo;
        EXPECT_EQ(vista->enlaceAyuda, c.resultado == 2 ? "http://ayuda" : "") << c.tipo;
    }
    EXPECT_EQ(vista->TipoAccionCampo(Vista::kMaxCamps), 0);

    // A paging tool button pages the listings (its picture number is the paging code) before
    // its action is looked at.
    vista->campos.assign(1, ControlDef());
    vista->campos[0].tipo = 12;
    vista->campos[0].imagen = 48;  // to the last first column
    vista->estatLlistat.columnes.resize(5);
    vista->estatLlistat.ultimaPrimera = 3;
    vista->estatLlistat.primeraVisible = 0;
    EXPECT_EQ(vista->TipoAccionCampo(0), 0);
    EXPECT_EQ(vista->estatLlistat.primeraVisible, 3);
}

TEST_F(VistaProva, TheRefreshTimerFiresTheFieldTheBuildFound)
{
    struct Caso {
        std::vector<int> codigos;
        int disparo;  // -1: the tick is ignored
    };
    const Caso casos[] = {
        {{60, 61}, -1},
        {{24, 61}, 0},
        {{60, 24}, 1},
        {{60, 24, 61, 24}, 3},  // the build keeps the last one
    };
    for (const Caso& c : casos) {
        vista->BorraCampos();
        for (std::size_t i = 0; i < c.codigos.size(); ++i) {
            vista->campos.push_back(Campo(3, 1, 0, 10, 10 + 20 * static_cast<int>(i)));
            vista->campos.back().codigo = c.codigos[i];
        }
        Respuesta(com, "00");
        vista->CreaPantalla();
        vista->campoDisparo = 7;
        EXPECT_EQ(vista->DisparaCampoCodigo24(), c.disparo >= 0) << c.codigos.size();
        EXPECT_EQ(vista->campoDisparo, c.disparo >= 0 ? c.disparo : 7) << c.codigos.size();
    }
    // The fields are gone with their screen: a tick before the next build fires nothing.
    vista->BorraCampos();
    vista->campoDisparo = 7;
    EXPECT_FALSE(vista->DisparaCampoCodigo24());
    EXPECT_EQ(vista->campoDisparo, 7);
}

namespace {

// One record of every kind, with the roles and texts a screen gives them.
std::vector<ControlDef> TodasLasClases()
{
    const int clases[][2] = {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {1, 6}, {2, 4}, {3, 1}, {4, 4}, {5, 4},
                             {6, 1}, {7, 1}, {8, 1}, {9, 1}, {10, 1}, {11, 1}, {12, 4}, {13, 7}, {14, 1},
                             {15, 1}};
    std::vector<ControlDef> campos;
    int n = 0;
    for (const auto& c : clases) {
        ControlDef d = Campo(c[0], c[1], 10 + n, 20 + 5 * n, 15 + 20 * n);
        d.codigo = 60 + n;
        d.ayuda1 = "d" + std::to_string(n);
        d.ayuda2 = "u" + std::to_string(n);
        campos.push_back(d);
        ++n;
    }
    campos[1].x2 = 150;  // a right edge given by the screen
    campos[3].codigo = 24;
    campos[4].codigo = 42;
    campos[8].marcaPanel = true;
    return campos;
}

} // namespace

TEST_F(VistaProva, EveryKindBuiltWithLabelsTooltipsAndOffset)
{
    for (double escala : {1.0, kGran}) {
        configuracio.escalaX = configuracio.escalaY = escala;
        configuracio.modeDesenvolupament = 1;
        vista->BorraCampos();
        vista->campos = TodasLasClases();
        const std::vector<ControlDef> antes = vista->campos;
        Respuesta(com, "0012-30");
        vista->CreaPantalla();
        EXPECT_EQ(vista->hwndToolTips, nullptr);  // made when the mouse first comes over the screen
        vista->AseguraToolTips();

        vista->campoDisparo = 0;
        EXPECT_TRUE(vista->DisparaCampoCodigo24());
        EXPECT_EQ(vista->campoDisparo, 3);
        EXPECT_EQ(vista->campoListado, 4);
        EXPECT_EQ(vista->alFrente, 1);
        EXPECT_EQ(vista->campos[1].x2, 162);
        EXPECT_EQ(vista->campos[0].x2, 0);
        int controles = 0;
        for (std::size_t i = 0; i < vista->campos.size(); ++i) {
            const ControlDef& d = vista->campos[i];
            EXPECT_EQ(d.x1, antes[i].x1 + 12);
            EXPECT_EQ(d.y1, antes[i].y1 + 30);
            ASSERT_NE(d.control, nullptr) << "kind " << d.tipo << "/" << d.subtipo;
            ASSERT_NE(d.control->Window(), nullptr) << "kind " << d.tipo << "/" << d.subtipo;
            ++controles;
            EXPECT_EQ(d.control->Index(), static_cast<int>(i));
            const Win::GeometriaCDN::Rect g = Win::GeometriaCDN::Base(d, escala, escala);
            const RECT r = EnPadre(d.control->Window());
            EXPECT_EQ(r.left, g.x) << i;
            EXPECT_EQ(r.top, g.y) << i;
            if (d.tipo == 0) {  // buttons and check boxes show theirs as the caption
                EXPECT_NE(d.control->LabelWindow(), nullptr) << i;
            }
            EXPECT_EQ(TextoHerramienta(vista->hwndToolTips, ventana->hwnd, d.control->Window()), d.ayuda1) << i;
        }
        EXPECT_EQ(controles, static_cast<int>(vista->campos.size()));
        EXPECT_EQ(Herramientas(vista->hwndToolTips), controles);
        EXPECT_EQ(vista->campoDefecto, 0);  // the lowest tab order

        // The developer switch re-registers the same tools with the other text.
        configuracio.modeDesenvolupament = 0;
        EXPECT_EQ(vista->SetToolTips(), static_cast<int>(vista->campos.size()));
        EXPECT_EQ(Herramientas(vista->hwndToolTips), controles);
        EXPECT_EQ(TextoHerramienta(vista->hwndToolTips, ventana->hwnd, Ventana(1)), "u1");
        vista->alFrente = 0;
    }
}

TEST_F(VistaProva, ListingsShareTheViewsColumnState)
{
    // A header and a row narrower than their columns, so that they page, and an edit.
    vista->campos = {Campo(11, 1, 0, 10, 10), Campo(9, 1, 0, 10, 30), Campo(0, 1, 1, 10, 60)};
    for (int i = 0; i < 3; ++i)
        vista->campos[i].codigo = i + 1;
    vista->campos[0].x2 = vista->campos[1].x2 = 110;
    Respuesta(com, "00");
    vista->CreaPantalla();
    Win::EstatLlistat& e = vista->estatLlistat;
    vista->campos[0].control->SetValue("00000X0010N0030X0005;Cliente\tSaldo\tZona");
    vista->campos[1].control->SetValue("Ana");
    ASSERT_EQ(e.columnes.size(), 3u);
    ASSERT_GT(e.ultimaPrimera, 0);

    // Paging moves both listings by whole columns and forgets where columns were painted.
    EXPECT_FALSE(vista->PaginaListado(44));
    e.columnes[2].pixel = 99;
    EXPECT_TRUE(vista->PaginaListado(46));
    EXPECT_EQ(e.primeraVisible, 1);
    EXPECT_EQ(e.columnes[2].pixel, 0);
    EXPECT_TRUE(vista->PaginaListado(48));
    EXPECT_EQ(e.primeraVisible, e.ultimaPrimera);
    EXPECT_TRUE(vista->PaginaListado(47));
    EXPECT_EQ(e.primeraVisible, 0);

    // A click on the row is the view's; dragging hands the step on but moves no field.
    const HWND fila = Ventana(1);
    const RECT antes = EnPadre(fila);
    SendMessageA(fila, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 4));
    EXPECT_EQ(e.clicX, 30);
    SendMessageA(fila, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 9));
    EXPECT_EQ(EnPadre(fila).left, antes.left);
    EXPECT_EQ(vista->campos[1].x1, 10);

    // The header's request carries the column of that click (no column painted: the last one),
    // and once the next screen is built, no column (10).
    vista->campoDisparo = 0;
    ASSERT_TRUE(vista->PreparaMisOut());
    EXPECT_EQ(std::string(com.trama + 44, 6), "001003");
    Respuesta(com, "00");
    vista->CreaPantalla();
    EXPECT_TRUE(e.columnes.empty());
    ASSERT_TRUE(vista->PreparaMisOut());
    EXPECT_EQ(std::string(com.trama + 44, 6), "001010");
}

TEST_F(VistaProva, ScreenOffsetReadings)
{
    struct Caso {
        const char* campo;
        int x, y;
    };
    const Caso casos[] = {{"00", 0, 0}, {"0012-30", 12, 30}, {"00-30", 0, 30}, {"0012345678-9", 0, 0}, {"001230", 0, 0}};
    for (const Caso& c : casos) {
        vista->campos.assign(1, Campo(3, 1, 0, 100, 100));
        Respuesta(com, c.campo);
        vista->AjustaDesplazamiento();
        EXPECT_EQ(vista->campos[0].x1, 100 + c.x) << c.campo;
        EXPECT_EQ(vista->campos[0].y1, 100 + c.y) << c.campo;
    }
    // The login screen has no reply to read.
    vista->idPantalla = Vista::kIdInicio;
    vista->campos.assign(1, Campo(3, 1, 0, 100, 100));
    Respuesta(com, "0012-30");
    vista->AjustaDesplazamiento();
    EXPECT_EQ(vista->campos[0].x1, 100);
    // A reply too short for field 12 is reported and builds without offset.
    vista->idPantalla = "EsPRUEBA       ";
    Respuesta(com, "", 5);
    MsgBoxRecorder cajas;
    vista->AjustaDesplazamiento();
    ASSERT_EQ(cajas.Boxes().size(), 1u);
    EXPECT_EQ(cajas.Boxes()[0].text, "Ha habido un error procesando desplazamiento pantalla:\nVista.AjustaDesplazamiento");
    EXPECT_EQ(vista->campos[0].x1, 100);
}

TEST_F(VistaProva, BuildFailuresNameHowFarTheyCame)
{
    // A second tab strip right after the first.
    vista->campos = {Campo(0, 1, 1), Campo(10, 1, 0), Campo(10, 1, 0)};
    Respuesta(com, "00");
    try {
        vista->CreaPantalla();
        ADD_FAILURE() << "no failure";
    } catch (const DispError& e) {
        EXPECT_EQ(e.Texto(), "Error #ref 041, error creando pantalla, punto:10");
    }
    EXPECT_NE(vista->campos[0].control, nullptr);  // what was built stays

    // A first control whose window cannot be made (its parent is gone).
    vista.reset();
    TestWindow muerta;
    const HWND h = muerta.hwnd;
    DestroyWindow(h);
    Vista otra(h, &com, &filtro);
    otra.campos = {Campo(0, 1, 1)};
    try {
        otra.CreaPantalla();
        ADD_FAILURE() << "no failure";
    } catch (const DispError& e) {
        EXPECT_EQ(e.Texto(), "Error #ref 041, error creando pantalla, punto:0");
    }
}

TEST_F(VistaProva, LoginScreenFilledFromTheConfiguration)
{
    struct Caso {
        const char* usuario;
        const char* empresa;
        const char* clave;
        unsigned char acceso;
        const char* textoClave;
    };
    const Caso casos[] = {
        {"", "", "", 0, ""},
        {"ana", "ACME", "secreta", 1, "secreta"},
        {"tavu", "k417", "", 1, "tavu"},
        {"tavu", "k418", "", 0, ""},
    };
    for (const Caso& c : casos) {
        configuracio.usuario = c.usuario;
        configuracio.empresa = c.empresa;
        configuracio.idioma = "Es";
        configuracio.password = c.clave;
        configuracio.acceso_remoto = c.acceso;
        ASSERT_TRUE(vista->CreaPantallaInicio());
        EXPECT_EQ(vista->idPantalla, "KRVINI  01001");
        ASSERT_EQ(vista->campos.size(), 7u);
        vista->CreaPantalla();
        vista->RellenaInicio();
        EXPECT_EQ(Texto(Ventana(1)), c.usuario);
        EXPECT_EQ(Texto(Ventana(2)), c.textoClave);
        EXPECT_EQ(Texto(Ventana(3)), c.empresa);
        EXPECT_EQ(Texto(Ventana(4)), "Es");
        EXPECT_EQ(Texto(vista->campos[6].control->LabelWindow() ? vista->campos[6].control->LabelWindow() : Ventana(6)),
                  "Aceptar");
        // Remote access is never offered, yet its value is there for the login request.
        EXPECT_FALSE(IsWindowVisible(Ventana(5)));
        if (vista->campos[5].control->LabelWindow()) {
            EXPECT_FALSE(IsWindowVisible(vista->campos[5].control->LabelWindow()));
        }
        char valor[8] = {};
        vista->campos[5].control->GetValue(valor, sizeof valor);
        EXPECT_STREQ(valor, c.acceso ? "S" : "N");
        EXPECT_EQ(vista->campoDefecto, 2);
    }
}

TEST_F(VistaProva, ExitQuestion)
{
    {
        MsgBoxRecorder no(IDNO);
        configuracio.usuario = "tavu";
        configuracio.empresa = "k417";
        EXPECT_FALSE(vista->ConfirmaSalida());
        ASSERT_EQ(no.Boxes().size(), 1u);  // no page either
        EXPECT_EQ(no.Boxes()[0].text, "Esta seguro que desea salir de KORVU?");
        EXPECT_EQ(no.Boxes()[0].caption, "KORVU");
        EXPECT_EQ(no.Boxes()[0].type, static_cast<UINT>(MB_YESNO | MB_ICONINFORMATION));
        EXPECT_EQ(no.Boxes()[0].owner, ventana->hwnd);
    }
    const std::string pagina = Vista::paginaDemostracion;
    Vista::paginaDemostracion = "C:\\no-existe\\pagina";
    {
        // The demonstration account is sent to its page: here one that cannot be opened. The
        // system may say so first in a box of its own, which is answered.
        MsgBoxRecorder si(IDYES);
        RespostaDialeg sistema;
        EXPECT_TRUE(vista->ConfirmaSalida());
        sistema.Acaba();
        ASSERT_EQ(si.Boxes().size(), 2u);
        EXPECT_EQ(si.Boxes()[1].text.rfind("No se ha podido completar la acci\xF3n: \n\nError: ", 0), 0u);
        EXPECT_EQ(si.Boxes()[1].caption, "Error");
    }
    {
        MsgBoxRecorder si(IDYES);
        configuracio.empresa = "k4170";
        EXPECT_TRUE(vista->ConfirmaSalida());
        EXPECT_EQ(si.Boxes().size(), 1u);
    }
    Vista::paginaDemostracion = pagina;
}

TEST_F(VistaProva, FocusFollowsTabOrder)
{
    vista->campos = {Campo(0, 1, 5), Campo(0, 1, 10), Campo(0, 1, 10), Campo(0, 1, 20), Campo(0, 1, 999)};
    vista->campos[2].estado = '1';
    Respuesta(com, "00");
    vista->CreaPantalla();
    EXPECT_TRUE(vista->FocusIni());
    vista->GuardaFocoActual(GetFocus());
    EXPECT_EQ(vista->campoActual, 0);
    EXPECT_EQ(GetFocus(), Ventana(0));
    struct Paso {
        bool adelante;
        int destino;
    };
    // Forward skips the read-only 10 and never reaches 999; backward wraps to 999.
    const Paso pasos[] = {{true, 1}, {true, 3}, {true, 0}, {false, 4}, {false, 3}, {false, 1}};
    for (const Paso& p : pasos) {
        if (p.adelante)
            EXPECT_FALSE(vista->FocusSeguent());
        else
            EXPECT_FALSE(vista->FocusAnterior());
        vista->GuardaFocoActual(GetFocus());
        EXPECT_EQ(vista->campoActual, p.destino);
        EXPECT_EQ(GetFocus(), Ventana(p.destino));
    }
    EXPECT_EQ(vista->campoAnterior, 3);
    EXPECT_TRUE(vista->FocusActual());
    EXPECT_EQ(vista->campoAnterior, -1);
    EXPECT_FALSE(vista->GuardaFocoActual(ventana->hwnd));
    EXPECT_EQ(vista->IndiceCampo(nullptr), Vista::kMaxCamps);

    // A stored field wins over the default one.
    vista->campoAFoco = 3;
    EXPECT_FALSE(vista->FocusIni());
    EXPECT_TRUE(vista->FocusNou());
    EXPECT_EQ(GetFocus(), Ventana(3));
}

TEST_F(VistaProva, LeavingAFieldAndTheListingField)
{
    vista->campos = {Campo(0, 1, 1), Campo(2, 4, 2), Campo(0, 1, 3)};
    vista->campos[0].accion = 1;
    Respuesta(com, "00");
    vista->CreaPantalla();
    Enfoca(0);
    Enfoca(2);  // a text field: the exchange runs now
    EXPECT_TRUE(vista->ControlSortir());
    EXPECT_EQ(vista->campoDisparo, 0);
    Enfoca(0);
    vista->campoDisparo = -1;
    Enfoca(1);  // a button: later, when it is pressed
    EXPECT_FALSE(vista->ControlSortir());
    EXPECT_EQ(vista->salidaPendiente, 1);
    EXPECT_EQ(vista->campoDisparo, 0);
    EXPECT_FALSE(vista->DisparaCampoCodigo42());
    vista->campoListado = 2;
    EXPECT_TRUE(vista->DisparaCampoCodigo42());
    EXPECT_EQ(vista->campoDisparo, 2);
}

TEST_F(VistaProva, TabPagesFollowTheFocus)
{
    // Fields on pages 1 and 3, one on every page, and a page 2 with nothing to focus. The tabs
    // are stored out of page order, so a tab's place is not its page number less one.
    vista->campos = {Campo(0, 1, 1), Campo(0, 1, 2), Campo(0, 1, 3), Campo(0, 1, 4), Campo(3, 1, 0)};
    vista->campos[0].pagina = 1;
    vista->campos[1].pagina = 3;
    vista->campos[2].pagina = 0;
    vista->campos[3].pagina = 2;
    vista->campos[3].estado = '2';
    vista->campos[4].tipo = 10;
    vista->campos[4].elementos = {{1, "Uno", 0}, {3, "Tres", 1}, {2, "Dos", 2}};
    Respuesta(com, "00");
    vista->CreaPantalla();
    ASSERT_NE(vista->hwndPestanya, nullptr);
    EXPECT_EQ(vista->pestanya, -1);
    vista->SetEstatVista(0);

    Enfoca(0);
    EXPECT_EQ(vista->pestanya, 1);
    EXPECT_EQ(SendMessageA(vista->hwndPestanya, TCM_GETCURSEL, 0, 0), 0);
    EXPECT_TRUE(IsWindowVisible(Ventana(0)));
    EXPECT_FALSE(IsWindowVisible(Ventana(1)));
    EXPECT_TRUE(IsWindowVisible(Ventana(2)));
    EXPECT_FALSE(IsWindowVisible(Ventana(3)));

    vista->FocusSeguent();  // to page 3, whose tab sits at index 1
    vista->GuardaFocoActual(GetFocus());
    EXPECT_EQ(vista->campoActual, 1);
    EXPECT_EQ(vista->pestanya, 3);
    EXPECT_EQ(SendMessageA(vista->hwndPestanya, TCM_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(IsWindowVisible(Ventana(1)));
    EXPECT_FALSE(IsWindowVisible(Ventana(0)));
    EXPECT_TRUE(IsWindowVisible(Ventana(2)));
    EXPECT_TRUE(IsWindowVisible(vista->hwndPestanya));

    vista->FocusAnterior();  // and back to page 1
    vista->GuardaFocoActual(GetFocus());
    EXPECT_EQ(vista->campoActual, 0);
    EXPECT_EQ(SendMessageA(vista->hwndPestanya, TCM_GETCURSEL, 0, 0), 0);

    // Picking tabs: its own page, another page, a page with nothing to focus.
    EXPECT_EQ(vista->PrimerCampoPestanya(0), -1);
    EXPECT_EQ(vista->PrimerCampoPestanya(1), 1);
    EXPECT_EQ(vista->PrimerCampoPestanya(2), -1);
    vista->MuestraPestanya(2);
    EXPECT_EQ(vista->pestanya, 2);
    EXPECT_EQ(SendMessageA(vista->hwndPestanya, TCM_GETCURSEL, 0, 0), 2);
    EXPECT_FALSE(IsWindowVisible(Ventana(0)));
    EXPECT_FALSE(IsWindowVisible(Ventana(3)));  // hidden fields stay hidden
    EXPECT_EQ(vista->campoActual, 0);           // the focus did not move
    EXPECT_EQ(vista->GetEstatVista(), 0);
}

TEST_F(VistaProva, FieldColoursByStyle)
{
    vista->campos = {Campo(0, 1, 1), Campo(0, 1, 2), Campo(1, 6, 3), Campo(0, 1, 4)};
    vista->campos[0].estilo = '2';
    vista->campos[1].estilo = '0';
    vista->campos[1].estado = '1';
    vista->campos[2].estilo = '5';
    vista->campos[3].estilo = 'I';
    Respuesta(com, "00");
    vista->CreaPantalla();
    struct Caso {
        HWND ventana;
        COLORREF fondo, texto;
        int brocha;
    };
    const Caso casos[] = {
        {Ventana(0), 0xB9E1FA, 0x000000, 5},
        {Ventana(1), 0xDCDCDF, 0x000000, 4},
        {Ventana(2), 0xF4F4F4, 0xD77A2C, 10},
        {Ventana(3), 0xF78C99, 0x0033FA, 16},
        {ventana->hwnd, 0xF4F4F4, 0xD77A2C, 10},
        {nullptr, 0xF4F4F4, 0xD77A2C, 10},
    };
    for (const Caso& c : casos) {
        const Vista::Colores col = vista->ColoresCampo(c.ventana);
        EXPECT_EQ(col.fondo, c.fondo);
        EXPECT_EQ(col.texto, c.texto);
        EXPECT_EQ(col.brocha, vista->Brocha(c.brocha));
    }
    EXPECT_EQ(vista->BrochaCampo(Ventana(0)), nullptr);
    EXPECT_FALSE(vista->RepintaControl(Ventana(0)));
}

TEST_F(VistaProva, WindowTitleSizeAndLanguagePrefix)
{
    configuracio.empresa = "ACME";
    configuracio.usuario = "ana";
    configuracio.versio = "2.3.045";
    vista->CanviaTitFinrestra();
    EXPECT_EQ(Texto(ventana->hwnd), "ACME - ana - ver. 2.3.045");

    EXPECT_TRUE(vista->CentraVentana());
    EXPECT_EQ(vista->primeraVez, 0);
    // The first sizing puts the window where the work area's rule says.
    const MidaFinestra m = MidaFinestra::Calcula(GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED));
    RECT primera = {};
    GetWindowRect(ventana->hwnd, &primera);
    EXPECT_EQ(primera.left, m.x);
    EXPECT_EQ(primera.top, m.y);
    EXPECT_EQ(primera.right - primera.left, m.ancho);
    EXPECT_EQ(primera.bottom - primera.top, m.alto);
    MoveWindow(ventana->hwnd, 3, 4, 200, 100, FALSE);
    vista->CentraVentana();  // only once
    RECT r = {};
    GetWindowRect(ventana->hwnd, &r);
    EXPECT_EQ(r.right - r.left, 200);

    for (const auto& [id, sin] : {std::pair<const char*, bool>{"EsFAC", false}, {"CaFAC", true}, {"E", true}, {"", true}}) {
        vista->idPantalla = id;
        EXPECT_EQ(vista->IdSinPrefijoEs(), sin) << id;
    }
}

TEST_F(VistaProva, BusyIndicatorHoldsNothingAfterwards)
{
    MoveWindow(ventana->hwnd, 0, 0, 500, 640, TRUE);  // room for the dot at the bottom left
    ASSERT_EQ(GetForegroundWindow(), ventana->hwnd);
    const int objetos = Win::ObjectesGdiVius();
    const int dcs = Win::DcsVius();
    for (int i = 0; i < 200; ++i) {
        vista->SetEstatVista(1);
        EXPECT_EQ(vista->GetEstatVista(), 1);
        vista->SetEstatVista(0);
    }
    EXPECT_EQ(vista->GetEstatVista(), 0);
    EXPECT_EQ(Win::ObjectesGdiVius(), objetos);
    EXPECT_EQ(Win::DcsVius(), dcs);
    // Idle leaves no dot: its place is painted again from the window's background.
    RECT pendent = {};
    EXPECT_TRUE(GetUpdateRect(ventana->hwnd, &pendent, FALSE));
    EXPECT_TRUE(PtInRect(&pendent, POINT{10, 545}));
}

TEST(ComptadorsGdi, ASkippedReleaseShows)
{
    TestWindow w(true);
    const int dcs = Win::DcsVius();
    const int objetos = Win::ObjectesGdiVius();
    // An owner that is never destroyed: its release never runs, and the count says so.
    auto* dcPerdut = new Win::DcFinestra(w.hwnd);
    auto* brochaPerduda = new Win::ObjecteGdi<HBRUSH>(CreateSolidBrush(0x123456));
    EXPECT_EQ(Win::DcsVius(), dcs + 1);
    EXPECT_EQ(Win::ObjectesGdiVius(), objetos + 1);
    const HBRUSH h = brochaPerduda->Get();
    delete dcPerdut;
    delete brochaPerduda;
    EXPECT_EQ(Win::DcsVius(), dcs);
    EXPECT_EQ(Win::ObjectesGdiVius(), objetos);
    EXPECT_EQ(GetObjectType(h), 0u);  // really deleted, not only counted
    {
        Win::DcMemoria memoria(nullptr);
        EXPECT_EQ(Win::DcsVius(), dcs + 1);
    }
    EXPECT_EQ(Win::DcsVius(), dcs);
}

TEST_F(VistaProva, BackgroundSnapshot)
{
    const int objetos = Win::ObjectesGdiVius();
    const int dcs = Win::DcsVius();
    com.trama[1] = '1';
    vista->GuardaFondo();
    ASSERT_TRUE(vista->fondo);
    EXPECT_EQ(Win::ObjectesGdiVius(), objetos + 1);
    vista->GuardaFondo();  // a new one replaces the old
    EXPECT_EQ(Win::ObjectesGdiVius(), objetos + 1);
    const Win::DcFinestra dc(ventana->hwnd);
    EXPECT_TRUE(vista->PintaFondo(dc.Get()));
    com.trama[1] = '0';
    vista->GuardaFondo();
    EXPECT_FALSE(vista->fondo);
    EXPECT_FALSE(vista->PintaFondo(dc.Get()));
    EXPECT_EQ(Win::ObjectesGdiVius(), objetos);
    EXPECT_EQ(Win::DcsVius(), dcs + 1);  // only the test's own
}

// A snapshot that cannot be taken must not leave the one before it to be painted: that one
// shows a screen that is gone.
TEST_F(VistaProva, ASnapshotThatCannotBeTakenLeavesNoneAndIsReported)
{
    com.trama[1] = '1';
    const int objetos = Win::ObjectesGdiVius();
    const HWND principal = vista->hwnd;
    TestWindow perduda;
    const HWND destruida = perduda.hwnd;
    DestroyWindow(destruida);
    vista->GuardaFondo();
    ASSERT_TRUE(vista->fondo);
    {
        MsgBoxRecorder cajas;
        vista->hwnd = destruida;  // nothing to copy from
        vista->GuardaFondo();
        vista->hwnd = principal;
        EXPECT_FALSE(vista->fondo);
        ASSERT_EQ(cajas.Boxes().size(), 1u);
        const std::string& texto = cajas.Boxes()[0].text;
        EXPECT_EQ(texto.compare(0, 32, "Error guardando fondo. \n\nError: "), 0) << texto;
        EXPECT_EQ(cajas.Boxes()[0].caption, "Error");
        EXPECT_EQ(cajas.Boxes()[0].type, static_cast<UINT>(MB_ICONINFORMATION));
    }
    const Win::DcFinestra dc(principal);
    EXPECT_FALSE(vista->PintaFondo(dc.Get()));
    EXPECT_EQ(Win::ObjectesGdiVius(), objetos);
}

TEST_F(VistaProva, ScreenReplacedFromInsideAControlHandler)
{
    vista->campos = {Campo(0, 1, 1), Campo(0, 1, 2)};
    Respuesta(com, "00");
    vista->CreaPantalla();
    const HWND propia = Ventana(0);
    const HWND otra = Ventana(1);
    bool vivaDurante = false;
    ventana->ctrl.before = [&](const std::string& nombre) {
        if (nombre != "OnUserMessage" || ventana->ctrl.calls.back().find(std::to_string(Win::WM_CAMP_SEGUENT)) == std::string::npos)
            return;
        // The exchange the field started replaces the screen while the field's handler runs.
        vista->BorraCampos();
        vivaDurante = IsWindow(propia) && !IsWindowVisible(propia);
    };
    SendMessageA(propia, WM_KEYDOWN, VK_TAB, 0);
    ventana->ctrl.before = nullptr;
    EXPECT_TRUE(vivaDurante);
    EXPECT_FALSE(IsWindow(propia));
    EXPECT_FALSE(IsWindow(otra));
    EXPECT_EQ(Win::EliminacioDiferida::Pendents(), 0);
    EXPECT_TRUE(vista->campos.empty());

    // Outside any handler the controls go at once.
    vista->campos = {Campo(0, 1, 1)};
    vista->CreaPantalla();
    vista->AseguraToolTips();
    const HWND w = Ventana(0);
    const HWND tooltips = vista->hwndToolTips;
    ASSERT_NE(tooltips, nullptr);
    vista->BorraCampos();
    EXPECT_FALSE(IsWindow(w));
    EXPECT_FALSE(IsWindow(tooltips));  // it served only the controls that went
    EXPECT_EQ(vista->hwndToolTips, nullptr);
    vista->AseguraToolTips();  // no screen, no tooltips
    EXPECT_EQ(vista->hwndToolTips, nullptr);
}

TEST_F(VistaProva, LoginScreenFromTheCommandLine)
{
    configuracio.usuario = "otro";
    configuracio.entorn.liniaOrdres = "\"C:\\korvu\\korvuc.exe\" /i ana,01,Ca,secreto,";
    configuracio.ProcessaLiniaOrdres();
    configuracio.entorn.liniaOrdres = nullptr;
    vista->CreaPantallaInicio();
    vista->CreaPantalla();
    vista->RellenaInicio();
    EXPECT_EQ(Texto(Ventana(1)), "ana");
    EXPECT_EQ(Texto(Ventana(2)), "secreto");
    EXPECT_EQ(Texto(Ventana(3)), "01");
    EXPECT_EQ(Texto(Ventana(4)), "Ca");
    vista->FocusIni();
    EXPECT_EQ(GetFocus(), Ventana(2));
    EXPECT_EQ(vista->campoActual, 2);
}

namespace {
// Taken before any case runs: a sound in another case would load it.
const bool winmmAlInici = GetModuleHandleA("winmm.dll") != nullptr;
} // namespace

TEST_F(VistaProva, APendingSoundLoadsTheSoundLibraryAtItsFirstUse)
{
    // Neither the program nor this test imports winmm: the sound loads it, without a box.
    ASSERT_FALSE(winmmAlInici) << "the test program imports winmm itself";
    MsgBoxRecorder cajas;
    vista->sonidoPendiente = 1;
    vista->recursoSonido = 332;
    vista->AvisoSonoro();
    EXPECT_EQ(vista->sonidoPendiente, 0);
    EXPECT_NE(GetModuleHandleA("winmm.dll"), nullptr);
    EXPECT_TRUE(cajas.Boxes().empty());
}

// An exchange that runs before a field is left (the refresh timer, a function key) carries what
// leaving the field would show, or the text as shown; never an older value the user no longer
// sees. A text that leaving would refuse is told when the user wrote it and can correct it; a
// value the server gave goes back as shown, so that a refused one never holds up the dialogue.
TEST_F(VistaProva, EveryKindSendsWhatItShowsBeforeItIsLeft)
{
    configuracio.idioma = "Es";
    enum { kNum, kText, kData, kMulti, kColor };
    const struct {
        int campo;
        const char* server;  // what the server gave, or null
        const char* shown;   // then typed over it, or null
        char estado;
        const char* sent;
        bool refused;
    } table[] = {
        {kNum, nullptr, "1234,5", '0', "1234.50", false},
        {kNum, nullptr, "1.234", '0', "1234.00", false},
        {kNum, nullptr, "12345", '0', "12345", true},   // four integer digits at most
        {kNum, "1234567", nullptr, '0', "1234567", false},  // the server's, refused: as shown
        {kNum, "1234567", "12345", '0', "12345", true},     // then the user's own, refused
        {kNum, "1234567", nullptr, '1', "1234567", false},  // read-only: no one can mend it
        {kNum, "1234567", nullptr, '2', "1234567", false},  // nor hidden
        {kText, nullptr, "Bodeg", '0', "Bodeg", false},
        {kData, nullptr, "5/3/24", '0', "05/03/2024", false},
        {kData, nullptr, "", '0', "", false},
        {kData, nullptr, "31/02/2024", '0', "31/02/2024", true},
        {kData, nullptr, "5/3", '0', "5/3", true},
        {kData, "15/03/2024", "15/03/20", '0', "15/03/2020", false},
        {kData, "31/02/2024", nullptr, '0', "31/02/2024", false},
        {kData, "31/02/2024", "30/02/2024", '0', "30/02/2024", true},
        {kMulti, nullptr, "Primera\r\nsegu", '0', "Primera\r\nsegu", false},
        {kColor, nullptr, "Aviso", '0', "Aviso", false},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(std::string(row.server ? row.server : "-") + " / " + (row.shown ? row.shown : "-"));
        vista->BorraCampos();
        vista->campos = {Campo(0, 0, 1, 10, 10), Campo(0, 1, 2, 10, 40), Campo(0, 2, 3, 10, 70),
                         Campo(6, 0, 4, 10, 100), Campo(15, 0, 5, 10, 160)};
        for (int i = 0; i < 5; ++i) {
            vista->campos[i].codigo = i + 1;
            vista->campos[i].longMax = vista->campos[i].longVisible = 20;
        }
        vista->campos[kNum].longMax = 6;  // two decimals: four integer digits
        vista->campos[kNum].decimales = 2;
        vista->campos[kNum].variante = 1;
        vista->campos[kMulti].y2 = 150;
        vista->campos[kColor].y2 = 210;
        Respuesta(com, "00");
        vista->CreaPantalla();
        ControlDef& c = vista->campos[row.campo];
        c.estado = row.estado;
        if (row.server)
            c.control->SetValue(row.server);
        if (row.shown)
            SetWindowTextA(c.control->Window(), row.shown);
        const std::string shown = Texto(c.control->Window());

        EXPECT_EQ(vista->CampoRefusado(), row.refused ? row.campo : -1);
        ASSERT_TRUE(vista->PreparaMisOut());
        char valor[64] = {};
        char codi[3] = {};
        GetCodedField(com.trama + 50, valor, codi, row.campo + 1, sizeof valor);
        EXPECT_STREQ(valor, row.sent);
        EXPECT_EQ(c.valor, row.sent);
        // Asking changes nothing the user sees, and tells what leaving the field then does.
        EXPECT_EQ(Texto(c.control->Window()), shown);
        // Leaving refuses what an exchange refuses, and also the server's refused values (every
        // value of the table that the server gave and no one typed over is one).
        EXPECT_EQ(c.control->TextRefusat(), row.refused);
        EXPECT_EQ(c.control->Validate() == 1, row.refused || (row.server && !row.shown));
    }
}

// The refusal box of an exchange: shown once for a text, the field focused to be corrected.
TEST_F(VistaProva, AnExchangeRefusedForATextTellsItOnce)
{
    vista->campos = {Campo(0, 0, 1, 10, 10), Campo(0, 1, 2, 10, 40)};
    vista->campos[0].longMax = 6;
    vista->campos[0].decimales = 2;
    Respuesta(com, "00");
    vista->CreaPantalla();
    const HWND num = Ventana(0);
    Enfoca(1);
    EXPECT_FALSE(vista->RefusaIntercanvi());

    MsgBoxRecorder cajas;
    SetWindowTextA(num, "12345");
    EXPECT_TRUE(vista->RefusaIntercanvi());
    ASSERT_EQ(cajas.Boxes().size(), 1u);
    EXPECT_EQ(cajas.Boxes()[0].text, "Valor incorrecto");
    EXPECT_EQ(cajas.Boxes()[0].caption, "Error");
    EXPECT_EQ(cajas.Boxes()[0].type, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(cajas.Boxes()[0].owner, ventana->hwnd);
    EXPECT_EQ(GetFocus(), num);
    // The same text again: the user has been told (leaving the field showed it, or the last try).
    EXPECT_TRUE(vista->RefusaIntercanvi());
    EXPECT_EQ(cajas.Boxes().size(), 1u);
    // Another refused text is told anew; a mended one lets the exchange go.
    SetWindowTextA(num, "99999");
    EXPECT_TRUE(vista->RefusaIntercanvi());
    EXPECT_EQ(cajas.Boxes().size(), 2u);
    SetWindowTextA(num, "9999");
    EXPECT_FALSE(vista->RefusaIntercanvi());
    // Once an exchange went, the old refusal is forgotten.
    SetWindowTextA(num, "99999");
    EXPECT_TRUE(vista->RefusaIntercanvi());
    EXPECT_EQ(cajas.Boxes().size(), 3u);
    EXPECT_EQ(Texto(num), "99999");
}
