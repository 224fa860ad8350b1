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

void DcMemoria::Selecciona(HGDIOBJ objecte)
{
    Restaura();
    if (dc_ && objecte)
        anterior_ = SelectObject(dc_, objecte);
}

void DcMemoria::Restaura()
{
    if (dc_ && anterior_) {
        SelectObject(dc_, anterior_);
        anterior_ = nullptr;
    }
}

} // namespace Win
