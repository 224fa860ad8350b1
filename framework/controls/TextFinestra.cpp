#include "framework/controls/TextFinestra.h"

#include <vector>

std::string TextFinestra(HWND window)
{
    const int length = GetWindowTextLengthA(window);
    if (length <= 0)
        return std::string();
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    const int read = GetWindowTextA(window, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), read > 0 ? static_cast<std::size_t>(read) : 0);
}
