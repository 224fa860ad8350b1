// Blocks from the server decoded: nothing read past the block, writes bounded; and any bytes
// encoded as the sender does come back whole.
#include "documents/BlocsFitxer.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

struct Recull : BlocsFitxer::Sortida {
    std::string bytes;
    bool Escriu(const unsigned char* b, std::size_t n) override
    {
        if (n == 0 || n > BlocsFitxer::kPendentMax + 127)
            __builtin_trap();
        bytes.append(reinterpret_cast<const char*>(b), n);
        return true;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<unsigned char> bloc(data, data + size);
    Recull r;
    BlocsFitxer::DescodificaBloc(bloc.data(), bloc.size(), r);
    if (r.bytes.size() > size * 32)
        __builtin_trap();

    std::string codificat;
    for (std::size_t i = 0; i < size; i += BlocsFitxer::kMidaTros) {
        const std::size_t n = std::min(BlocsFitxer::kMidaTros, size - i);
        const std::size_t abans = codificat.size();
        BlocsFitxer::CodificaTros(data + i, n, codificat);
        if (codificat.size() - abans > BlocsFitxer::MidaMaxCodificada(n))
            __builtin_trap();
    }
    codificat += static_cast<char>(BlocsFitxer::kFi);
    Recull torna;
    std::vector<unsigned char> c(codificat.begin(), codificat.end());
    if (BlocsFitxer::DescodificaBloc(c.data(), c.size(), torna) != BlocsFitxer::Fi ||
        torna.bytes != std::string(reinterpret_cast<const char*>(data), size))
        __builtin_trap();
    return 0;
}
