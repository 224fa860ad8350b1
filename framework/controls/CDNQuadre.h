#ifndef KORVU_FRAMEWORK_CONTROLS_CDNQUADRE_H
#define KORVU_FRAMEWORK_CONTROLS_CDNQUADRE_H

#include "framework/MultiController.h"
#include "framework/ObjecteGdi.h"
#include "framework/controls/CDNBase.h"

#include <string>

namespace Win {

// A picture frame (field kind 4): by sub-kind a picture named by the value (9), a level gauge
// over picture 133 (11) or a plain grey frame. The frame owns only the bitmaps it loads itself;
// the configuration's preloaded pictures are shown, never deleted.
class CDNQuadre : public CDNBase {
public:
    class CtrlNQuadre : public MultiController {
    public:
        // A gauge takes the clicked height as its value, in percent.
        bool OnLButtonDown(int x, int y, WPARAM keys) override;
        bool OnEraseBkgnd(HDC dc) override;
        bool OnTimer(WPARAM id, LPARAM lParam) override;
        // Deletes the bitmap this frame loaded, if it shows one.
        void Release() override;

        HBITMAP Imatge() const { return bitmap_; }
        bool Propi() const { return bitmap_ && propi_.Get() == bitmap_; }
        const std::string& NomImatge() const { return nomImatge_; }
        bool Diapositiva() const { return diapositiva_; }
        int NivellY() const { return nivellY_; }

    private:
        friend class CDNQuadre;
        // Shows `bitmap` unless it is null (a failed load keeps the picture); when `propi` the
        // frame takes it. The bitmap it owned before goes.
        bool Mostra(HBITMAP bitmap, bool propi);

        HBITMAP bitmap_ = nullptr;
        int modeDibuix_ = 1;   // 0 stretched, 1 natural size at the corner, else cropped
        bool diapositiva_ = false;
        std::string nomImatge_;
        std::string carpeta_;
        ControlDef* def_ = nullptr;
        int nivellY_ = 0;
        ObjecteGdi<HBITMAP> propi_;
    };

    // Throws the text "Internal error: Control Edit, la creación a fallado.".
    CDNQuadre(HWND parent, int index, ControlDef* def);
    ~CDNQuadre() override;

    void Release() override;
    int GetValue(char* buffer, int length) override;
    // A picture loads the named image (a failed load keeps the old one); a gauge reads its level
    // from the record's value. Nothing is repainted.
    void SetValue(const char* text) override;

    const CtrlNQuadre& Controlador() const { return ctrl_; }

private:
    bool CarregaImatge(const std::string& nom);
    std::string BuscaImatges(const std::string& carpeta);

    CtrlNQuadre ctrl_;
    std::string nomActual_;
};

} // namespace Win

#endif
