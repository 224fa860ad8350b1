#ifndef KORVU_FRAMEWORK_CONTROLS_CDNBASE_H
#define KORVU_FRAMEWORK_CONTROLS_CDNBASE_H

#include "framework/controls/ControlBase.h"

namespace Win {

// The first step of every form control: placement, size and label position from the field
// record and the screen scale. It creates no window; each control class creates its own.
class CDNBase : public ControlBase {
protected:
    CDNBase(HWND parent, int index, ControlDef* def);

    // Creates the "STATIC" label window of a field whose label is not switched off (position
    // 2), with the label font and the record's label text.
    void CreateLabel();

    // The text every control class throws when its window cannot be created.
    static const char* const kCreationFailed;
};

} // namespace Win

#endif
