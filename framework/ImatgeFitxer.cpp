#include "framework/ImatgeFitxer.h"

#include "framework/BibliotequesSistema.h"

namespace Win {

HBITMAP CopiaImatgeFitxer(const wchar_t* cami)
{
    // A thread whose COM was started otherwise still loads its pictures.
    AsseguraCom();
    const ImatgesOle* ole = Diferida<ImatgesOle>::Get();
    if (!ole)
        return nullptr;
    IPicture* imatge = nullptr;
    if (FAILED(ole->OleLoadPicturePath(const_cast<LPOLESTR>(cami), nullptr, 0, 0, IID_IPicture,
                                       reinterpret_cast<void**>(&imatge)))
        || !imatge)
        return nullptr;
    HBITMAP copia = nullptr;
    SHORT tipus = PICTYPE_NONE;
    OLE_HANDLE handle = 0;
    if (SUCCEEDED(imatge->get_Type(&tipus)) && tipus == PICTYPE_BITMAP
        && SUCCEEDED(imatge->get_Handle(&handle)) && handle)
        copia = static_cast<HBITMAP>(CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)),
                                               IMAGE_BITMAP, 0, 0, 0));
    imatge->Release();
    return copia;
}

} // namespace Win
