#include "framework/BibliotecaDiferida.h"

#include "framework/ErrorBox.h"
#include "framework/ErrorSistema.h"

namespace Win {

bool BibliotecaDiferida::Carrega()
{
    modul_ = LoadLibraryA(fitxer_);
    if (!modul_) {
        const DWORD codi = GetLastError();
        std::string text = TextErrorSistema(codi);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
            text.pop_back();
        falta_ = ", cod. " + std::to_string(codi) + (text.empty() ? "" : " " + text);
    }
    return modul_ != nullptr;
}

FARPROC BibliotecaDiferida::Adreca(const char* nom)
{
    const FARPROC adreca = GetProcAddress(modul_, nom);
    if (!adreca && falta_.empty())
        falta_ = ": falta " + std::string(nom);
    return adreca;
}

void BibliotecaDiferida::MostraErrorUnCop()
{
    if (!mostrat_.exchange(true))
        ErrorBox::Show("Error cargando " + std::string(fitxer_) + falta_);
}

} // namespace Win
