#ifndef KORVU_FRAMEWORK_CONTROLS_OBJECTEGDI_H
#define KORVU_FRAMEWORK_CONTROLS_OBJECTEGDI_H

#include <windows.h>

namespace Win {

// One GDI object (font, bitmap, pen) that a control created and deletes once. Objects the
// configuration shares are never put in one. The number alive lets tests see a leak where the
// system does not count GDI objects.
template <typename Handle>
class ObjecteGdi {
public:
    ObjecteGdi() = default;
    explicit ObjecteGdi(Handle h) { Reset(h); }
    ~ObjecteGdi() { Reset(nullptr); }
    ObjecteGdi(const ObjecteGdi&) = delete;
    ObjecteGdi& operator=(const ObjecteGdi&) = delete;

    // Takes the object, deleting the one held before.
    void Reset(Handle h)
    {
        if (h_) {
            DeleteObject(h_);
            --Vius();
        }
        h_ = h;
        if (h_)
            ++Vius();
    }
    Handle Get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }

    static long& Vius()
    {
        static long n = 0;
        return n;
    }

private:
    Handle h_ = nullptr;
};

} // namespace Win

#endif
