#include "documents/Programes.h"

#include "framework/BibliotequesSistema.h"
#include "framework/ErrorSistema.h"
#include "framework/MsgBox.h"
#include "screens/Llancador.h"

#include <shellapi.h>

namespace Programes {

namespace {

// The longest text a failure box shows; a longer one is cut.
constexpr std::size_t kMaxMissatge = 299;

static_assert(SW_SHOWMAXIMIZED == 3 && MB_ICONINFORMATION == 0x40, "the document window and its failure box");

// The one choice between the launcher and the shell; `shell` opens a path that is not empty.
template <class Shell>
Obertura Obre(const std::string& ruta, Shell shell)
{
    if (PerLlancador())
        return LlancaDocument(ruta) ? Obertura::Oberta : Obertura::LlancadorFallat;
    if (ruta.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return Obertura::ShellFallat;
    }
    return shell() ? Obertura::Oberta : Obertura::ShellFallat;
}

} // namespace

Obertura ObreDocument(const std::string& ruta)
{
    const Obertura obertura = Obre(ruta, [&] {
        // No flags: for a type that no program opens, the system's own prompt lets the user
        // pick one.
        SHELLEXECUTEINFOA info = {};
        info.cbSize = sizeof info;
        info.lpVerb = "open";
        info.lpFile = ruta.c_str();
        info.nShow = SW_SHOWMAXIMIZED;
        return Win::ShellExecutaEx(info);
    });
    if (obertura == Obertura::ShellFallat) {
        std::string text = "No se ha podido abrir el documento: \n" + ruta + "\nError: " + Win::TextError(GetLastError());
        if (text.size() > kMaxMissatge)
            text.resize(kMaxMissatge);
        Win::MsgBox::Show(nullptr, text.c_str(), "Error", MB_ICONINFORMATION);
    }
    return obertura;
}

Obertura ObreInforme(HWND finestra, const std::string& ruta)
{
    return Obre(ruta, [&] {
        const HINSTANCE r = Win::ShellExecuta(finestra, "open", ruta.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
        return reinterpret_cast<INT_PTR>(r) > 32;
    });
}

} // namespace Programes
