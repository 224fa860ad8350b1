#include "link/Recepcio.h"
#include "link/Trama.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string Frame(int total, char omple)
{
    std::string f(static_cast<std::size_t>(total), omple);
    f[0] = static_cast<char>(total >> 8);
    f[1] = static_cast<char>(total & 0xFF);
    return f;
}

// Plays a connection that hands over the stream in chunks of the given sizes (the last size
// repeats), each cut to what the receiver asks for, as recv does.
struct Connexio {
    std::string flux;
    std::vector<int> peces;
    std::size_t pos = 0;
    std::size_t peca = 0;

    Recepcio::Resultat RepTrama(Recepcio& r, char* wire, int* rebudes = nullptr)
    {
        Recepcio::Resultat res = r.Inicia(wire);
        while (res == Recepcio::Falten && pos < flux.size()) {
            EXPECT_GE(r.Espai(), 1);
            int n = std::min<int>(peces[std::min(peca, peces.size() - 1)], r.Espai());
            n = std::min<int>(n, static_cast<int>(flux.size() - pos));
            ++peca;
            std::memcpy(r.Lloc(), flux.data() + pos, static_cast<std::size_t>(n));
            pos += static_cast<std::size_t>(n);
            if (rebudes)
                ++*rebudes;
            res = r.Afegeix(n);
        }
        return res;
    }
};

struct Buffers {
    std::unique_ptr<Recepcio> r = std::make_unique<Recepcio>();
    // One guard byte past the wire buffer shows any write beyond it.
    std::vector<char> wire = std::vector<char>(Trama::kMidaTrama + 1, 'G');
    char Guarda() const { return wire[Trama::kMidaTrama]; }
};

} // namespace

TEST(Recepcio, WholeFrameInOneChunkEndsAtOnce)
{
    Buffers b;
    Connexio c{Frame(20, 'a'), {8200}};
    int rebudes = 0;
    ASSERT_EQ(c.RepTrama(*b.r, b.wire.data(), &rebudes), Recepcio::Completa);
    EXPECT_EQ(rebudes, 1);
    EXPECT_EQ(b.r->Total(), 20);
    EXPECT_EQ(std::string(b.wire.data(), 20), c.flux);
    EXPECT_EQ(b.r->Guardats(), 0);
}

TEST(Recepcio, FrameOf8200BytesInChunksOf1460IsAssembledInOrder)
{
    Buffers b;
    std::string f = Frame(8200, 0);
    for (std::size_t i = 2; i < f.size(); ++i)
        f[i] = static_cast<char>(i * 7);
    Connexio c{f, {1460}};
    int rebudes = 0;
    ASSERT_EQ(c.RepTrama(*b.r, b.wire.data(), &rebudes), Recepcio::Completa);
    EXPECT_EQ(rebudes, 6);
    EXPECT_EQ(std::string(b.wire.data(), 8200), f);
    EXPECT_EQ(b.Guarda(), 'G');
}

TEST(Recepcio, OneByteChunksIncludingAFirstChunkWithoutTheLowByte)
{
    Buffers b;
    Connexio c{Frame(300, 'z'), {1, 1, 1, 50}};
    ASSERT_EQ(c.RepTrama(*b.r, b.wire.data()), Recepcio::Completa);
    EXPECT_EQ(std::string(b.wire.data(), 300), c.flux);
}

TEST(Recepcio, TotalOutsideThreeTo8200IsRefusedBeforeAnyMoreIsRead)
{
    // 3 is the header alone: a frame with an empty body.
    struct Caso {
        int total;
        Recepcio::Resultat res;
    } casos[] = {{0, Recepcio::TotalIncorrecte},    {2, Recepcio::TotalIncorrecte},
                 {8201, Recepcio::TotalIncorrecte}, {65535, Recepcio::TotalIncorrecte},
                 {3, Recepcio::Completa},           {4, Recepcio::Completa},
                 {8200, Recepcio::Completa}};
    for (const Caso& cas : casos) {
        Buffers b;
        std::string flux = Frame(8200, 'x');
        flux[0] = static_cast<char>(cas.total >> 8);
        flux[1] = static_cast<char>(cas.total & 0xFF);
        Connexio c{flux, {2, 8200}};
        int rebudes = 0;
        EXPECT_EQ(c.RepTrama(*b.r, b.wire.data(), &rebudes), cas.res) << cas.total;
        if (cas.res == Recepcio::TotalIncorrecte) {
            EXPECT_EQ(rebudes, 1) << cas.total;
        }
        EXPECT_EQ(b.Guarda(), 'G');
    }
}

TEST(Recepcio, ReceivesNeverReachPastTheTotal)
{
    Buffers b;
    Connexio c{Frame(1000, 'a') + Frame(10, 'b'), {10, 8200}};
    b.r->Inicia(b.wire.data());
    std::memcpy(b.r->Lloc(), c.flux.data(), 10);
    ASSERT_EQ(b.r->Afegeix(10), Recepcio::Falten);
    EXPECT_EQ(b.r->Espai(), 990);
}

TEST(Recepcio, BytesOfTheFollowingFrameStartTheNextReceive)
{
    Buffers b;
    const std::string primera = Frame(100, 'a');
    const std::string segona = Frame(50, 'b');
    const std::string tercera = Frame(4000, 'c');
    // The first chunk brings the first frame, the second whole and the head of the third.
    Connexio c{primera + segona + tercera, {100 + 50 + 1000, 8200}};

    ASSERT_EQ(c.RepTrama(*b.r, b.wire.data()), Recepcio::Completa);
    EXPECT_EQ(std::string(b.wire.data(), 100), primera);
    EXPECT_EQ(b.r->Guardats(), 1050);
    EXPECT_EQ(b.wire[100], 0) << "bytes past the total stay out of the frame";

    int rebudes = 0;
    ASSERT_EQ(c.RepTrama(*b.r, b.wire.data(), &rebudes), Recepcio::Completa);
    EXPECT_EQ(rebudes, 0);
    EXPECT_EQ(std::string(b.wire.data(), 50), segona);

    ASSERT_EQ(c.RepTrama(*b.r, b.wire.data(), &rebudes), Recepcio::Completa);
    EXPECT_EQ(rebudes, 1);
    EXPECT_EQ(std::string(b.wire.data(), 4000), tercera);
    EXPECT_EQ(b.r->Guardats(), 0);
}

TEST(Recepcio, KeptBytesWithABadTotalAreRefusedAndCanBeDropped)
{
    Buffers b;
    std::string brossa = Frame(10, 'a') + std::string("\xFF\xFF", 2);
    Connexio c{brossa, {8200}};
    ASSERT_EQ(c.RepTrama(*b.r, b.wire.data()), Recepcio::Completa);
    EXPECT_EQ(b.r->Inicia(b.wire.data()), Recepcio::TotalIncorrecte);

    Connexio d{Frame(10, 'a') + "x", {8200}};
    ASSERT_EQ(d.RepTrama(*b.r, b.wire.data()), Recepcio::Completa);
    b.r->Descarta();
    EXPECT_EQ(b.r->Inicia(b.wire.data()), Recepcio::Falten);
    EXPECT_EQ(b.r->Rebuts(), 0);
}
