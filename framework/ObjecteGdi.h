#ifndef KORVU_FRAMEWORK_OBJECTEGDI_H
#define KORVU_FRAMEWORK_OBJECTEGDI_H

#include <windows.h>

namespace Win {

// GDI objects that some owner holds right now. The count moves only when the system call that
// makes or deletes the object succeeds, so a release that is skipped shows as a live object
// (the system's own count, GetGuiResources, is not available everywhere).
int ObjectesGdiVius();

namespace detail {
extern int objectesGdiVius;
}

// The one owner of a GDI object (brush, bitmap, region, font, pen): deleted with it.
template <typename H>
class ObjecteGdi {
public:
    ObjecteGdi() = default;
    // Takes a handle just made (null is accepted: nothing is owned).
    explicit ObjecteGdi(H h) { Posa(h); }
    ~ObjecteGdi() { Allibera(); }
    ObjecteGdi(const ObjecteGdi&) = delete;
    ObjecteGdi& operator=(const ObjecteGdi&) = delete;
    ObjecteGdi(ObjecteGdi&& o) noexcept : h_(o.h_) { o.h_ = nullptr; }
    ObjecteGdi& operator=(ObjecteGdi&& o) noexcept
    {
        if (this != &o) {
            Allibera();
            h_ = o.h_;
            o.h_ = nullptr;
        }
        return *this;
    }

    H Get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }

    // Deletes what is held and takes h.
    void Posa(H h)
    {
        Allibera();
        h_ = h;
        if (h_)
            ++detail::objectesGdiVius;
    }

    void Allibera()
    {
        if (h_ && DeleteObject(h_))
            --detail::objectesGdiVius;
        h_ = nullptr;
    }

private:
    H h_ = nullptr;
};

} // namespace Win

#endif
