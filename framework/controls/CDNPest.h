#ifndef KORVU_FRAMEWORK_CONTROLS_CDNPEST_H
#define KORVU_FRAMEWORK_CONTROLS_CDNPEST_H

#include "framework/ObjecteGdi.h"
#include "framework/controls/CDNBase.h"

namespace Win {

// The tab strip of a screen (field kind 10): one tab per entry of the record's list, in list
// order; each entry learns the index of its tab. The screen switches the pages.
class CDNPest : public CDNBase {
public:
    // Throws the text "Internal error: Control Edit, la creación a fallado.".
    CDNPest(HWND parent, int index, ControlDef* def);

    // The colour the strip paints its pages with, and a brush of it (null when the strip could
    // not be asked): a field on a page that would take the window's colour takes this one.
    COLORREF ColorPagina() const { return colorPagina_; }
    HBRUSH BrochaPagina() const { return brochaPagina_.Get(); }

private:
    void MideColorPagina();

    COLORREF colorPagina_ = CLR_INVALID;
    ObjecteGdi<HBRUSH> brochaPagina_;
};

} // namespace Win

#endif
