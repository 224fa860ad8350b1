// Start-up time of a program until it is ready for input: started, watched until its own
// window with the given caption is visible (for the client, its login screen's "Aceptar" button
// too), then until WaitForInputIdle returns and a WM_NULL sent to that window is answered (the
// window is painted, focused and its thread waits in its message loop), then ended. Prints the
// best of the runs in milliseconds (what else the machine does at the time only ever adds).
//   banc_arrencada [--marques] EXE CAPTION RUNS [CONTROL_TEXT]
// With --marques the program is the benchmark's build of the client: a second line gives, for
// the best run, the milliseconds from the start to each of its start-up marks (BlocMarques.h),
// then to the moments this program saw the window visible and the input idle.
#include "tools/bench/BlocMarques.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr double kLimitMs = 30000;

// Only the started process's windows count: another program may show the same caption.
struct CercaFinestra {
    DWORD proces;
    const char* titol;
    HWND trobada;
};

bool TeText(HWND w, const char* text)
{
    char llegit[256] = {};
    GetWindowTextA(w, llegit, sizeof llegit);
    return std::strcmp(llegit, text) == 0;
}

BOOL CALLBACK PerProces(HWND w, LPARAM p)
{
    auto* c = reinterpret_cast<CercaFinestra*>(p);
    DWORD proces = 0;
    GetWindowThreadProcessId(w, &proces);
    if (proces == c->proces && IsWindowVisible(w) && TeText(w, c->titol)) {
        c->trobada = w;
        return FALSE;
    }
    return TRUE;
}

struct CercaControl {
    const char* text;
    bool trobat;
};

BOOL CALLBACK PerText(HWND w, LPARAM p)
{
    auto* c = reinterpret_cast<CercaControl*>(p);
    if (IsWindowVisible(w) && TeText(w, c->text)) {
        c->trobat = true;
        return FALSE;
    }
    return TRUE;
}

double Freq()
{
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart) / 1000.0;
}

long long Ticks()
{
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

struct Run {
    double total;
    std::vector<double> marques;
};

// The window of the process once it and its control are visible; null when the time runs out.
HWND EsperaVisible(const PROCESS_INFORMATION& pi, const char* titol, const char* control, long long t0,
                   double perMs)
{
    while ((Ticks() - t0) / perMs < kLimitMs) {
        CercaFinestra f = {pi.dwProcessId, titol, nullptr};
        EnumWindows(PerProces, reinterpret_cast<LPARAM>(&f));
        if (f.trobada) {
            CercaControl c = {control, control == nullptr};
            if (control)
                EnumChildWindows(f.trobada, PerText, reinterpret_cast<LPARAM>(&c));
            if (c.trobat)
                return f.trobada;
        }
        Sleep(1);
    }
    return nullptr;
}

DWORD Queda(long long t0, double perMs)
{
    const double queda = kLimitMs - (Ticks() - t0) / perMs;
    return queda > 1 ? static_cast<DWORD>(queda) : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const bool ambMarques = argc > 1 && std::strcmp(argv[1], "--marques") == 0;
    if (ambMarques) {
        --argc;
        ++argv;
    }
    if (argc < 4)
        return 2;
    const char* control = argc > 4 ? argv[4] : nullptr;
    const double perMs = Freq();

    long long* bloc = nullptr;
    if (ambMarques) {
        HANDLE m = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      sizeof(long long) * BlocMarques::kMarques, BlocMarques::kNom);
        bloc = m ? static_cast<long long*>(MapViewOfFile(m, FILE_MAP_WRITE, 0, 0, 0)) : nullptr;
        if (!bloc)
            return 1;
    }

    std::vector<Run> runs;
    for (int i = 0; i < std::atoi(argv[3]); ++i) {
        if (bloc)
            std::memset(bloc, 0, sizeof(long long) * BlocMarques::kMarques);
        std::string linia = std::string("\"") + argv[1] + "\"";
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi = {};
        const long long t0 = Ticks();
        if (!CreateProcessA(argv[1], &linia[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
            return 1;
        const HWND w = EsperaVisible(pi, argv[2], control, t0, perMs);
        const long long tVist = Ticks();
        const bool inactiu = w && WaitForInputIdle(pi.hProcess, Queda(t0, perMs)) == 0;
        const long long tInactiu = Ticks();
        DWORD_PTR resultat = 0;
        const bool llest = inactiu && SendMessageTimeoutA(w, WM_NULL, 0, 0, SMTO_NORMAL, Queda(t0, perMs), &resultat);
        Run run = {(Ticks() - t0) / perMs, {}};
        TerminateProcess(pi.hProcess, 0);
        WaitForSingleObject(pi.hProcess, 10000);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        if (!llest)
            return 1;
        for (int m = 0; bloc && m < BlocMarques::kMarques; ++m)
            run.marques.push_back(bloc[m] ? (bloc[m] - t0) / perMs : -1.0);
        if (bloc) {
            run.marques.push_back((tVist - t0) / perMs);
            run.marques.push_back((tInactiu - t0) / perMs);
        }
        runs.push_back(run);
    }
    if (runs.empty())
        return 2;
    const Run& millor =
        *std::min_element(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.total < b.total; });
    std::printf("%.1f\n", millor.total);
    if (ambMarques) {
        std::printf("marques");
        for (double m : millor.marques)
            std::printf(" %.1f", m);
        std::printf("\n");
    }
    return 0;
}
