#ifndef KORVU_FRAMEWORK_DCMEMORIA_H
#define KORVU_FRAMEWORK_DCMEMORIA_H

#include "framework/SeleccioGdi.h"

#include <windows.h>

#include <optional>

namespace Win {

// A memory device context compatible with another one, deleted when the owner goes; an
// object selected into it through Selecciona is put back first. Counted by DcsVius. The one
// maker of memory contexts: one made anywhere else would leak past the leak checks unseen.
class DcMemoria {
public:
    explicit DcMemoria(HDC compatible);
    ~DcMemoria();
    DcMemoria(const DcMemoria&) = delete;
    DcMemoria& operator=(const DcMemoria&) = delete;

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

    // Selects the object; false when there is no context or no object, or the system refused
    // it. The context's own object comes back before the context is deleted or the next
    // Selecciona, so the object can be deleted by its owner afterwards.
    bool Selecciona(HGDIOBJ objecte);
    void Restaura();

private:
    HDC dc_;
    std::optional<SeleccioGdi> seleccio_;
};

// Stretches the whole of `bitmap` over the rectangle 0, 0, ample, alt of `dc`; false when the
// bitmap could not be read or selected (nothing is drawn).
bool EstiraBitmap(HDC dc, HBITMAP bitmap, int ample, int alt);

} // namespace Win

#endif
