// A numeric field's text is outside data (typed, or sent by the server): any text and any
// record values either leave the text alone or give a text within the visible length that
// formats to itself again when it holds only what can be typed, and whose value for the server
// has no thousands sign.
#include "framework/controls/ReglaNumero.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
    using Win::ReglaNumero;
    const ReglaNumero::Signes signes = ReglaNumero::PerIdioma(data[0] & 1 ? "Es" : "En");
    // Small values mostly, and now and then the extremes a damaged record may hold.
    const auto valor = [](uint8_t b) {
        if (b == 0xFF)
            return 2147483647;
        if (b == 0xFE)
            return -2147483647 - 1;
        return static_cast<int>(b % 24) - 2;
    };
    const ReglaNumero::Format format{signes, valor(data[1]), valor(data[2]), valor(data[3]), (data[0] & 2) != 0};
    const std::string typed(reinterpret_cast<const char*>(data) + 4, size - 4);

    std::string s = typed;
    const int r = ReglaNumero::Formata(s, format);
    if (r == 1) {
        if (s != typed)
            std::abort();
    } else if (r == 2) {
        if (static_cast<long long>(s.size()) > format.longVisible)
            std::abort();
        const bool teclejable = typed.find_first_not_of("0123456789+-.,") == std::string::npos;
        std::string again = s;
        if (teclejable && !s.empty() && (ReglaNumero::Formata(again, format) != 2 || again != s))
            std::abort();
        const std::string servidor = ReglaNumero::PerServidor(s, signes);
        if (servidor.size() > s.size() || servidor.find(',') != std::string::npos)
            std::abort();
    } else {
        std::abort();
    }
    if (ReglaNumero::Rebut(typed, signes).size() != (typed.empty() ? 1 : typed.size()))
        std::abort();
    return 0;
}
