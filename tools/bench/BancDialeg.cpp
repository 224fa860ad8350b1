// One values exchange with the screen standing (request written, sent, reply received and
// applied), timed over many exchanges, against a bare socket round trip of the same bytes to
// the same server. Run by tools/bench.sh as the client of tools/bench/dialeg.py with "/i".
#include "app/Configuracio.h"
#include "framework/WinClass.h"
#include "framework/WinMaker.h"
#include "link/Comunicador.h"
#include "link/Xifrat.h"
#include "screens/TopController.h"
#include "screens/Peticio.h"
#include "framework/controls/ControlBase.h"
#include "screens/Vista.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

unsigned char filtreCaracters = 0;

namespace {

double Ara()
{
    static LARGE_INTEGER f = [] {
        LARGE_INTEGER x;
        QueryPerformanceFrequency(&x);
        return x;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

bool RepTot(SOCKET s, char* b, int n)
{
    while (n > 0) {
        const int r = recv(s, b, n, 0);
        if (r <= 0)
            return false;
        b += r;
        n -= r;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    const int n = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int codi = argc > 2 ? std::atoi(argv[2]) : 12;
    const HINSTANCE instancia = GetModuleHandleA(nullptr);
    try {
        configuracio.Carrega("korvuc.cfg");
        configuracio.EntregaAjustos();
        Win::WinClass classe("Korvuc", instancia);
        classe.Register();
        Win::WinMaker maker("Korvuc", instancia);
        TopController t(&filtreCaracters);
        HWND w = maker.Create(&t, "banc");
        if (!w || !t.vista || t.comunicador.estat != Comunicador::kConnectat) {
            std::printf("bench: no login\n");
            return 1;
        }
        int disparador = -1;
        for (std::size_t i = 0; i < t.vista->campos.size(); ++i)
            if (t.vista->campos[i].codigo == codi)
                disparador = static_cast<int>(i);
        if (disparador < 0) {
            std::printf("bench: no field %d on %s\n", codi, t.vista->idPantalla.c_str());
            return 1;
        }

        // With KORVU_BENCH_PARTS set, the cost of each step of an exchange on its own first.
        const std::vector<char> resposta0(t.comunicador.trama, t.comunicador.trama + sizeof t.comunicador.trama);
        if (std::getenv("KORVU_BENCH_PARTS")) {
            auto mesura = [&](const char* nom, auto f) {
                const double a = Ara();
                for (int i = 0; i < n; ++i)
                    f();
                std::printf("part %s %.1f ms\n", nom, Ara() - a);
            };
            std::vector<char> copia(t.comunicador.trama, t.comunicador.trama + sizeof t.comunicador.trama);
            mesura("semafor", [&] { configuracio.EstatTransmissio(1); configuracio.EstatTransmissio(0); });
            mesura("ocupat", [&] { t.vista->SetEstatVista(1); t.vista->SetEstatVista(0); });
            mesura("centra", [&] { t.vista->CentraVentana(); });
            mesura("so", [&] { t.vista->AvisoSonoro(); });
            mesura("focus", [&] { t.vista->FocusNou(); InvalidateRect(w, nullptr, TRUE); });
            mesura("carrega", [&] { std::memcpy(t.comunicador.trama, copia.data(), copia.size()); t.vista->CargaDatos(); });
            mesura("prepara", [&] { std::memcpy(t.comunicador.trama, copia.data(), copia.size()); t.vista->campoDisparo = disparador; t.vista->PreparaMisOut(); });
            struct L : Peticio::LectorValor {
                std::string Valor(int, const ControlDef& c) override { return c.valor; }
            } l;
            mesura("nucli", [&] { std::memcpy(t.comunicador.trama, copia.data(), copia.size()); Peticio::EscriuValors(t.comunicador.trama, t.vista->campos, disparador, 1, l); });
            mesura("getvalue", [&] { for (auto& c : t.vista->campos) if (c.control && c.subtipo != 4) { std::vector<char> b(8196); c.control->GetValue(b.data(), 8196); } });
            std::memcpy(t.comunicador.trama, copia.data(), copia.size());
        }
        // The request of this screen once, enciphered as the link sends it, for the bare side.
        t.vista->campoDisparo = disparador;
        t.vista->PreparaMisOut();
        const int total = static_cast<int>(std::strlen(t.comunicador.trama)) + 1 + 3;
        std::vector<char> wire(total);
        XifraTramesa(t.comunicador.trama, wire.data(), total, 0);
        std::memcpy(t.comunicador.trama, resposta0.data(), resposta0.size());
        std::vector<char> resposta(8200);
        const SOCKET s = t.comunicador.sock;

        // Rounds of both sides in turn; the best round of each counts, so that what else the
        // machine does at the time weighs on neither.
        const int rondes = n >= 100 ? 10 : 1;
        const int perRonda = n / rondes;
        double millorDialeg = 1e30, millorSocol = 1e30;
        for (int r = 0; r < rondes; ++r) {
            const double t0 = Ara();
            for (int i = 0; i < perRonda; ++i) {
                t.vista->campoDisparo = disparador;
                if (!t.ProcessaTramesa()) {
                    std::printf("bench: exchange %d failed\n", i);
                    return 1;
                }
            }
            millorDialeg = std::min(millorDialeg, Ara() - t0);
            const double t1 = Ara();
            for (int i = 0; i < perRonda; ++i) {
                if (send(s, wire.data(), total, 0) != total || !RepTot(s, resposta.data(), 3)) {
                    std::printf("bench: bare round trip %d failed\n", i);
                    return 1;
                }
                const int llarg = (static_cast<unsigned char>(resposta[0]) << 8) |
                                  static_cast<unsigned char>(resposta[1]);
                if (llarg < 4 || llarg > 8200 || !RepTot(s, resposta.data() + 3, llarg - 3)) {
                    std::printf("bench: bare reply %d broken\n", i);
                    return 1;
                }
            }
            millorSocol = std::min(millorSocol, Ara() - t1);
        }
        std::printf("exchanges=%d exchange_ms=%.1f bare_ms=%.1f ratio=%.3f (best of %d rounds, per %d)\n",
                    rondes * perRonda, millorDialeg * rondes, millorSocol * rondes,
                    millorDialeg / millorSocol, rondes, perRonda);
        DestroyWindow(w);
        return 0;
    } catch (...) {
        std::printf("bench: failure\n");
        return 1;
    }
}
