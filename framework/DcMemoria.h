#ifndef KORVU_FRAMEWORK_DCMEMORIA_H
#define KORVU_FRAMEWORK_DCMEMORIA_H

#include <windows.h>

namespace Win {

// A memory device context compatible with another one, deleted when the owner goes; an
// object selected into it through Selecciona is put back first. Counted by DcsVius.
class DcMemoria {
public:
    explicit DcMemoria(HDC compatible);
    ~DcMemoria();
    DcMemoria(const DcMemoria&) = delete;
    DcMemoria& operator=(const DcMemoria&) = delete;

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

    // Selects the object; the context's own object comes back before the context is deleted
    // or the next Selecciona, so the object can be deleted by its owner afterwards.
    void Selecciona(HGDIOBJ objecte);
    void Restaura();

private:
    HDC dc_;
    HGDIOBJ anterior_ = nullptr;
};

} // namespace Win

#endif
