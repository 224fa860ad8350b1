#ifndef KORVU_FRAMEWORK_CONTROLS_DCMEMORIA_H
#define KORVU_FRAMEWORK_CONTROLS_DCMEMORIA_H

#include <windows.h>

namespace Win {

// A memory device context compatible with another, holding one bitmap for a blit. Released by
// selecting the old bitmap back, then DeleteDC. The count of live ones lets tests see a leak.
class DCMemoria {
public:
    DCMemoria(HDC compatible, HBITMAP bitmap);
    ~DCMemoria();
    DCMemoria(const DCMemoria&) = delete;
    DCMemoria& operator=(const DCMemoria&) = delete;

    // Null when the context could not be made or the bitmap not selected.
    HDC Get() const { return seleccionat_ ? dc_ : nullptr; }

    static int Vius() { return vius_; }

private:
    HDC dc_ = nullptr;
    HGDIOBJ vell_ = nullptr;
    bool seleccionat_ = false;
    static int vius_;
};

} // namespace Win

#endif
