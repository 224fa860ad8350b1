#ifndef KORVU_FRAMEWORK_CONTROLS_CDNHEINA_H
#define KORVU_FRAMEWORK_CONTROLS_CDNHEINA_H

#include "framework/MultiController.h"
#include "framework/ObjecteGdi.h"
#include "framework/controls/CDNBase.h"

namespace Win {

// A tool button (field kinds 7 and 12): a small square button showing a bitmap of the resource
// library by the record's picture number, or its caption when there is no such bitmap.
class CDNHeina : public CDNBase {
public:
    // Throws the text "Internal error: Control Edit, la creación a fallado.". The screen hands
    // every button its tooltip window; this one registers no tool of its own and ignores it.
    CDNHeina(HWND parent, int index, ControlDef* def, HWND tooltip = nullptr);
    ~CDNHeina() override;

private:
    MultiController ctrl_;
    ObjecteGdi<HBITMAP> imatge_;  // deleted after the button that shows it is gone
};

} // namespace Win

#endif
