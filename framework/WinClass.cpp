#include "framework/WinClass.h"

#include "framework/WndProc.h"

namespace Win {

WinClass::WinClass(const char* className, HINSTANCE instance) : class_(), name_(className)
{
    class_.cbSize = sizeof class_;
    class_.style = 0;
    class_.lpfnWndProc = WndProc;
    class_.cbClsExtra = 0;
    class_.cbWndExtra = 0;
    class_.hInstance = instance;
    class_.hIcon = nullptr;
    class_.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    class_.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    class_.lpszMenuName = nullptr;
    class_.lpszClassName = name_.c_str();
    class_.hIconSm = nullptr;
}

WinClass::~WinClass()
{
    if (brush_)
        DeleteObject(brush_);
}

void WinClass::SetBgColor(int red, int green, int blue)
{
    HBRUSH nou = CreateSolidBrush(RGB(red, green, blue));
    if (brush_)
        DeleteObject(brush_);
    brush_ = nou;
    class_.hbrBackground = nou;
}

void WinClass::SetIcons(int id)
{
    bigIcon_ = BigIcon(class_.hInstance, id);
    smallIcon_ = SmallIcon(class_.hInstance, id);
    class_.hIcon = bigIcon_.Handle();
    class_.hIconSm = smallIcon_.Handle();
}

void WinClass::Register()
{
    if (!RegisterClassExA(&class_))
        throw "RegisterClass failed";
    // The system frees a class's brush when the class is unregistered.
    brush_ = nullptr;
}

} // namespace Win
