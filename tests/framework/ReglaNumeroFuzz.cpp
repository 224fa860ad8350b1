// A numeric field's text is outside data (typed, or sent by the server), and so are the record
// values. Whatever they are: a refusal is only ever about length, so the same text formats
// when the field is roomy enough; and a formatted text of what can be typed is the server's
// number in the field's signs, grouped as the record says, which comes back from the server
// as the same text.
#include "framework/controls/ReglaNumero.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using Win::ReglaNumero;

bool Digit(char c)
{
    return c >= '0' && c <= '9';
}

// A number as the server reads one: an optional "-" and digits, which with decimals may be
// none before the "." that exactly that many digits follow.
bool NumeroServidor(const std::string& v, int decimales)
{
    std::size_t i = !v.empty() && v[0] == '-' ? 1 : 0;
    const std::size_t enters = i;
    while (i < v.size() && Digit(v[i]))
        ++i;
    if (decimales <= 0)
        return i > enters && i == v.size();
    if (i >= v.size() || v[i] != '.' || v.size() - i - 1 != static_cast<std::size_t>(decimales))
        return false;
    for (++i; i < v.size(); ++i)
        if (!Digit(v[i]))
            return false;
    return true;
}

// The text a field shows for a server number: its own signs, groups of three counted from the
// decimal sign when it groups, none between a leading "-" and the digits.
std::string Mostrat(const std::string& v, ReglaNumero::Signes signes, bool agrupa)
{
    const std::size_t punt = v.find('.');
    const std::string enters = v.substr(0, punt);
    const std::size_t inici = !enters.empty() && enters[0] == '-' ? 1 : 0;
    std::string out;
    for (std::size_t i = 0; i < enters.size(); ++i) {
        const std::size_t resten = enters.size() - i;
        if (agrupa && i > inici && resten % 3 == 0)
            out += signes.milers;
        out += enters[i];
    }
    if (punt != std::string::npos)
        out += signes.decimal + v.substr(punt + 1);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
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
    if (r != 1 && r != 2)
        std::abort();
    const int d = format.decimales > 0 ? format.decimales : 0;
    if (r == 1 && d < 64 && typed.size() < 4096) {
        // Room for every digit, the decimals and the grouping: nothing is left to refuse.
        ReglaNumero::Format ample = format;
        ample.longMax = static_cast<int>(typed.size()) + d + 2;
        ample.longVisible = 2 * static_cast<int>(typed.size()) + d + 4;
        std::string again = typed;
        if (ReglaNumero::Formata(again, ample) != 2)
            std::abort();
    }
    if (r != 2 || typed.find_first_not_of("0123456789+-.,") != std::string::npos)
        return 0;
    const std::string servidor = ReglaNumero::PerServidor(s, signes);
    if (!NumeroServidor(servidor, d))
        std::abort();
    // Signs with no digit typed are no number: the field reads them as empty, which is zero.
    if (typed.find_first_of("0123456789") == std::string::npos && servidor != (d ? "0." + std::string(d, '0') : "0"))
        std::abort();
    if (Mostrat(servidor, signes, format.agrupa) != s)
        std::abort();
    // The value sent, sent back by the server, shows as it was.
    std::string tornat = ReglaNumero::Rebut(servidor, signes);
    if (ReglaNumero::Formata(tornat, format) != 2 || tornat != s)
        std::abort();
    return 0;
}
