#ifndef KORVU_FRAMEWORK_CONTROLS_OBJECTEGDI_H
#define KORVU_FRAMEWORK_CONTROLS_OBJECTEGDI_H

#include <windows.h>

namespace Win {

// One GDI object (font, bitmap, pen, brush) that its holder created and deletes, once. Objects
// of the configuration are never put in one. The count of live ones lets tests see a leak.
class ObjecteGdi {
public:
    ObjecteGdi() = default;
    explicit ObjecteGdi(HGDIOBJ objecte) { Posa(objecte); }
    ~ObjecteGdi() { Allibera(); }
    ObjecteGdi(const ObjecteGdi&) = delete;
    ObjecteGdi& operator=(const ObjecteGdi&) = delete;

    // Takes `objecte` (may be null), deleting the one held before.
    void Posa(HGDIOBJ objecte);
    void Allibera();

    HGDIOBJ Get() const { return objecte_; }
    explicit operator bool() const { return objecte_ != nullptr; }

    static int Vius() { return vius_; }

private:
    HGDIOBJ objecte_ = nullptr;
    static int vius_;
};

} // namespace Win

#endif
