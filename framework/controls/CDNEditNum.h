#ifndef KORVU_FRAMEWORK_CONTROLS_CDNEDITNUM_H
#define KORVU_FRAMEWORK_CONTROLS_CDNEDITNUM_H

#include "framework/MultiController.h"
#include "framework/controls/CDNBase.h"
#include "framework/controls/ReglaNumero.h"

#include <string>

namespace Win {

// A numeric field (field kind 0, sub-kind 0): right aligned, shown with the decimal and
// thousands signs of the user's language, sent with "." and no thousands signs.
class CDNEditNum : public CDNBase {
public:
    // Only digits, the two signs, "+" and, on a signed field, "-" are typed (and backspace);
    // leaving the field tells the screen, which validates it.
    class CtrlNEditNum : public MultiController {
    public:
        bool OnChar(WPARAM character, LPARAM keyData) override;
        bool OnKillFocus(HWND own) override;

        bool ambSigne = false;  // a "-" may be typed
    };

    // Throws the text "Internal error: Control Edit, la creación a fallado.".
    CDNEditNum(HWND parent, int index, ControlDef* def);
    ~CDNEditNum() override;

    int Validate() override;
    int GetValue(char* buffer, int length) override;
    bool TextRefusat() override;
    void SetValue(const char* text) override;

private:
    // What leaving the field makes of its text, into `text`: 0 unchanged, 1 refused, 2 formatted.
    int Formatat(std::string& text) const;

    CtrlNEditNum ctrl_;
    ReglaNumero::Signes signes_;
    std::string guardat_;  // the last text formatted and shown
};

} // namespace Win

#endif
