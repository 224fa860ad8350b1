#ifndef KORVU_FRAMEWORK_CONTROLS_CDNSTATICU_H
#define KORVU_FRAMEWORK_CONTROLS_CDNSTATICU_H

#include "framework/ObjecteGdi.h"
#include "framework/SubController.h"
#include "framework/controls/CDNBase.h"

namespace Win {

// A link label (field kind 14): a clickable label whose text is underlined while the mouse is
// over it. The click reaches the screen through the notify style.
class CDNStaticu : public CDNBase {
public:
    // Underlines on the first mouse move and starts timer 1; each tick with the cursor outside
    // the label takes the underline off and stops the timer.
    class CtrlNStaticu : public SubController {
    public:
        bool OnMouseMove(int x, int y, WPARAM keys) override;
        bool OnTimer(WPARAM id, LPARAM lParam) override;

        bool rellotge = false;  // the hover timer runs
        HFONT normal = nullptr;     // the configuration's
        HFONT subratllada = nullptr;  // the label's own, held by the control
    };

    // Throws the text "Internal error: Control Edit, la creación a fallado.".
    CDNStaticu(HWND parent, int index, ControlDef* def);
    ~CDNStaticu() override;

private:
    ObjecteGdi<HFONT> subratllada_;  // outlives the window that may be showing it
    CtrlNStaticu ctrl_;
};

} // namespace Win

#endif
