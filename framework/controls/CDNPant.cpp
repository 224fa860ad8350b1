#include "framework/controls/CDNPant.h"

#include "framework/Ajustos.h"
#include "framework/controls/MidesCDN.h"

namespace Win {

static_assert((WS_CHILD | WS_VISIBLE | SS_ENHMETAFILE) == 0x5000000F, "frame");

CDNPant::CDNPant(HWND parent, int index, ControlDef* def) : CDNBase(parent, index, def)
{
    className_ = "STATIC";
    style_ = WS_CHILD | WS_VISIBLE | SS_ENHMETAFILE;
    exStyle_ = WS_EX_DLGMODALFRAME;
    const MidesCDN::Mida mida = MidesCDN::Marc(*def, Win::ajustos().escalaX, Win::ajustos().escalaY);
    width_ = mida.ample;
    height_ = mida.alt;
    CreateControlWindow();
}

} // namespace Win
