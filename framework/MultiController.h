#ifndef KORVU_FRAMEWORK_MULTICONTROLLER_H
#define KORVU_FRAMEWORK_MULTICONTROLLER_H

#include "framework/SubController.h"

// The standard behaviour of a screen field: it tells the screen window when it gains the focus,
// selects its text on entry, and moves to the next or previous field on Tab or keypad "+".
class MultiController : public Win::SubController {
public:
    ~MultiController() override;

    bool OnSetFocus(HWND lost) override;
    bool OnKeyDown(WPARAM key, LPARAM keyData) override;
    bool OnChar(WPARAM character, LPARAM keyData) override;

    virtual void Release();

    // The key data of the numeric-keypad "+" (scan code 0x4E), whose character must not reach
    // the field after it moved the focus.
    static bool EsMesNumeric(LPARAM keyData);

protected:
    // Asks the screen for the next field, or the previous one with Shift down.
    void Navega();
};

#endif
