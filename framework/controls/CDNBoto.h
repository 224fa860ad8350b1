#ifndef KORVU_FRAMEWORK_CONTROLS_CDNBOTO_H
#define KORVU_FRAMEWORK_CONTROLS_CDNBOTO_H

#include "framework/MultiController.h"
#include "framework/controls/CDNBase.h"

namespace Win {

// A push button (field kind 2) showing the record's label as its caption.
class CDNBoto : public CDNBase {
public:
    // Enter runs the button's action through the screen; Tab and keypad "+" move on.
    class CtrlNBoto : public MultiController {
    public:
        bool OnKeyDown(WPARAM key, LPARAM keyData) override;
    };

    // Throws the text "Internal error: Control Edit, la creación a fallado.".
    CDNBoto(HWND parent, int index, ControlDef* def);
    ~CDNBoto() override;

private:
    CtrlNBoto ctrl_;
};

} // namespace Win

#endif
