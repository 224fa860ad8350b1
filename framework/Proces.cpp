#include "framework/Proces.h"

#include <windows.h>

#include <vector>

namespace Win::Proces {

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
    std::vector<char> ordre(linia.begin(), linia.end());
    ordre.push_back('\0');
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

} // namespace Win::Proces
