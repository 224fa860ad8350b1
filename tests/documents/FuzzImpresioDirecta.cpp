// Any direct-print file: the reader ends, and every line it plans fits a record.
#include "documents/PlaImpresioDirecta.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PlaImpresioDirecta p;
    if (!p.Llegeix(std::string_view(reinterpret_cast<const char*>(data), size)))
        return 0;
    if (p.impressora.empty() || p.impressora.size() > 299 || p.caraBarres.size() > 19 || p.midaBarres > 999)
        __builtin_trap();
    int anterior = -1;
    for (const auto& s : p.passos) {
        if (s.text.size() > 299 || s.linia <= anterior || static_cast<size_t>(s.linia) > size)
            __builtin_trap();
        anterior = s.linia;
    }
    return 0;
}
