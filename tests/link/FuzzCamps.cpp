// Records from the server read and rewritten with the field utilities, the header readers and
// the frame log entry: none may read or write outside its buffers.
#include "framework/DispError.h"
#include "link/Camps.h"
#include "link/Trama.h"
#include "link/TrazaTrama.h"

#include <cstdint>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
    const int n = data[0] % 100;
    const int m = data[1] % 100;
    const std::size_t capacitat = data[2] % 64;
    const int mode = data[3] % 3;
    data += 4;
    size -= 4;

    std::vector<char> registre(data, data + size);
    registre.push_back('\0');

    // One guard byte past the room that the calls are given.
    std::vector<char> sortida(capacitat + 1, 'G');
    char codi[2];
    try {
        GetField(registre.data(), sortida.data(), n, mode, 80, capacitat);
    } catch (const DispError&) {
    }
    try {
        GetCodedField(registre.data(), sortida.data(), codi, n, capacitat);
    } catch (const DispError&) {
    }
    if (sortida[capacitat] != 'G')
        __builtin_trap();

    // Replace field m of the record by field n of itself, in a destination with little room.
    const std::size_t len = std::strlen(registre.data());
    std::vector<char> desti(len + 1 + capacitat);
    std::memcpy(desti.data(), registre.data(), len + 1);
    ReplaceField(registre.data(), desti.data(), n, m, desti.size());
    if (std::memchr(desti.data(), '\0', desti.size()) == nullptr)
        __builtin_trap();

    if (size >= 44) {
        Trama::CodigoOrden(registre.data());
        Trama::IdPantalla(registre.data());
        Trama::NumeroCabecera(registre.data());
    }
    EntradaTraza(registre.data(), size, 0);
    return 0;
}
