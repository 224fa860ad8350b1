#ifndef KORVU_FRAMEWORK_CONTROLS_CTRLNMENU_H
#define KORVU_FRAMEWORK_CONTROLS_CTRLNMENU_H

#include "framework/SubController.h"
#include "framework/controls/EntradaMenu.h"

#include <string>

class ControlDef;

namespace Win {

// Paints one menu panel entry (band, icon, text) and underlines it while the mouse is over it,
// watched by timer 1. Not a field controller: no focus report, no Tab navigation.
class CtrlNMenu : public SubController {
public:
    static constexpr UINT_PTR kTimer = 1;
    static constexpr UINT kPeriode = 100; // ms

    bool OnMouseMove(int x, int y, WPARAM keys) override;
    bool OnEraseBkgnd(HDC dc) override;
    bool OnTimer(WPARAM id, LPARAM lParam) override;

    // The configuration's fonts, band and icons; none of them is owned.
    void PosaRecursos(HFONT normal, HFONT subratllada, HBITMAP banda, int iconaY);
    // The entry as read from its text; an entry of blanks keeps its icon place.
    void PosaEntrada(const std::string& text, const EntradaMenu& entrada);

    const std::string& Text() const { return text_; }
    HICON Icona() const { return icona_; }
    int IconaX() const { return iconaX_; }
    int IconaY() const { return iconaY_; }
    bool Subratllat() const { return subratllat_; }

private:
    bool temporitzador_ = false;
    HFONT fontNormal_ = nullptr;
    HFONT fontSubratllada_ = nullptr;
    std::string text_;
    HICON icona_ = nullptr;
    HBITMAP banda_ = nullptr;
    int iconaY_ = 0;
    int iconaX_ = 0;
    bool subratllat_ = false;
};

} // namespace Win

#endif
