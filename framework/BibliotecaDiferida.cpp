#include "framework/BibliotecaDiferida.h"

#include "framework/ErrorBox.h"

namespace Win {

BibliotecaDiferida::~BibliotecaDiferida()
{
    if (modul_)
        FreeLibrary(modul_);
}

bool BibliotecaDiferida::Obre()
{
    modul_ = LoadLibraryA(fitxer_);
    if (!modul_)
        falta_ = ", cod. " + std::to_string(GetLastError());
    return modul_ != nullptr;
}

FARPROC BibliotecaDiferida::Adreca(const char* nom)
{
    const FARPROC adreca = GetProcAddress(modul_, nom);
    if (!adreca && falta_.empty())
        falta_ = ": falta " + std::string(nom);
    return adreca;
}

bool BibliotecaDiferida::Acaba()
{
    if (falta_.empty())
        return true;
    ErrorBox::Show("Error cargando " + std::string(fitxer_) + falta_);
    return false;
}

} // namespace Win
