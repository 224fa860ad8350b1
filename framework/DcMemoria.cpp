#include "framework/DcMemoria.h"

namespace Win {

namespace detail {
extern int dcsVius;
}

DcMemoria::DcMemoria(HDC compatible) : dc_(CreateCompatibleDC(compatible))
{
    if (dc_)
        ++detail::dcsVius;
}

DcMemoria::~DcMemoria()
{
    Restaura();
    if (dc_ && DeleteDC(dc_))
        --detail::dcsVius;
}

bool DcMemoria::Selecciona(HGDIOBJ objecte)
{
    Restaura();
    if (!dc_ || !objecte)
        return false;
    const HGDIOBJ anterior = SelectObject(dc_, objecte);
    if (!anterior || anterior == HGDI_ERROR)
        return false;
    anterior_ = anterior;
    return true;
}

void DcMemoria::Restaura()
{
    if (dc_ && anterior_) {
        SelectObject(dc_, anterior_);
        anterior_ = nullptr;
    }
}

bool EstiraBitmap(HDC dc, HBITMAP bitmap, int ample, int alt)
{
    BITMAP info = {};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info))
        return false;
    DcMemoria memoria(dc);
    if (!memoria.Selecciona(bitmap))
        return false;
    StretchBlt(dc, 0, 0, ample, alt, memoria.Get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    return true;
}

} // namespace Win
