#ifndef KORVU_FRAMEWORK_CONTROLS_CDNMENU_H
#define KORVU_FRAMEWORK_CONTROLS_CDNMENU_H

#include "framework/controls/CDNBase.h"
#include "framework/controls/CtrlNMenu.h"

namespace Win {

// One entry of a menu panel (field kind 8): an owner-painted "STATIC" window that shows the
// entry's level, its branch or leaf icon and its text. A click reaches the screen as for any
// clickable field.
class CDNMenu : public CDNBase {
public:
    // Throws the text "Internal error: Control Edit, la creación a fallado.".
    CDNMenu(HWND parent, int index, ControlDef* def);
    ~CDNMenu() override;

    // Copies the record's value; returns the length asked for.
    int GetValue(char* buffer, int length) override;
    // Reads a new entry text; the entry is repainted when the screen next paints.
    void SetValue(const char* text) override;

    const CtrlNMenu& Controlador() const { return ctrl_; }

private:
    void ParseItems(const std::string& text);

    CtrlNMenu ctrl_;
};

} // namespace Win

#endif
