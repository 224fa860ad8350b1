#include "documents/Programes.h"

#include "app/Configuracio.h"
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

} // namespace

bool IniciaVisor(const std::string& programa, const std::string& ruta)
{
    // "1" stands where the program's own name would: the command line reads 1 and the path.
    return Inicia(programa, "1 " + Cita(ruta));
}

std::string TextError(DWORD codi)
{
    const std::string text = Win::TextErrorSistema(codi);
    return text.empty() ? std::to_string(codi) : text;
}

bool Obre(HWND propietari, const std::string& ruta)
{
    if (configuracio.so == 2)
        return IniciaVisor(kLlancador, ruta);
    if (ruta.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return false;
    }
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    // The client says itself what failed: no box of the system's as well.
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.hwnd = propietari;
    info.lpVerb = "open";
    info.lpFile = ruta.c_str();
    info.nShow = SW_SHOWMAXIMIZED;
    return Win::ShellExecutaEx(info);
}

bool ObreDocument(const std::string& ruta)
{
    if (Obre(nullptr, ruta))
        return true;
    if (configuracio.so == 2)
        return false;
    const DWORD codi = GetLastError();
    std::string text = "No se ha podido abrir el documento: \n" + ruta + "\nError: " + TextError(codi);
    if (text.size() > kMaxMissatge)
        text.resize(kMaxMissatge);
    Win::MsgBox::Show(nullptr, text.c_str(), "Error", MB_ICONINFORMATION);
    return false;
}

} // namespace Programes
