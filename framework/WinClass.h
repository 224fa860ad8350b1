#ifndef KORVU_FRAMEWORK_WINCLASS_H
#define KORVU_FRAMEWORK_WINCLASS_H

#include "framework/BigIcon.h"
#include "framework/SmallIcon.h"

#include <windows.h>

#include <string>

namespace Win {

// Describes a window class routed by WndProc and registers it.
class WinClass {
public:
    WinClass(const char* className, HINSTANCE instance);
    ~WinClass();
    WinClass(const WinClass&) = delete;
    WinClass& operator=(const WinClass&) = delete;

    // The brush is this object's until Register hands it to the registered class.
    void SetBgColor(int red, int green, int blue);
    // Loads both icons with this resource id from the instance; throws "Icon load image failed".
    void SetIcons(int id);
    // Throws the text "RegisterClass failed".
    void Register();

    const WNDCLASSEXA& Description() const { return class_; }

private:
    WNDCLASSEXA class_;
    std::string name_;
    HBRUSH brush_ = nullptr;
    BigIcon bigIcon_;
    SmallIcon smallIcon_;
};

} // namespace Win

#endif
