#ifndef KORVU_FRAMEWORK_CONTROLS_CDNPANT_H
#define KORVU_FRAMEWORK_CONTROLS_CDNPANT_H

#include "framework/controls/CDNBase.h"

namespace Win {

// A sub-screen frame (field kind 5): a framed area of the screen that takes no input.
class CDNPant : public CDNBase {
public:
    // Throws the text "Internal error: Control Edit, la creación a fallado.".
    CDNPant(HWND parent, int index, ControlDef* def);
};

} // namespace Win

#endif
