// The configuration text is outside data: reading it must end in values or a DispError, and
// the write-back must keep every line, agree with itself and never make a readable file
// unreadable.
#include "app/TextConfiguracio.h"
#include "framework/DispError.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool Llegible(const std::string& text)
{
    TextConfiguracio::Valors v;
    try {
        TextConfiguracio::Aplica(text, "C:\\app", v);
    } catch (const DispError&) {
        return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte chooses which lines the rewrite replaces.
    const uint8_t tria = data[0];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const bool llegible = Llegible(text);

    TextConfiguracio::Canvis canvis;
    if (tria & 1)
        canvis.accesRemot = (tria & 2) != 0;
    if (tria & 4)
        canvis.usuario = text.substr(0, 8);
    if (tria & 8)
        canvis.empresa = "01";
    if (tria & 16)
        canvis.servidorExt = text.substr(text.size() / 2, 120);
    if (tria & 32)
        canvis.port = (tria & 64) ? 70000 : 5000;
    const std::string una = TextConfiguracio::Reescriu(text, canvis);
    if (TextConfiguracio::Linies(una).size() != TextConfiguracio::Linies(text).size())
        std::abort();
    if (TextConfiguracio::Reescriu(una, canvis) != una)
        std::abort();
    if (llegible && !Llegible(una))
        std::abort();
    return 0;
}
