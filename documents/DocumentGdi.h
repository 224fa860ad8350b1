#ifndef KORVU_DOCUMENTS_DOCUMENTGDI_H
#define KORVU_DOCUMENTS_DOCUMENTGDI_H

#include "documents/GdiImpressio.h"

// A print job on a device context: once started it is ended by Acaba() or, on any other way
// out, aborted by the owner.
class DocumentGdi {
public:
    DocumentGdi(GdiImpressio& gdi, HDC dc) : gdi_(gdi), dc_(dc) {}
    ~DocumentGdi()
    {
        if (obert_)
            gdi_.AbandonaDocument(dc_);
    }
    DocumentGdi(const DocumentGdi&) = delete;
    DocumentGdi& operator=(const DocumentGdi&) = delete;

    bool Inicia(const char* nom)
    {
        obert_ = gdi_.IniciaDocument(dc_, nom) > 0;
        return obert_;
    }
    bool Acaba()
    {
        obert_ = false;
        return gdi_.AcabaDocument(dc_) > 0;
    }

private:
    GdiImpressio& gdi_;
    HDC dc_;
    bool obert_ = false;
};

#endif
