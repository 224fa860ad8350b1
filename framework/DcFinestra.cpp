#include "framework/DcFinestra.h"

namespace Win {

namespace detail {
int dcsVius = 0;
}

int DcsVius()
{
    return detail::dcsVius;
}

DcFinestra::DcFinestra(HWND finestra) : finestra_(finestra), dc_(GetDC(finestra))
{
    if (dc_)
        ++detail::dcsVius;
}

DcFinestra::~DcFinestra()
{
    if (dc_ && ReleaseDC(finestra_, dc_))
        --detail::dcsVius;
}

} // namespace Win
