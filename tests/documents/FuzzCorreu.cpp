// Mail fields from the server composed into a link: the parts keep their limits, and the
// subject and body can neither add header fields nor cut the link.
#include "documents/EnllacCorreu.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string camp(reinterpret_cast<const char*>(data), size);
    const EnllacCorreu::Parts p = EnllacCorreu::Separa(camp);
    if (p.destinatari.size() > EnllacCorreu::kMaxDestinatari ||
        p.assumpte.size() > EnllacCorreu::kMaxAssumpte || p.cos.size() > EnllacCorreu::kMaxCos)
        __builtin_trap();
    const std::string enllac = EnllacCorreu::Enllac(camp);
    // One "?", one "&" and no "#", line break or blank: the parts added nothing.
    const std::string cua = enllac.substr(7);
    const std::size_t pregunta = cua.find('?');
    const std::size_t i = cua.find('&');
    if (pregunta == std::string::npos || i == std::string::npos ||
        cua.compare(pregunta, 9, "?subject=") != 0 || cua.compare(i, 6, "&body=") != 0 ||
        cua.find_first_of("?&", i + 1) != std::string::npos ||
        cua.find_first_of("#\r\n ") != std::string::npos)
        __builtin_trap();
    return 0;
}
