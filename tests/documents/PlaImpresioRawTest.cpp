#include "documents/PlaImpresioRaw.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Escriptures(const PlaImpresioRaw& p)
{
    std::string r;
    for (const auto& e : p.escriptures)
        r += std::to_string(e.linia) + ":" + e.bytes + "|";
    return r;
}

} // namespace

TEST(PlaImpresioRaw, RecordsBecomeWritesWithoutTheirLeadByte)
{
    const struct Cas {
        const char* nom;
        std::string fitxer;
        std::string escriptures;
        long final;
    } casos[] = {
        {"escape ESC @", "0EImpr\n~\n#+027@~", "2:\x1B@\n|", 3},
        {"natural layout", "0EImpr\n~\nuno~\ndos~", "2:uno\n|3:dos\n|", 4},
        {"one byte sends nothing", "0EImpr\n~\n~xy~", "3:y\n|", 4},
        {"empty record skipped", "0EImpr\n~~~\nab~", "4:ab\n|", 5},
        {"no delimiter line", "0EImpr", "", 1},
    };
    for (const Cas& c : casos) {
        PlaImpresioRaw p;
        ASSERT_TRUE(p.Llegeix(c.fitxer)) << c.nom;
        EXPECT_EQ(p.impressora, "Impr") << c.nom;
        EXPECT_EQ(Escriptures(p), c.escriptures) << c.nom;
        EXPECT_EQ(p.liniaFinal, c.final) << c.nom;
    }
}

TEST(PlaImpresioRaw, RecordsCutAtAThousandBytesTakeTheNextByteAsDelimiter)
{
    // 1,001 data bytes: the record is cut at 1,000 and the 1,001st ('z') delimits the next.
    const std::string fitxer = "0EImpr\n~" + std::string(1000, 'a') + "z" + "xyzq";
    PlaImpresioRaw p;
    ASSERT_TRUE(p.Llegeix(fitxer));
    ASSERT_EQ(p.escriptures.size(), 2u);
    EXPECT_EQ(p.escriptures[0].bytes, std::string(999, 'a') + "\n");
    EXPECT_EQ(p.escriptures[1].bytes, "y\n");
}

TEST(PlaImpresioRaw, Escapes)
{
    const struct Cas {
        std::string registre;
        std::string expansio;
    } casos[] = {
        {"#+027", "\x1B"},
        {"#+255", "\xFF"},
        {"#+300", std::string(1, 44)},
        {"#+000", std::string(1, '\0')},
        {"a#+065b#+066", "aAbB"},
        {"##+065", "#A"},
        {"#-065", "#-065"},
        // Escapes too close to the end keep their bytes.
        {"ab#+06", "ab#+06"},
        {"#+", "#+"},
        {"#", "#"},
    };
    for (const Cas& c : casos)
        EXPECT_EQ(PlaImpresioRaw::Expandeix(c.registre), c.expansio) << c.registre;
}

TEST(PlaImpresioRaw, HeaderAndPrinterName)
{
    const std::string nom299(299, 'p');
    const struct Cas {
        std::string fitxer;
        bool correcte;
    } casos[] = {
        {"0EImpr\n", true},
        {"0eImpr\n", false},
        {"E\nImpr\n", false},
        {"", false},
        {"0E" + nom299 + "\n~", true},
        {"0E" + nom299 + "p\n~", false},
    };
    for (const Cas& c : casos) {
        PlaImpresioRaw p;
        EXPECT_EQ(p.Llegeix(c.fitxer), c.correcte) << c.fitxer.substr(0, 12);
    }
    PlaImpresioRaw p;
    ASSERT_TRUE(p.Llegeix("0E" + nom299 + "\n~"));
    EXPECT_EQ(p.impressora, nom299);
}

TEST(PlaImpresioRaw, ErrorTextCarriesTheLine)
{
    EXPECT_EQ(PlaImpresioRaw::TextError(0), "No se ha completado la impresión, #ref 086, lin.:0");
    EXPECT_EQ(PlaImpresioRaw::TextError(999999), "No se ha completado la impresión, #ref 086, lin.:999999");
    EXPECT_EQ(PlaImpresioRaw::TextError(1000000), "No se ha completado la impresión, #ref 086, lin.:0");
}
