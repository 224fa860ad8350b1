#ifndef KORVU_FRAMEWORK_CONTROLS_CDNEDITDATA_H
#define KORVU_FRAMEWORK_CONTROLS_CDNEDITDATA_H

#include "framework/MultiController.h"
#include "framework/controls/CDNBase.h"

#include <string>

namespace Win {

// A date field (field kind 0, sub-kind 2): the user types a day, month and year, which the
// field completes to dd/mm/yyyy when the screen validates it.
class CDNEditData : public CDNBase {
public:
    // Only digits, "." and "/" are typed (control characters such as backspace pass); leaving
    // the field tells the screen, which validates it.
    class CtrlNEditData : public MultiController {
    public:
        bool OnChar(WPARAM character, LPARAM keyData) override;
        bool OnKillFocus(HWND own) override;
    };

    // Throws the text "Internal error: Control Edit, la creación a fallado.".
    CDNEditData(HWND parent, int index, ControlDef* def);
    ~CDNEditData() override;

    int Validate() override;
    int GetValue(char* buffer, int length) override;
    bool TextRefusat() override;

private:
    CtrlNEditData ctrl_;
    std::string guardat_;  // the last text accepted and shown
};

} // namespace Win

#endif
