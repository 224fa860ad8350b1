#include "framework/controls/DCMemoria.h"

namespace Win {

int DCMemoria::vius_ = 0;

DCMemoria::DCMemoria(HDC compatible, HBITMAP bitmap) : dc_(CreateCompatibleDC(compatible))
{
    if (!dc_)
        return;
    ++vius_;
    vell_ = bitmap ? SelectObject(dc_, bitmap) : nullptr;
    seleccionat_ = vell_ && vell_ != HGDI_ERROR;
}

DCMemoria::~DCMemoria()
{
    if (!dc_)
        return;
    if (seleccionat_)
        SelectObject(dc_, vell_);
    DeleteDC(dc_);
    --vius_;
}

} // namespace Win
