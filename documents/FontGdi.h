#ifndef KORVU_DOCUMENTS_FONTGDI_H
#define KORVU_DOCUMENTS_FONTGDI_H

#include "documents/GdiImpressio.h"

#include <string>

// A font made for printing, deleted with its owner. The owner must outlive every selection of
// it in a device context, or the context must be gone first.
class FontGdi {
public:
    FontGdi(GdiImpressio& gdi, const std::string& cara, int alcada) : gdi_(gdi), font_(gdi.CreaFont(cara, alcada)) {}
    ~FontGdi()
    {
        if (font_)
            gdi_.EsborraObjecte(font_);
    }
    FontGdi(const FontGdi&) = delete;
    FontGdi& operator=(const FontGdi&) = delete;

    HFONT Font() const { return font_; }

private:
    GdiImpressio& gdi_;
    HFONT font_;
};

#endif
