#include "framework/controls/CopiaValor.h"

#include <algorithm>
#include <cstring>

namespace Win {

int CopiaValor(const std::string& valor, char* buffer, int length)
{
    const int limit = std::min(length, kMaxValor);
    if (!buffer || limit <= 0)
        return 0;
    const std::size_t n = std::min(valor.size(), static_cast<std::size_t>(limit - 1));
    std::memcpy(buffer, valor.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

} // namespace Win
