#ifndef KORVU_FRAMEWORK_CONTROLS_CDNCHECKBOX_H
#define KORVU_FRAMEWORK_CONTROLS_CDNCHECKBOX_H

#include "framework/MultiController.h"
#include "framework/controls/CDNBase.h"

namespace Win {

// A check box (field kinds 1 and 13) with the record's label as its text. Its value is "S"
// when ticked, else "N" (data type 7) or one blank.
class CDNCheckbox : public CDNBase {
public:
    // Throws the text "Internal error: Control Edit, la creación a fallado.".
    CDNCheckbox(HWND parent, int index, ControlDef* def);
    ~CDNCheckbox() override;

    // Writes the one-character value; the buffer must hold 2 bytes. Returns 0.
    int GetValue(char* buffer, int length) override;
    // Ticks the box from the record's value (which the view updates first), not from the text.
    void SetValue(const char* text) override;

private:
    MultiController ctrl_;
};

} // namespace Win

#endif
