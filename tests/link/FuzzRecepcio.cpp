// A connection handing over arbitrary bytes in arbitrary chunks: the frames assembled from it
// never reach past the wire buffer, and deciphering stays inside the text buffer.
#include "link/Recepcio.h"
#include "link/Trama.h"
#include "link/Xifrat.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte picks the chunk size, the rest is the stream.
    const int peca = 1 + data[0] * 37;
    data += 1;
    size -= 1;

    auto r = std::make_unique<Recepcio>();
    std::vector<char> wire(Trama::kMidaTrama);
    std::vector<char> text(Trama::kMidaText);
    std::size_t pos = 0;
    for (int trames = 0; trames < 64; ++trames) {
        Recepcio::Resultat res = r->Inicia(wire.data());
        while (res == Recepcio::Falten && pos < size) {
            const int espai = r->Espai();
            if (espai < 1 || r->Lloc() + espai > wire.data() + wire.size())
                __builtin_trap();
            const int n = static_cast<int>(std::min<std::size_t>({static_cast<std::size_t>(peca),
                                                                  static_cast<std::size_t>(espai),
                                                                  size - pos}));
            std::memcpy(r->Lloc(), data + pos, static_cast<std::size_t>(n));
            pos += static_cast<std::size_t>(n);
            res = r->Afegeix(n);
        }
        if (res != Recepcio::Completa)
            break;
        if (r->Total() < Trama::kCapcalera || r->Total() > Trama::kMidaTrama)
            __builtin_trap();
        DesxifraTramesa(wire.data(), text.data());
    }
    return 0;
}
