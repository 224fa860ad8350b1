#include "framework/ErrorSistema.h"

#include <windows.h>

namespace Win {

std::string TextErrorSistema(unsigned long codi)
{
    char* text = nullptr;
    const DWORD mida = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                          | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, codi, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                                      reinterpret_cast<char*>(&text), 0, nullptr);
    std::string resultat = mida && text ? std::string(text, mida) : std::string();
    if (text)
        LocalFree(text);
    return resultat;
}

std::string TextError(unsigned long codi)
{
    const std::string text = TextErrorSistema(codi);
    return text.empty() ? std::to_string(codi) : text;
}

std::string FormataErrorWindows(const std::string& ref)
{
    const DWORD codi = GetLastError();
    return "Error ref. " + ref + ", cod. " + std::to_string(codi) + " " + TextErrorSistema(codi);
}

} // namespace Win
