#ifndef KORVU_SCREENS_FONTBYTES_H
#define KORVU_SCREENS_FONTBYTES_H

#include <cstddef>

// Where the readers of the definitions file take their bytes from: a file on disk in the
// program, memory in the tests.
class FontBytes {
public:
    virtual ~FontBytes() = default;

    // Up to max bytes into destination; 0 only at the end. A failure throws.
    virtual std::size_t Llegeix(char* destination, std::size_t max) = 0;
};

#endif
