#include "documents/PlaImpresioDirecta.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Ordre = PlaImpresioDirecta::Ordre;

const std::string U = "\x01";

// The header "01L", the printer, the two dropped bytes, then records each ended by 0x01 and
// followed by the next record's lead byte.
std::string Ticket(const std::string& registres) { return "01LTicketera#\r\n" + registres; }

std::string Passos(const PlaImpresioDirecta& p)
{
    std::string r;
    for (const auto& s : p.passos) {
        r += std::to_string(s.linia);
        r += s.ordre == Ordre::Text ? "T:" + s.text : s.ordre == Ordre::FontA22 ? "G" : "R";
        r += "|";
    }
    return r;
}

} // namespace

TEST(PlaImpresioDirecta, HeaderFieldsByKind)
{
    PlaImpresioDirecta p;
    ASSERT_TRUE(p.Llegeix("01CEtiquetas#Code 39#12#\r\n*123*" + U + "\n"));
    EXPECT_EQ(p.tipus, 'C');
    EXPECT_EQ(p.impressora, "Etiquetas");
    EXPECT_EQ(p.caraBarres, "Code 39");
    EXPECT_EQ(p.midaBarres, 12);
    EXPECT_EQ(Passos(p), "0T:*123*|");
    EXPECT_STREQ(PlaImpresioDirecta::NomDocument('C'), "Códigos de barras");
    EXPECT_STREQ(PlaImpresioDirecta::NomDocument('L'), "Ticket");
    EXPECT_STREQ(PlaImpresioDirecta::NomDocument('A'), "Apertura cajon");
    EXPECT_STREQ(PlaImpresioDirecta::NomDocument('x'), "Apertura cajon");

    // The drawer reads nothing after the printer name.
    ASSERT_TRUE(p.Llegeix("01ACajon#\r\nlinea" + U + "\n"));
    EXPECT_EQ(p.tipus, 'A');
    EXPECT_EQ(p.impressora, "Cajon");
    EXPECT_TRUE(p.passos.empty());
    EXPECT_EQ(std::string(PlaImpresioDirecta::kPolsCalaix, 7), std::string("\x05\x00\x1B\x70\x00\x0A\x64", 7));

    // A header cut short by 0x01 has no kind letter; the 0x01 starts the printer name.
    ASSERT_TRUE(p.Llegeix("01" + U + "Impr#\r\nhola" + U + "\n"));
    EXPECT_EQ(p.tipus, '\0');
    EXPECT_EQ(p.impressora, U + "Impr");
    EXPECT_EQ(Passos(p), "0T:hola|");
}

TEST(PlaImpresioDirecta, BarCodeHeightFromPointsAndResolution)
{
    EXPECT_EQ(PlaImpresioDirecta::AlcadaBarres(12, 203), -33);
    EXPECT_EQ(PlaImpresioDirecta::AlcadaBarres(12, 72), -12);
    EXPECT_EQ(PlaImpresioDirecta::AlcadaBarres(0, 600), 0);
    EXPECT_EQ(PlaImpresioDirecta::AlcadaBarres(999, 600), -8325);
}

TEST(PlaImpresioDirecta, HeaderFieldsThatDoNotFitAreRefused)
{
    const std::string nom299(299, 'n');
    const struct Cas {
        std::string fitxer;
        bool correcte;
    } casos[] = {
        {"", false},
        {U + "L" + "Impr#\r\n", false},                    // no header
        {"01LImpr", false},                                  // printer name never ended
        {"01L#\r\n", false},                                 // empty printer name
        {"01L" + nom299 + "#\r\n", true},
        {"01L" + nom299 + "n#\r\n", false},
        {"01CImpr#" + std::string(19, 'f') + "#12#\r\n", true},
        {"01CImpr#" + std::string(20, 'f') + "#12#\r\n", false},
        {"01CImpr#Cara#123#\r\n", true},
        {"01CImpr#Cara#1234#\r\n", false},
        {"01CImpr#Cara", false},
        {"01CImpr#Cara#12", false},
    };
    for (const Cas& c : casos) {
        PlaImpresioDirecta p;
        EXPECT_EQ(p.Llegeix(c.fitxer), c.correcte) << c.fitxer.substr(0, 40);
    }
}

TEST(PlaImpresioDirecta, RecordsAndControlRecords)
{
    const std::string r300 = std::string(299, 'a') + "XY" + "resto";
    const struct Cas {
        const char* nom;
        std::string registres;
        std::string passos;
    } casos[] = {
        {"font switch", "#G" + U + "\nTexto" + U + "\n#R" + U + "\n", "0G|1T:Texto|2R|"},
        {"lone #, other letters", "#" + U + "\n#X" + U + "\nuno" + U + "\n", "2T:uno|"},
        {"ends after 0x01", "uno" + U + "\ndos" + U, "0T:uno|1T:dos|"},
        {"last without 0x01", "uno" + U + "\ndos", "0T:uno|"},
        {"empty record ends", "uno" + U + "\n" + U + "\ntres" + U + "\n", "0T:uno|"},
        {"cut at 299", r300 + U + "\n", "0T:" + std::string(299, 'a') + "|1T:resto|"},
        {"nothing", "", ""},
    };
    for (const Cas& c : casos) {
        PlaImpresioDirecta p;
        ASSERT_TRUE(p.Llegeix(Ticket(c.registres))) << c.nom;
        EXPECT_EQ(Passos(p), c.passos) << c.nom;
    }
}
