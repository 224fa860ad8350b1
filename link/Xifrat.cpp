#include "link/Xifrat.h"

#include "link/Trama.h"

#include <cstdio>
#include <cstring>

namespace {

unsigned char taulaClaus[kMidaClaus];

int TotalAcotat(int total)
{
    return total > Trama::kMidaTrama ? Trama::kMidaTrama : total;
}

} // namespace

int CarregaClaus(const char* fitxer)
{
    std::FILE* f = std::fopen(fitxer, "rb");
    if (!f) {
        std::fputs("\nError al abrir el fichero de encriptación.\n", stdout);
        return 10;
    }
    for (int i = 0; i < kMidaClaus; ++i) {
        const int c = std::fgetc(f);
        if (c == EOF) {
            std::fclose(f);
            return 11;
        }
        taulaClaus[i] = static_cast<unsigned char>(c);
    }
    std::fclose(f);
    return 0;
}

// Each body byte depends on its position p in its block, the block number r, the key byte and
// the cipher byte at the same position of the block before (the key itself for the first).
void XifraTramesa(const char* text, char* wire, int total, unsigned char flag)
{
    total = TotalAcotat(total);
    auto* w = reinterpret_cast<unsigned char*>(wire);
    const auto* t = reinterpret_cast<const unsigned char*>(text);
    w[0] = static_cast<unsigned char>((total >> 8) & 0xFF);
    w[1] = static_cast<unsigned char>(total & 0xFF);
    w[2] = flag;

    unsigned char anterior[kMidaClaus];
    unsigned char instant[kMidaClaus];
    std::memcpy(anterior, taulaClaus, kMidaClaus);
    const int cos = total - Trama::kCapcalera;
    int r = 0;
    for (int i = 0; i < cos; i += kMidaClaus) {
        ++r;
        std::memcpy(instant, anterior, kMidaClaus);
        for (int k = 0; k < kMidaClaus && i + k < cos; ++k) {
            const unsigned char e =
                static_cast<unsigned char>(t[i + k] + (k + 1) + taulaClaus[k] + instant[k] + r);
            w[Trama::kCapcalera + i + k] = e;
            anterior[k] = e;
        }
    }
}

void DesxifraTramesa(const char* wire, char* text)
{
    const auto* w = reinterpret_cast<const unsigned char*>(wire);
    auto* t = reinterpret_cast<unsigned char*>(text);
    const int total = TotalAcotat(w[0] * 256 + w[1]);

    unsigned char anterior[kMidaClaus];
    unsigned char instant[kMidaClaus];
    std::memcpy(anterior, taulaClaus, kMidaClaus);
    const int cos = total - Trama::kCapcalera;
    int r = 0;
    for (int i = 0; i < cos; i += kMidaClaus) {
        ++r;
        std::memcpy(instant, anterior, kMidaClaus);
        for (int k = 0; k < kMidaClaus && i + k < cos; ++k) {
            const unsigned char e = w[Trama::kCapcalera + i + k];
            anterior[k] = e;
            t[i + k] = static_cast<unsigned char>(e - taulaClaus[k] - instant[k] - (k + 1) - r);
        }
    }
}
