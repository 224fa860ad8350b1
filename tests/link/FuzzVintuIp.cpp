// Answers of the address service: any content gives an address of at most 100 characters and
// a port in 1..65535, or a refusal.
#include "link/VintuIp.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string adreca;
    int port = 0;
    const VintuIp::Resultat r =
        VintuIp::Interpreta(reinterpret_cast<const char*>(data), size, adreca, port);
    if (r == VintuIp::Correcte &&
        (adreca.empty() || adreca.size() > VintuIp::kMaxAdreca || port < 1 || port > 65535))
        __builtin_trap();
    return 0;
}
