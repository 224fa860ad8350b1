#ifndef KORVU_SCREENS_LECTORLINIES_H
#define KORVU_SCREENS_LECTORLINIES_H

#include "screens/FontBytes.h"

#include <cstddef>
#include <string_view>
#include <vector>

// Reads a text file line by line as text mode does: a line ends at LF, and a CR just before it
// belongs to the line end (CR LF on disk, LF in memory). The last line may lack its line end.
// The bytes come in blocks, so a large file is never held whole.
class LectorLinies {
public:
    explicit LectorLinies(FontBytes& font, std::size_t bloc = 256 * 1024);

    // The next line without its line end; false once the input is used up. The view stays
    // valid until the next call.
    bool Seguent(std::string_view& linia);

    // Reads on to the first line that begins with `inici` (not empty), adding every line
    // passed over to `saltades`; false once the input is used up.
    bool CercaInici(std::string_view inici, std::string_view& linia, int& saltades);

private:
    bool Omple();

    FontBytes& font_;
    std::vector<char> buffer_;
    std::size_t inici_ = 0;    // first byte not yet handed out
    std::size_t fi_ = 0;       // end of the bytes read
    std::size_t mirat_ = 0;    // bytes after inici_ already known to hold no LF
    bool esgotada_ = false;
    std::size_t regulars_ = 0;    // lines of the usual width known to follow from inici_
    std::size_t senseProva_ = 0;  // lines to read one by one before the next proof
};

#endif
