#ifndef KORVU_FRAMEWORK_CONTROLS_CDNBASE_H
#define KORVU_FRAMEWORK_CONTROLS_CDNBASE_H

#include "framework/controls/ControlBase.h"

namespace Win {

// The first step of every form control: placement, size and label position from the field
// record and the screen scale. It creates no window; each control class creates its own.
//
// The rule for every control: its object, and so its window, is freed only when no procedure
// of its window is on the stack, ours or the system's, because a click or key in it can start
// an exchange that replaces the whole screen. The view never frees a control itself: it hands
// the old screen to EliminacioDiferida, which frees it once the message that the loop (or a
// window procedure of ours) is handling has returned. A new control, subclassed or not, needs
// nothing of its own for this; it must only never delete itself or a sibling directly. A click
// on a tab that brings another screen is the case that frees a control inside its own procedure.
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
