#ifndef KORVU_FRAMEWORK_CONTROLS_CERCAFITXERS_H
#define KORVU_FRAMEWORK_CONTROLS_CERCAFITXERS_H

#include <windows.h>

namespace Win {

// One search of a folder (FindFirstFileA / FindNextFileA), closed exactly once. The count of
// open ones lets tests see a leak.
class CercaFitxers {
public:
    explicit CercaFitxers(const char* patro);
    ~CercaFitxers();
    CercaFitxers(const CercaFitxers&) = delete;
    CercaFitxers& operator=(const CercaFitxers&) = delete;

    // The next entry, the first one on the first call; false at the end or when nothing matched.
    bool Seguent(WIN32_FIND_DATAA& entrada);

    static int Obertes() { return obertes_; }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAA primera_ = {};
    bool tePrimera_ = false;
    static int obertes_;
};

} // namespace Win

#endif
