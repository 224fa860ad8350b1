#include "framework/Proces.h"

#include <windows.h>

#include <vector>

namespace Win::Proces {

namespace {

// A command line as CreateProcessA takes it: writable and ended by a NUL.
std::vector<char> Ordre(const std::string& linia)
{
    std::vector<char> ordre(linia.begin(), linia.end());
    ordre.push_back('\0');
    return ordre;
}

} // namespace

std::string Cita(const std::string& argument)
{
    std::string out = "\"";
    std::size_t barres = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++barres;
            continue;
        }
        // Backslashes before a quote are doubled, and the quote itself escaped.
        out.append(c == '"' ? barres * 2 + 1 : barres, '\\');
        barres = 0;
        out += c;
    }
    out.append(barres * 2, '\\');
    out += '"';
    return out;
}

bool Inicia(const std::string& programa, const std::string& linia)
{
    std::vector<char> ordre = Ordre(linia);
    STARTUPINFOA inici = {};
    inici.cb = sizeof inici;
    PROCESS_INFORMATION proces = {};
    // With the program named, the system looks for it in the current folder only.
    if (!CreateProcessA(programa.c_str(), ordre.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &inici, &proces))
        return false;
    CloseHandle(proces.hThread);
    CloseHandle(proces.hProcess);
    return true;
}

Final Executa(const std::string& linia, int mostra, unsigned long espera, unsigned long& sortida)
{
    std::vector<char> ordre = Ordre(linia);
    STARTUPINFOA inici = {};
    inici.cb = sizeof inici;
    inici.dwFlags = STARTF_USESHOWWINDOW;
    inici.wShowWindow = static_cast<WORD>(mostra);
    PROCESS_INFORMATION proces = {};
    if (!CreateProcessA(nullptr, ordre.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &inici, &proces))
        return Final::NoIniciat;
    const bool acabat = WaitForSingleObject(proces.hProcess, espera) == WAIT_OBJECT_0;
    if (acabat) {
        DWORD codi = 1;
        GetExitCodeProcess(proces.hProcess, &codi);
        sortida = codi;
    } else {
        TerminateProcess(proces.hProcess, 1);
        WaitForSingleObject(proces.hProcess, 5000);
    }
    CloseHandle(proces.hThread);
    CloseHandle(proces.hProcess);
    return acabat ? Final::Acabat : Final::Aturat;
}

} // namespace Win::Proces
