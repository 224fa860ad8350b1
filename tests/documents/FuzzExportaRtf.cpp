// Any listing: the export ends, and the document's groups close exactly, whatever the text.
#include "documents/ExportaRtf.h"
#include "framework/DispError.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string d;
    try {
        EscriuRtf(std::string_view(reinterpret_cast<const char*>(data), size), d);
    } catch (const DispError&) {
        return 0;
    }
    int obertes = 0;
    for (size_t i = 0; i < d.size(); ++i) {
        if (d[i] == '\\')
            ++i;
        else if (d[i] == '{')
            ++obertes;
        else if (d[i] == '}' && (--obertes < 0 || (obertes == 0 && i + 1 != d.size())))
            __builtin_trap();
    }
    if (obertes != 0)
        __builtin_trap();
    return 0;
}
