#ifndef KORVU_FRAMEWORK_CONTROLS_CDNBASE_H
#define KORVU_FRAMEWORK_CONTROLS_CDNBASE_H

#include "framework/controls/ControlBase.h"

namespace Win {

// The first step of every form control: placement, size and label position from the field
// record and the screen scale. It creates no window; each control class creates its own.
class CDNBase : public ControlBase {
protected:
    CDNBase(HWND parent, int index, ControlDef* def);

    // Width of the record's label text in the label font.
    int MideEtiqueta() const;

    // Creates the control window from the members (class, styles, geometry, child id) with this
    // text (none when null); throws the text "Internal error: Control Edit, la creación a fallado.".
    void CreateControlWindow(const char* text = nullptr);

    // Creates the "STATIC" label window of a field whose label is not switched off (position
    // 2), with the label font and the record's label text.
    void CreateLabel();
};

} // namespace Win

#endif
