#ifndef KORVU_FRAMEWORK_CONTROLS_CDNSTATIC_H
#define KORVU_FRAMEWORK_CONTROLS_CDNSTATIC_H

#include "framework/MultiController.h"
#include "framework/controls/CDNBase.h"

namespace Win {

// A text label (field kind 3 and any kind without a control of its own), sized by its font
// kind. With style 52 it paints the record's value in white on the label band.
class CDNStatic : public CDNBase {
public:
    class CtrlNStatic : public MultiController {
    public:
        bool OnEraseBkgnd(HDC dc) override;

        HFONT font = nullptr;     // the configuration's
        HBITMAP banda = nullptr;  // the configuration's
        const ControlDef* def = nullptr;
    };

    // Throws the text "Internal error: Control Statuc, la creación a fallado.".
    CDNStatic(HWND parent, int index, ControlDef* def);
    ~CDNStatic() override;

private:
    CtrlNStatic ctrl_;
};

} // namespace Win

#endif
