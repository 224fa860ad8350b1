#ifndef KORVU_SCREENS_FUSIOPANTALLES_H
#define KORVU_SCREENS_FUSIOPANTALLES_H

#include "screens/EscriptorLinies.h"
#include "screens/LectorLinies.h"

#include <string>
#include <string_view>

// Lays out the new definitions file around the lines the server sends. Mode 1 replaces one
// screen series of one language (the first 12 characters of an identifier): the old lines
// before the series' first block, the server's lines, then the old lines after that block
// (a later block of the same series stays; a series not in the file goes at the end). Mode 2
// replaces a whole language: the server's lines, then the old lines of every other language.
// The old lines are copied as they are.
class FusioPantalles {
public:
    // `antic` is the old file, null when there is none; `clau` is the screen identifier in
    // mode 1 and the configured language in mode 2.
    FusioPantalles(int mode, std::string_view clau, LectorLinies* antic, EscriptorLinies& nou);

    // Mode 1: copies the old lines ahead of the series and drops the series' first block.
    void Inici();
    // One line of the server, without its line end.
    void Afegeix(std::string_view linia);
    // The old lines that come after the server's.
    void Final();

private:
    bool EsDeLaClau(std::string_view linia) const;

    int mode_;
    std::string clau_;
    LectorLinies* antic_;
    EscriptorLinies& nou_;
    std::string retinguda_;
    bool teRetinguda_ = false;
};

#endif
