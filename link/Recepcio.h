#ifndef KORVU_LINK_RECEPCIO_H
#define KORVU_LINK_RECEPCIO_H

#include "link/Trama.h"

// Assembles one received frame in the wire buffer from the chunks that the connection hands
// over. It says where the next chunk may go and how much of it, so that no receive writes past
// the buffer or past the frame's total; bytes that came with a chunk but belong to the next
// frame are kept and start the next frame.
class Recepcio {
public:
    enum Resultat {
        Falten,           // more bytes are needed
        Completa,         // the frame of Total() bytes is in the wire buffer
        TotalIncorrecte,  // the header's total is not one Trama::TotalValid accepts
    };

    // Starts a frame in wire (Trama::kMidaTrama bytes), with the kept bytes, if any.
    Resultat Inicia(char* wire);

    // Where the next chunk goes and at most how many bytes it may bring (always at least 1
    // while the result is Falten).
    char* Lloc() const { return wire_ + rebuts_; }
    int Espai() const;

    // n bytes (1 or more, at most Espai()) were received at Lloc().
    Resultat Afegeix(int n);

    int Total() const { return total_; }
    int Rebuts() const { return rebuts_; }
    int Guardats() const { return nGuardats_; }

    // Forgets the kept bytes (the connection they came from is gone).
    void Descarta() { nGuardats_ = 0; }

private:
    Resultat Avalua();

    char* wire_ = nullptr;
    int rebuts_ = 0;
    int total_ = 0;
    char guardats_[Trama::kMidaTrama] = {};
    int nGuardats_ = 0;
};

#endif
