#ifndef KORVU_DOCUMENTS_BLOCSFITXER_H
#define KORVU_DOCUMENTS_BLOCSFITXER_H

#include <cstddef>
#include <string>

// The byte-run compression of the file-transfer blocks, both ways, and the transfer-mode letter.
// A block is a sequence of items: 0x00-0x7F a literal of that many bytes, 0x80-0xBF a byte
// repeated (c AND 0x3F) times, 0xC0-0xFF the end of the file.
namespace BlocsFitxer {

constexpr std::size_t kMidaTros = 300;     // the sender reads the file this much at a time
constexpr std::size_t kLlindarBloc = 3696; // a block holding more is sent before the next chunk
constexpr std::size_t kMaxBloc = 4099;     // the most a sent block may hold, end mark included
constexpr std::size_t kPendentMax = 300;   // decoded bytes are written once more are pending
constexpr unsigned char kFi = 0xC0;

// The most bytes that CodificaTros appends for a chunk of n bytes.
constexpr std::size_t MidaMaxCodificada(std::size_t n) { return n + n / 3 + 2; }

// Appends the items of one chunk to `bloc`. Runs and literals never cross chunks.
void CodificaTros(const unsigned char* b, std::size_t n, std::string& bloc);

// Where decoded bytes go; false when a write failed.
class Sortida {
public:
    virtual ~Sortida() = default;
    virtual bool Escriu(const unsigned char* bytes, std::size_t n) = 0;
};

enum Resultat {
    Continua,     // the block is done, more blocks follow
    Fi,           // the end mark was reached
    Malformat,    // an item claims more bytes than the block holds: nothing of it was written
    ErrorEscriptura
};

// Decodes one block of `mida` bytes to `sortida`, at most kPendentMax + 127 bytes at a time.
// Nothing is read past the block.
Resultat DescodificaBloc(const unsigned char* bloc, std::size_t mida, Sortida& sortida);

// The action code of the transfer-mode letter (reply byte 4).
int AccioMode(char lletra);

enum Accio {
    kRtf = 0, kFullCalcul = 1, kDesa = 2, kLectura = 3, kEscriptura = 4, kLecturaObre = 5,
    kSubstitueixObre = 6, kJava = 7, kImpressioDirecta = 8, kImpressioRaw = 9, kFitxers = 10,
    kProvaImpres = 11
};

} // namespace BlocsFitxer

#endif
