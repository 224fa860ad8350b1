#include "framework/controls/CDNPest.h"

#include "framework/Ajustos.h"
#include "framework/controls/MidesCDN.h"
#include "framework/controls/ControlDef.h"

#include <commctrl.h>

namespace Win {

static_assert((WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS) == 0x54000000, "tab strip");

CDNPest::CDNPest(HWND parent, int index, ControlDef* def) : CDNBase(parent, index, def)
{
    className_ = WC_TABCONTROLA;
    style_ = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    exStyle_ = WS_EX_TRANSPARENT;
    const MidesCDN::Mida mida = MidesCDN::Marc(*def, Win::ajustos().escalaX, Win::ajustos().escalaY);
    width_ = mida.ample;
    height_ = mida.alt;
    CreateControlWindow();
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(Win::ajustos().fontControl), TRUE);
    int i = 0;
    for (ControlDef::Element& element : def->elementos) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(element.texto.c_str());
        item.iImage = -1;
        element.extra = static_cast<int>(SendMessageA(hwnd_, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item)));
        ++i;
    }
}

} // namespace Win
