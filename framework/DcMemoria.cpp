#include "framework/DcMemoria.h"

#include "framework/DcFinestra.h"

namespace Win {

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
    seleccio_.emplace(dc_, objecte);
    if (!seleccio_->Fet()) {
        seleccio_.reset();
        return false;
    }
    return true;
}

void DcMemoria::Restaura()
{
    seleccio_.reset();
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
