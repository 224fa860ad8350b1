#ifndef KORVU_DOCUMENTS_DCIMPRESSORA_H
#define KORVU_DOCUMENTS_DCIMPRESSORA_H

#include "documents/GdiImpressio.h"

#include <string>

// The device context of a named printer, deleted with its owner.
class DcImpressora {
public:
    DcImpressora(GdiImpressio& gdi, const std::string& impressora) : gdi_(gdi), dc_(gdi.CreaDc(impressora)) {}
    ~DcImpressora()
    {
        if (dc_)
            gdi_.EsborraDc(dc_);
    }
    DcImpressora(const DcImpressora&) = delete;
    DcImpressora& operator=(const DcImpressora&) = delete;

    HDC Dc() const { return dc_; }

private:
    GdiImpressio& gdi_;
    HDC dc_;
};

#endif
