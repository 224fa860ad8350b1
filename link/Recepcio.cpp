#include "link/Recepcio.h"

#include <cstring>

Recepcio::Resultat Recepcio::Inicia(char* wire)
{
    wire_ = wire;
    total_ = 0;
    rebuts_ = nGuardats_;
    std::memcpy(wire_, guardats_, static_cast<std::size_t>(nGuardats_));
    nGuardats_ = 0;
    return Avalua();
}

int Recepcio::Espai() const
{
    // Before the total is known a chunk may reach into the next frame; Avalua keeps that part.
    return total_ > 0 ? total_ - rebuts_ : Trama::kMidaTrama - rebuts_;
}

Recepcio::Resultat Recepcio::Afegeix(int n)
{
    rebuts_ += n;
    return Avalua();
}

Recepcio::Resultat Recepcio::Avalua()
{
    if (rebuts_ < 2)
        return Falten;
    const auto* w = reinterpret_cast<const unsigned char*>(wire_);
    const int total = w[0] * 256 + w[1];
    if (!Trama::TotalValid(total))
        return TotalIncorrecte;
    total_ = total;
    if (rebuts_ < total_)
        return Falten;
    nGuardats_ = rebuts_ - total_;
    std::memcpy(guardats_, wire_ + total_, static_cast<std::size_t>(nGuardats_));
    std::memset(wire_ + total_, 0, static_cast<std::size_t>(nGuardats_));
    rebuts_ = total_;
    return Completa;
}
