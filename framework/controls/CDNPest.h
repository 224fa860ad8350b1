#ifndef KORVU_FRAMEWORK_CONTROLS_CDNPEST_H
#define KORVU_FRAMEWORK_CONTROLS_CDNPEST_H

#include "framework/controls/CDNBase.h"

namespace Win {

// The tab strip of a screen (field kind 10): one tab per entry of the record's list, in list
// order; each entry learns the index of its tab. The screen switches the pages.
class CDNPest : public CDNBase {
public:
    // Throws the text "Internal error: Control Edit, la creación a fallado.".
    CDNPest(HWND parent, int index, ControlDef* def);
};

} // namespace Win

#endif
