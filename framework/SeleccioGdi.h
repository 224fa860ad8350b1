#ifndef KORVU_FRAMEWORK_SELECCIOGDI_H
#define KORVU_FRAMEWORK_SELECCIOGDI_H

#include <windows.h>

namespace Win {

// An object selected into a context for a while; the one it replaced goes back at the end.
class SeleccioGdi {
public:
    SeleccioGdi(HDC dc, HGDIOBJ objecte) : dc_(dc), vell_(objecte ? SelectObject(dc, objecte) : nullptr) {}
    ~SeleccioGdi()
    {
        if (vell_ && vell_ != HGDI_ERROR)
            SelectObject(dc_, vell_);
    }
    SeleccioGdi(const SeleccioGdi&) = delete;
    SeleccioGdi& operator=(const SeleccioGdi&) = delete;

    bool Fet() const { return vell_ && vell_ != HGDI_ERROR; }

private:
    HDC dc_;
    HGDIOBJ vell_;
};

} // namespace Win

#endif
