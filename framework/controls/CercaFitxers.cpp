#include "framework/controls/CercaFitxers.h"

namespace Win {

int CercaFitxers::obertes_ = 0;

CercaFitxers::CercaFitxers(const char* patro)
{
    handle_ = FindFirstFileA(patro, &primera_);
    if (handle_ != INVALID_HANDLE_VALUE) {
        ++obertes_;
        tePrimera_ = true;
    }
}

CercaFitxers::~CercaFitxers()
{
    if (handle_ != INVALID_HANDLE_VALUE) {
        FindClose(handle_);
        --obertes_;
    }
}

bool CercaFitxers::Seguent(WIN32_FIND_DATAA& entrada)
{
    if (handle_ == INVALID_HANDLE_VALUE)
        return false;
    if (tePrimera_) {
        tePrimera_ = false;
        entrada = primera_;
        return true;
    }
    return FindNextFileA(handle_, &entrada) != FALSE;
}

} // namespace Win
