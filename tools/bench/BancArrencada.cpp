// Start-up time of a program until its window with the given caption is shown: started,
// watched until the window is visible and, for the client, its login screen's "Aceptar"
// button too, then ended. Prints the best of the runs in milliseconds (what else the machine
// does at the time only ever adds).
//   banc_arrencada [--marques] EXE CAPTION RUNS [CONTROL_TEXT]
// With --marques the program is the benchmark's build of the client: a second line gives, for
// the best run, the milliseconds from the start to each of its start-up marks (BlocMarques.h).
#include "tools/bench/BlocMarques.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Cerca {
    const char* text;
    bool trobat;
};

BOOL CALLBACK PerText(HWND w, LPARAM p)
{
    auto* c = reinterpret_cast<Cerca*>(p);
    char text[256] = {};
    GetWindowTextA(w, text, sizeof text);
    if (IsWindowVisible(w) && std::strcmp(text, c->text) == 0) {
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

// The shown window of the started process with this caption: a window of another program
// with the same caption must not stop the clock.
HWND Finestra(DWORD proces, const char* titol)
{
    for (HWND w = FindWindowExA(nullptr, nullptr, nullptr, titol); w; w = FindWindowExA(nullptr, w, nullptr, titol)) {
        DWORD p = 0;
        GetWindowThreadProcessId(w, &p);
        if (p == proces && IsWindowVisible(w))
            return w;
    }
    return nullptr;
}

struct Run {
    double total;
    std::vector<double> marques;
};

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
        bool vist = false;
        while ((Ticks() - t0) / perMs < 30000 && !vist) {
            if (HWND w = Finestra(pi.dwProcessId, argv[2])) {
                Cerca c = {control, control == nullptr};
                if (control)
                    EnumChildWindows(w, PerText, reinterpret_cast<LPARAM>(&c));
                vist = c.trobat;
            }
            if (!vist)
                Sleep(1);
        }
        Run run = {(Ticks() - t0) / perMs, {}};
        TerminateProcess(pi.hProcess, 0);
        WaitForSingleObject(pi.hProcess, 10000);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        if (!vist)
            return 1;
        for (int m = 0; bloc && m < BlocMarques::kMarques; ++m)
            run.marques.push_back(bloc[m] ? (bloc[m] - t0) / perMs : -1.0);
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
