#include "screens/FitxerDisc.h"

#include <algorithm>

FitxerDisc::~FitxerDisc()
{
    Tanca();
}

bool FitxerDisc::ObreLectura(const std::string& nom)
{
    Tanca();
    h_ = CreateFileA(nom.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                     nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    return Obert();
}

bool FitxerDisc::CreaEscriptura(const std::string& nom)
{
    Tanca();
    h_ = CreateFileA(nom.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
    return Obert();
}

std::size_t FitxerDisc::Llegeix(char* destination, std::size_t max)
{
    DWORD llegits = 0;
    const DWORD demanats = static_cast<DWORD>(std::min<std::size_t>(max, 1u << 30));
    if (!ReadFile(h_, destination, demanats, &llegits, nullptr))
        throw ErrorLectura(GetLastError());
    return llegits;
}

void FitxerDisc::Escriu(const char* bytes, std::size_t n)
{
    while (n > 0) {
        DWORD escrits = 0;
        const DWORD tros = static_cast<DWORD>(std::min<std::size_t>(n, 1u << 30));
        if (!WriteFile(h_, bytes, tros, &escrits, nullptr) || escrits == 0)
            throw ErrorEscriptura(GetLastError());
        bytes += escrits;
        n -= escrits;
    }
}

bool FitxerDisc::TancaEscrit()
{
    const bool buidat = FlushFileBuffers(h_) != 0;
    const bool tancat = CloseHandle(h_) != 0;
    h_ = INVALID_HANDLE_VALUE;
    return buidat && tancat;
}

void FitxerDisc::Tanca()
{
    if (Obert())
        CloseHandle(h_);
    h_ = INVALID_HANDLE_VALUE;
}
