// Building a 300-field screen against creating 300 bare windows of the same classes: prints the
// ratio of the two best times over several rounds. Not a test; run by tools/bench.sh.
#include "app/Configuracio.h"
#include "framework/WinClass.h"
#include "framework/WinMaker.h"
#include "framework/Controller.h"
#include "link/Comunicador.h"
#include "screens/Vista.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int kCampos = 300;
constexpr int kRondas = 30;

double Ahora()
{
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

// A third each of text fields, check boxes and buttons, none with a separate label, so that
// both sides make exactly 300 windows.
std::vector<ControlDef> Campos()
{
    std::vector<ControlDef> campos;
    for (int i = 0; i < kCampos; ++i) {
        ControlDef d;
        d.codigo = i + 1;
        d.x1 = 10 + (i % 10) * 90;
        d.y1 = 10 + (i / 10) * 20;
        d.posEtiqueta = 2;
        d.orden = i + 1;
        d.longMax = d.longVisible = 8;
        d.ayuda1 = "1,1,1,1";
        d.etiqueta = "Campo";
        switch (i % 3) {
        case 0: d.tipo = 0; d.subtipo = 1; break;
        case 1: d.tipo = 1; d.subtipo = 6; break;
        default: d.tipo = 2; d.subtipo = 4; break;
        }
        campos.push_back(d);
    }
    return campos;
}

void Bombea()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

} // namespace

int main()
{
    INITCOMMONCONTROLSEX cc = {sizeof cc, ICC_WIN95_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&cc);
    Win::WinClass clase("KorvuBench", GetModuleHandleA(nullptr));
    clase.Register();
    Win::Controller controlador;
    Win::WinMaker maker("KorvuBench", GetModuleHandleA(nullptr));
    maker.SetSize(1000, 700);
    const HWND ventana = maker.Create(&controlador, "bench");
    ShowWindow(ventana, SW_SHOW);

    Comunicador com;
    unsigned char filtro = 0;
    Vista vista(ventana, &com, &filtro);
    vista.idPantalla = "EsBENCH        ";
    // A reply whose field 12 carries no offset.
    const char respuesta[] = "xx\xFFxx\xFFxx\xFFxx\xFFxx\xFFxx\xFFxx\xFFxx\xFFxx\xFFxx\xFFxx\xFF" "00";
    std::memcpy(com.trama + 50, respuesta, sizeof respuesta);
    const std::vector<ControlDef> modelo = Campos();

    double mejorPantalla = 1e9;
    double mejorVentanas = 1e9;
    for (int r = 0; r < kRondas; ++r) {
        vista.campos = modelo;
        double t = Ahora();
        vista.CreaPantalla();
        // Made when the mouse first comes over the screen, the tooltips are still part of its cost.
        vista.AseguraToolTips();
        mejorPantalla = std::min(mejorPantalla, Ahora() - t);
        vista.BorraCampos();
        Bombea();

        std::vector<HWND> ventanas;
        ventanas.reserve(kCampos);
        t = Ahora();
        for (const ControlDef& d : modelo) {
            const char* cls = d.tipo == 0 ? "EDIT" : "BUTTON";
            const DWORD estilo = WS_CHILD | WS_VISIBLE | WS_TABSTOP |
                                 (d.tipo == 1 ? BS_AUTOCHECKBOX : d.tipo == 2 ? BS_PUSHBUTTON : ES_AUTOHSCROLL);
            ventanas.push_back(CreateWindowExA(d.tipo == 0 ? WS_EX_CLIENTEDGE : 0, cls, d.tipo == 0 ? nullptr : "Campo",
                                               estilo, d.x1, d.y1, 80, 18, ventana, nullptr,
                                               GetModuleHandleA(nullptr), nullptr));
        }
        mejorVentanas = std::min(mejorVentanas, Ahora() - t);
        for (HWND h : ventanas)
            DestroyWindow(h);
        Bombea();
    }
    std::printf("(b) 300-field screen built / 300 bare windows created: %.2f (%.1f ms / %.1f ms)\n",
                mejorPantalla / mejorVentanas, mejorPantalla * 1000, mejorVentanas * 1000);
    DestroyWindow(ventana);
    return 0;
}
