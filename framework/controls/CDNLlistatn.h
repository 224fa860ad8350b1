#ifndef KORVU_FRAMEWORK_CONTROLS_CDNLLISTATN_H
#define KORVU_FRAMEWORK_CONTROLS_CDNLLISTATN_H

#include "framework/MultiController.h"
#include "framework/controls/CDNBase.h"
#include "framework/controls/EstatLlistat.h"

#include <string>

namespace Win {

// A listing field: the column header (kind 11), whose value defines the screen's column table,
// or a row (kind 9), whose value is a line of text cut into those columns. An owner-painted
// "STATIC" window; all listings of a screen share one EstatLlistat, which the view owns.
class CDNLlistatn : public CDNBase {
public:
    // What the screen does when a listing is dragged: it moves its fields by the step.
    class Desplacador {
    public:
        virtual void AjustaDesplazamiento(int dx, int dy) = 0;

    protected:
        ~Desplacador() = default;
    };

    // Down arrow asks the screen for the action of its code-42 field; a click is remembered for
    // the chosen column; a drag moves the screen.
    class CtrlNLlistatn : public MultiController {
    public:
        bool OnMouseMove(int x, int y, WPARAM keys) override;
        bool OnLButtonDown(int x, int y, WPARAM keys) override;
        bool OnKeyDown(WPARAM key, LPARAM keyData) override;
        bool OnEraseBkgnd(HDC dc) override;

        const std::string& LiniaPintada() const { return liniaPintada_; }
        HFONT Font() const { return font_; }
        HBITMAP Franja() const { return franja_; }

    private:
        friend class CDNLlistatn;
        HFONT font_ = nullptr;
        HBITMAP franja_ = nullptr;   // one of the configuration's header strips, not owned
        std::string liniaPintada_;
        COLORREF colorText_ = 0;
        COLORREF colorLinia_ = 0;
        int ultimX_ = 0;
        int ultimY_ = 0;
        int dx_ = 0;
        int dy_ = 0;
        bool arrossegat_ = false;
        ControlDef* def_ = nullptr;
        EstatLlistat* estat_ = nullptr;
        Desplacador* desplacador_ = nullptr;
    };

    // `estat` must outlive the control; `desplacador` may be null. Throws the text
    // "Internal error: Control Statuc, la creación a fallado.".
    CDNLlistatn(HWND parent, int index, ControlDef* def, EstatLlistat& estat, Desplacador* desplacador);
    ~CDNLlistatn() override;

    // Copies the record's value and sets the shared chosen column from the last click.
    int GetValue(char* buffer, int length) override;
    // A header defines the columns, a row takes the text; then repaints.
    void SetValue(const char* text) override;
    // Repaints the line (a blank row as all its empty columns); nothing without columns.
    void Clear() override;

    const std::string& Linia() const { return linia_; }
    const CtrlNLlistatn& Controlador() const { return ctrl_; }

private:
    void DefineixColumnes(const std::string& text);
    void PosaText(const char* text);
    void AplicaColors();

    CtrlNLlistatn ctrl_;
    EstatLlistat& estat_;
    std::string linia_;
};

} // namespace Win

#endif
