// Start-up time of a program until its window with the given caption is shown: started,
// watched until the window is visible and, for the client, its login screen's "Aceptar"
// button too, then ended. Prints the best of the runs in milliseconds (what else the machine
// does at the time only ever adds).
//   banc_arrencada EXE CAPTION RUNS [CONTROL_TEXT]
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

double Ara()
{
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4)
        return 2;
    const char* control = argc > 4 ? argv[4] : nullptr;
    std::vector<double> temps;
    for (int i = 0; i < std::atoi(argv[3]); ++i) {
        std::string linia = std::string("\"") + argv[1] + "\"";
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi = {};
        const double t0 = Ara();
        if (!CreateProcessA(argv[1], &linia[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
            return 1;
        bool vist = false;
        while (Ara() - t0 < 30000 && !vist) {
            HWND w = FindWindowA(nullptr, argv[2]);
            if (w && IsWindowVisible(w)) {
                Cerca c = {control, control == nullptr};
                if (control)
                    EnumChildWindows(w, PerText, reinterpret_cast<LPARAM>(&c));
                vist = c.trobat;
            }
            if (!vist)
                Sleep(1);
        }
        const double t = Ara() - t0;
        TerminateProcess(pi.hProcess, 0);
        WaitForSingleObject(pi.hProcess, 10000);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        if (!vist)
            return 1;
        temps.push_back(t);
    }
    std::sort(temps.begin(), temps.end());
    std::printf("%.1f\n", temps.front());
    return 0;
}
