#include "framework/Icon.h"

namespace Win {

Icon::Icon(HINSTANCE instance, int id, int width, int height)
    : icon_(static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, width, height, 0)))
{
    if (!icon_)
        throw "Icon load image failed";
}

Icon::~Icon()
{
    if (icon_)
        DestroyIcon(icon_);
}

Icon& Icon::operator=(Icon&& other) noexcept
{
    if (this != &other) {
        if (icon_)
            DestroyIcon(icon_);
        icon_ = other.icon_;
        other.icon_ = nullptr;
    }
    return *this;
}

} // namespace Win
