#ifndef KORVU_SCREENS_ESCRIPTORLINIES_H
#define KORVU_SCREENS_ESCRIPTORLINIES_H

#include "screens/DestiBytes.h"

#include <string>
#include <string_view>

// Writes text lines as text mode does (CR LF after each), gathering them into large writes.
class EscriptorLinies {
public:
    explicit EscriptorLinies(DestiBytes& desti, std::size_t bloc = 64 * 1024);

    // The line is given without its line end.
    void Escriu(std::string_view linia);

    // Hands everything gathered to the destination; nothing is handed over otherwise once
    // the writer is gone (a half-done file is thrown away, not completed).
    void Buida();

private:
    DestiBytes& desti_;
    std::string pendent_;
    std::size_t bloc_;
};

#endif
