// Received reports converted for a spreadsheet: the conversion always ends, and each input
// byte gives at most a few output bytes.
#include "documents/ConversorInforme.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string informe(reinterpret_cast<const char*>(data), size);
    const std::string text = ConversorInforme::Converteix(informe);
    if (text.size() > 3 * size + 2)
        __builtin_trap();
    ConversorInforme::RutaConvertida(informe, "prn");
    return 0;
}
