#include "screens/Desplazamiento.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string texto(reinterpret_cast<const char*>(data), size);
    int x = 0, y = 0;
    if (Desplazamiento::Lee(texto, x, y) && (x < 0 || y < 0 || x > 9999999 || y > 9999999))
        __builtin_trap();
    std::vector<ControlDef> campos(2);
    campos[1].x2 = 5;
    Desplazamiento::Aplica(campos, x, y);
    return 0;
}
