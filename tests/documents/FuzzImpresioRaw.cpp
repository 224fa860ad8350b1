// Any raw-print file: the reader ends, and no write is longer than its record or numbered out
// of order.
#include "documents/PlaImpresioRaw.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PlaImpresioRaw p;
    if (!p.Llegeix(std::string_view(reinterpret_cast<const char*>(data), size)))
        return 0;
    if (p.impressora.size() > 299)
        __builtin_trap();
    long anterior = 1;
    for (const auto& e : p.escriptures) {
        if (e.bytes.size() < 2 || e.bytes.size() > 1000 || e.bytes.back() != '\n' || e.linia <= anterior)
            __builtin_trap();
        anterior = e.linia;
    }
    if (p.liniaFinal < anterior)
        __builtin_trap();
    return 0;
}
