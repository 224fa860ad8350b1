#ifndef KORVU_FRAMEWORK_CONTROLS_CDNEDITEX_H
#define KORVU_FRAMEWORK_CONTROLS_CDNEDITEX_H

#include "framework/MultiController.h"
#include "framework/controls/CDNBase.h"

namespace Win {

// A multi-line text field (field kinds 6 and 15), its height cut to whole lines. Kind 15 has
// no scroll bar and a tiled background that the screen paints with the brush it asks for.
class CDNEditex : public CDNBase {
public:
    // Throws the text "Internal error: Control Edit, la creación a fallado.".
    CDNEditex(HWND parent, int index, ControlDef* def);
    ~CDNEditex() override;

    // The configuration's background brush of kind 15, null for kind 6; never the control's.
    HBRUSH GetBackBrush() override;

private:
    MultiController ctrl_;
    HBITMAP fons_ = nullptr;  // the configuration's
    HBRUSH pinzellFons_ = nullptr;  // the configuration's
};

} // namespace Win

#endif
