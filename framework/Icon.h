#ifndef KORVU_FRAMEWORK_ICON_H
#define KORVU_FRAMEWORK_ICON_H

#include <windows.h>

namespace Win {

// Owns one icon loaded from the resources; destroys it when it goes.
class Icon {
public:
    Icon() = default;
    ~Icon();
    Icon(Icon&& other) noexcept : icon_(other.icon_) { other.icon_ = nullptr; }
    Icon& operator=(Icon&& other) noexcept;
    Icon(const Icon&) = delete;
    Icon& operator=(const Icon&) = delete;

    HICON Handle() const { return icon_; }

protected:
    // Throws the text "Icon load image failed" when the resource gives no icon.
    Icon(HINSTANCE instance, int id, int width, int height);

private:
    HICON icon_ = nullptr;
};

} // namespace Win

#endif
