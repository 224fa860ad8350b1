#ifndef KORVU_SCREENS_DESTIBYTES_H
#define KORVU_SCREENS_DESTIBYTES_H

#include <cstddef>

// Where the writers of the definitions file put their bytes: a file on disk in the program,
// memory in the tests.
class DestiBytes {
public:
    virtual ~DestiBytes() = default;

    // Writes all n bytes or throws.
    virtual void Escriu(const char* bytes, std::size_t n) = 0;
};

#endif
