#include "documents/Programes.h"

#include "app/Configuracio.h"
#include "framework/BibliotequesSistema.h"
#include "framework/MsgBox.h"

#include <vector>

namespace Programes {

namespace {

// Failure boxes were built in buffers of 300 characters: a longer text is cut, not overrun.
constexpr std::size_t kMaxMissatge = 299;

static_assert(SW_SHOWMAXIMIZED == 3 && MB_ICONINFORMATION == 0x40, "the document window and its failure box");

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
    std::vector<char> ordre(linia.begin(), linia.end());
    ordre.push_back('\0');
    STARTUPINFOA inici = {};
    inici.cb = sizeof inici;
    PROCESS_INFORMATION proces = {};
    if (!CreateProcessA(programa.c_str(), ordre.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &inici, &proces))
        return false;
    CloseHandle(proces.hThread);
    CloseHandle(proces.hProcess);
    return true;
}

bool IniciaVisor(const std::string& programa, const std::string& ruta)
{
    // "1" stands where the program's own name would: the command line reads 1 and the path.
    return Inicia(programa, "1 " + Cita(ruta));
}

std::string TextError(DWORD codi)
{
    const std::string text = Configuracio::TextErrorSistema(codi);
    return text.empty() ? std::to_string(codi) : text;
}

bool ObreDocument(const std::string& ruta)
{
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.lpVerb = "open";
    info.lpFile = ruta.c_str();
    info.nShow = SW_SHOWMAXIMIZED;
    if (Win::ShellExecutaEx(info))
        return true;
    const DWORD codi = GetLastError();
    std::string text = "No se ha podido abrir el documento: \n" + ruta + "\nError: " + TextError(codi);
    if (text.size() > kMaxMissatge)
        text.resize(kMaxMissatge);
    Win::MsgBox::Show(nullptr, text.c_str(), "Error", MB_ICONINFORMATION);
    return false;
}

bool ObreAmbFinestra(HWND finestra, const std::string& ruta)
{
    const HINSTANCE r = Win::ShellExecuta(finestra, "open", ruta.c_str(), nullptr, nullptr,
                                           SW_SHOWMAXIMIZED);
    return reinterpret_cast<INT_PTR>(r) > 32;
}

} // namespace Programes
