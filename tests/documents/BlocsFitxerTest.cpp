#include "documents/BlocsFitxer.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using namespace BlocsFitxer;

std::string Bytes(std::initializer_list<int> v)
{
    std::string s;
    for (int b : v)
        s += static_cast<char>(b);
    return s;
}

std::string Codifica(const std::string& tros)
{
    std::string bloc;
    CodificaTros(reinterpret_cast<const unsigned char*>(tros.data()), tros.size(), bloc);
    return bloc;
}

// Collects what the decoder writes, and how large each write was.
struct Recull : Sortida {
    std::string bytes;
    std::size_t mesGran = 0;
    int fallaDespres = -1;  // writes that succeed before the next one fails
    bool Escriu(const unsigned char* b, std::size_t n) override
    {
        if (fallaDespres == 0)
            return false;
        if (fallaDespres > 0)
            --fallaDespres;
        bytes.append(reinterpret_cast<const char*>(b), n);
        mesGran = std::max(mesGran, n);
        return true;
    }
};

Resultat Descodifica(const std::string& bloc, Recull& r)
{
    // The block in a buffer of exactly its size, so that ASan sees any read past it.
    std::vector<unsigned char> exacte(bloc.begin(), bloc.end());
    return DescodificaBloc(exacte.data(), exacte.size(), r);
}

// The sender's whole loop: chunks of 300, blocks cut past 3,696 bytes, the end mark last.
std::vector<std::string> Blocs(const std::string& fitxer)
{
    std::vector<std::string> blocs;
    std::string bloc;
    for (std::size_t i = 0; i < fitxer.size(); i += kMidaTros) {
        const std::size_t n = std::min(kMidaTros, fitxer.size() - i);
        CodificaTros(reinterpret_cast<const unsigned char*>(fitxer.data() + i), n, bloc);
        if (bloc.size() > kLlindarBloc && i + n < fitxer.size()) {
            blocs.push_back(bloc);
            bloc.clear();
        }
    }
    bloc += static_cast<char>(kFi);
    blocs.push_back(bloc);
    return blocs;
}

TEST(BlocsFitxer, EncoderGivesExactItems)
{
    struct Cas {
        const char* nom;
        std::string tros;
        std::string bloc;
    };
    const std::string a63(63, 'a');
    const std::vector<Cas> casos = {
        {"empty", "", ""},
        {"one byte", "x", Bytes({0x01, 'x'})},
        {"two equal: the pair's second byte is the last", "xx", Bytes({0x81, 'x', 0x01, 'x'})},
        {"four equal", "AAAA", Bytes({0x83, 'A', 0x01, 'A'})},
        {"literal then pair at the end", "ABCDD",
         Bytes({0x03, 'A', 'B', 'C', 0x81, 'D', 0x01, 'D'})},
        {"pair inside", "ABBC", Bytes({0x01, 'A', 0x82, 'B', 0x01, 'C'})},
        {"run of 64 then the last byte", std::string(65, 'a'),
         Bytes({0xBF, 'a', 0x81, 'a', 0x01, 'a'})},
        {"run of 63 then another byte", a63 + "b", Bytes({0xBF, 'a', 0x01, 'b'})},
        {"byte 0x1A and NUL are plain data", std::string("\x1A\0\x1A", 3),
         Bytes({0x03, 0x1A, 0x00, 0x1A})},
    };
    for (const Cas& c : casos)
        EXPECT_EQ(Codifica(c.tros), c.bloc) << c.nom;
}

TEST(BlocsFitxer, EncoderSplitsLongRunsAndLiterals)
{
    // 100 equal bytes inside a chunk: 63, then a further item for the remaining 37.
    const std::string cent = std::string(100, 'x') + "y";
    EXPECT_EQ(Codifica(cent), Bytes({0xBF, 'x', 0xA5, 'x', 0x01, 'y'}));

    // A literal holds at most 127 bytes.
    std::string diferents;
    for (int i = 0; i < 200; ++i)
        diferents += static_cast<char>(i);
    const std::string bloc = Codifica(diferents);
    ASSERT_EQ(bloc.size(), 202u);
    EXPECT_EQ(static_cast<unsigned char>(bloc[0]), 127);
    EXPECT_EQ(static_cast<unsigned char>(bloc[128]), 73);
}

TEST(BlocsFitxer, WorstChunkStaysWithinItsBound)
{
    // A single byte and a pair, over and over: 4 bytes for 3.
    std::string tros;
    for (int i = 0; i < 100; ++i)
        tros += std::string(1, static_cast<char>('a' + i % 2)) + std::string(2, 'z');
    ASSERT_EQ(tros.size(), kMidaTros);
    const std::string bloc = Codifica(tros);
    EXPECT_LE(bloc.size(), 402u);
    EXPECT_LE(bloc.size(), MidaMaxCodificada(kMidaTros));
}

TEST(BlocsFitxer, DecoderExamples)
{
    struct Cas {
        const char* nom;
        std::string bloc;
        std::string fitxer;
        Resultat resultat;
    };
    const std::vector<Cas> casos = {
        {"literal, repeat, end; the rest ignored", Bytes({0x02, 'A', 'B', 0x83, 'x', 0xC0, 0x05}),
         "ABxxx", Fi},
        {"repeat of zero and empty literal give nothing", Bytes({0x80, 'q', 0x00, 0xC0}), "", Fi},
        {"empty file", Bytes({0xC0}), "", Fi},
        {"any byte from 0xC0 ends", Bytes({0x01, 'k', 0xFF}), "k", Fi},
        {"no end mark: more blocks follow", Bytes({0x01, 'k'}), "k", Continua},
        {"empty block", "", "", Continua},
        {"literal past the block", Bytes({0x01, 'k', 0x05, 'a', 'b'}), "k", Malformat},
        {"repeat cut by the block's end", Bytes({0x01, 'k', 0x85}), "k", Malformat},
        {"0x1A is data", Bytes({0x02, 0x1A, 'z', 0x82, 0x1A, 0xC0}), "\x1Az\x1A\x1A", Fi},
    };
    for (const Cas& c : casos) {
        Recull r;
        EXPECT_EQ(Descodifica(c.bloc, r), c.resultat) << c.nom;
        EXPECT_EQ(r.bytes, c.fitxer) << c.nom;
    }
}

TEST(BlocsFitxer, DecoderWritesInBoundedPiecesAndReportsAFailedWrite)
{
    // A block of repeats expands 31 times: the writes stay within 300 + 127 bytes.
    std::string bloc;
    for (int i = 0; i < 200; ++i)
        bloc += Bytes({0xBF, i & 0x7F});
    Recull r;
    EXPECT_EQ(Descodifica(bloc, r), Continua);
    EXPECT_EQ(r.bytes.size(), 200u * 63u);
    EXPECT_LE(r.mesGran, kPendentMax + 127);

    Recull falla;
    falla.fallaDespres = 2;
    EXPECT_EQ(Descodifica(bloc + Bytes({0xC0}), falla), ErrorEscriptura);
}

TEST(BlocsFitxer, FilesSurviveTheWholeRoadBothWays)
{
    std::mt19937 gen(12345);
    std::vector<std::string> fitxers = {"", "a", std::string(300, 'z'), std::string(301, 'z'),
                                        std::string(20000, '\x1A')};
    for (int n : {1, 2, 299, 300, 301, 599, 3697, 5000, 70000}) {
        std::string f;
        // Random bytes of a small alphabet give runs, pairs and literals of every length.
        std::uniform_int_distribution<int> alfabet(0, n % 3 == 0 ? 255 : 3);
        std::uniform_int_distribution<int> tall(1, 90);
        while (static_cast<int>(f.size()) < n)
            f += std::string(static_cast<std::size_t>(tall(gen) % 7 == 0 ? tall(gen) : 1),
                             static_cast<char>(alfabet(gen)));
        f.resize(static_cast<std::size_t>(n));
        fitxers.push_back(f);
    }
    for (const std::string& f : fitxers) {
        const std::vector<std::string> blocs = Blocs(f);
        Recull r;
        for (std::size_t i = 0; i < blocs.size(); ++i) {
            EXPECT_LE(blocs[i].size(), kMaxBloc);
            EXPECT_EQ(Descodifica(blocs[i], r), i + 1 == blocs.size() ? Fi : Continua);
        }
        EXPECT_EQ(r.bytes, f) << "file of " << f.size() << " bytes";
    }
}

TEST(BlocsFitxer, ABlockThatFillsAtTheFilesEnd)
{
    // Each chunk of 300 distinct bytes takes 303: the 13th passes 3,696. When it is the file's
    // last, the end mark joins that block; one byte more and the end travels in a block of its own.
    std::string f;
    for (int i = 0; i < 13 * 300; ++i)
        f += static_cast<char>(i * 7 % 251);
    std::vector<std::string> blocs = Blocs(f);
    ASSERT_EQ(blocs.size(), 1u);
    EXPECT_EQ(blocs[0].size(), 13u * 303u + 1u);

    blocs = Blocs(f + "q");
    ASSERT_EQ(blocs.size(), 2u);
    EXPECT_EQ(blocs[0].size(), 13u * 303u);
    EXPECT_EQ(blocs[1], Bytes({0x01, 'q', 0xC0}));
}

TEST(BlocsFitxer, ModeLetters)
{
    const std::string lletres = "abrwRWicdgI";
    const int codis[] = {0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    for (std::size_t i = 0; i < lletres.size(); ++i)
        EXPECT_EQ(AccioMode(lletres[i]), codis[i]) << lletres[i];
    for (char c : {'x', ' ', 'A', 'B', '\0', static_cast<char>(0xFF)})
        EXPECT_EQ(AccioMode(c), 2) << static_cast<int>(c);
}

} // namespace
