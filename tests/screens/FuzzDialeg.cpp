// A screen reply from the server applied to a small screen, then the values request written
// back over it: neither may read or write outside the frame text, whatever the reply holds.
#include "framework/DispError.h"
#include "link/Trama.h"
#include "screens/Peticio.h"
#include "screens/Resposta.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

class Nul : public Resposta::Observador {
    void So(int) override {}
    void Valor(int, const ControlDef&) override {}
    void Estat(int, const ControlDef&) override {}
    void Log(const std::string&) override {}
};

class Lector : public Peticio::LectorValor {
public:
    std::string Valor(int, const ControlDef& c) override { return c.valor + c.valor; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    std::vector<ControlDef> camps(data[0] % 8);
    for (std::size_t i = 0; i < camps.size(); ++i) {
        camps[i].codigo = static_cast<int>((data[1] + i * 37) % 120);
        camps[i].tipo = static_cast<int>(i % 16);
        camps[i].subtipo = i % 3 == 0 ? 4 : 1;
    }
    data += 2;
    size -= 2;
    std::vector<char> text(Trama::kMidaText, '\0');
    std::memcpy(text.data(), data, size < text.size() - 1 ? size : text.size() - 1);
    Nul obs;
    try {
        Resposta::Aplica(text.data(), camps, -1, Trama::IdPantalla(text.data()), true, obs);
    } catch (const DispError&) {
    }
    Lector lector;
    Peticio::EscriuValors(text.data(), camps, 0, 1, lector);
    return 0;
}
