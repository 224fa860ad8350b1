#ifndef KORVU_FRAMEWORK_CONTROLS_CDNEDIT_H
#define KORVU_FRAMEWORK_CONTROLS_CDNEDIT_H

#include "framework/MultiController.h"
#include "framework/controls/CDNBase.h"

namespace Win {

// A plain single-line text field (field kind 0, text or password) with its label.
class CDNEdit : public CDNBase {
public:
    // Enter, Tab and keypad "+" move to the next field (the previous one with Shift); the Tab
    // and keypad "+" characters never reach the text.
    class CtrlNEdit : public MultiController {
    public:
        bool OnKeyDown(WPARAM key, LPARAM keyData) override;
        bool OnChar(WPARAM character, LPARAM keyData) override;
    };

    // Throws the text "Internal error: Control Edit, la creación a fallado.".
    CDNEdit(HWND parent, int index, ControlDef* def);
    ~CDNEdit() override;

private:
    CtrlNEdit ctrl_;
};

} // namespace Win

#endif
