#include "documents/ExportaRtf.h"

#include "framework/DispError.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string U = "\x01";
const std::string kInici = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang3082"
                           "{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset0 Courier New;}}";

// The groups of an RTF document close exactly: none closes before it opens, the first one
// ends at the last byte, and escaped braces are text.
bool Equilibrat(const std::string& rtf)
{
    int obertes = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;
        } else if (rtf[i] == '{') {
            ++obertes;
        } else if (rtf[i] == '}') {
            if (--obertes < 0)
                return false;
            if (obertes == 0 && i + 1 != rtf.size())
                return false;
        }
    }
    return obertes == 0 && !rtf.empty();
}

std::string Rtf(const std::string& llistat)
{
    std::string d;
    EXPECT_TRUE(EscriuRtf(llistat, d));
    return d;
}

} // namespace

TEST(FormataFilaRtf, ColumnsPaddedAndCut)
{
    const struct Cas {
        std::string fila;
        std::string linia;
    } casos[] = {
        {"00000X0010N0005;Name\t12", "Name       " "    12 "},
        {"00000X0010N0005;Name\t12\t", "Name       " "    12 "},
        {"00000X  10N +05;Name\t12", "Name       " "    12 "},  // widths read as the listing reads them
        {"00000X-010N0005;Name\t12", " " "    12 "},
        {"00000X0003n0002;Nombre\t12345\tsobra", "Nom " "123 "},
        {"00000E0002e0001X0002;1\t2\tab", "  1 " " 2 " "ab "},
        {"00000X0003X0002;a", "a   " "   "},  // values run out: the remaining columns are blank
        {"00000X0002;", "   "},
        {"00000", " "},
        {"000000", " "},
        {"00000V0010;abc", "---"},
        {"00000X0004V0010;abc", "---"},
    };
    for (const Cas& c : casos)
        EXPECT_EQ(FormataFilaRtf(c.fila), c.linia) << c.fila;
    EXPECT_EQ(FormataFilaRtf("00000X0010N0005;Name\t12").size(), 18u);
}

TEST(FormataFilaRtf, DefinitionsThatNeverEndRaise052)
{
    for (const char* fila : {"00000X0010", "00000X0010N00", "00000X001"}) {
        try {
            FormataFilaRtf(fila);
            ADD_FAILURE() << fila;
        } catch (const DispError& e) {
            EXPECT_EQ(e.Texto(), "Error\tinterno\t#ref 052") << fila;
        }
    }
}

TEST(EscriuRtf, PageAndFontSizeFromTheLongestRecord)
{
    const struct Cas {
        std::size_t llarg;  // the kind letter included
        bool apaisat;
        const char* mida;
    } casos[] = {{1, false, "\\fs24 "},   {73, false, "\\fs24 "},  {74, false, "\\fs20 "},
                 {88, false, "\\fs20 "},  {89, false, "\\fs18 "},  {98, false, "\\fs18 "},
                 {99, false, "\\fs16 "},  {108, false, "\\fs16 "}, {109, true, "\\fs20 "},
                 {110, true, "\\fs18 "},  {124, true, "\\fs18 "},  {125, true, "\\fs16 "},
                 {142, true, "\\fs16 "},  {143, true, "\\fs14 "},  {299, true, "\\fs14 "}};
    for (const Cas& c : casos) {
        const std::string d = Rtf("A" + std::string(c.llarg - 1, 'x') + U + "Bb" + U);
        const std::string pagina = c.apaisat ? "\\paperw15840\\paperh12240\\landscape " : "";
        EXPECT_EQ(d.substr(0, kInici.size() + pagina.size() + 19 + 9 + 6),
                  kInici + pagina + "\\margl800\\margr474 {\\header " + c.mida) << c.llarg;
        EXPECT_TRUE(Equilibrat(d)) << c.llarg;
    }
}

TEST(EscriuRtf, HeaderGroupsOpenAndCloseByKind)
{
    const std::string cap = "\\margl800\\margr474 ";
    const std::string llistat = "ATitulo" + U + "BCols" + U + "E" + U + "EPie" + U +
                                "D00000X0004;ab" + U + "D00000X0004;cd" + U;
    const std::string esperat = kInici + cap + "{\\header \\fs24 Titulo\\par Cols\\par " +
                                std::string(14, '-') + "\\par }{\\fs24 \\par Pie\\par " +
                                "{\\header \\fs24 ab   \\par cd   \\par }}}";
    EXPECT_EQ(Rtf(llistat), esperat);

    // Every order of kinds closes exactly the groups it opened.
    const char* ordres[] = {"", "A", "E", "AE", "EA", "AEAE", "DDEDE", "ABEEDDEA", "EEEE", "AAAA", "ADEBEDE"};
    for (const char* o : ordres) {
        std::string l;
        for (const char* k = o; *k; ++k)
            l += *k == 'D' ? std::string("D00000X0002;v") + U : std::string(1, *k) + "t" + U;
        EXPECT_TRUE(Equilibrat(Rtf(l))) << o;
    }
}

TEST(EscriuRtf, ListingTextCannotChangeTheMarkup)
{
    const std::string d = Rtf("Aa\\b{c}d\xE9\xF1" "\x80\x07\tz" + U);
    EXPECT_NE(d.find("a\\\\b\\{c\\}d\\'e9\\'f1\\'80\\'07\tz\\par "), std::string::npos) << d;
    EXPECT_TRUE(Equilibrat(d));

    // A 'D' row's values pass through the same escaping.
    const std::string fila = Rtf("D00000X0003;}{\\" + U);
    EXPECT_NE(fila.find("\\}\\{\\\\ \\par "), std::string::npos) << fila;
    EXPECT_TRUE(Equilibrat(fila));
}

TEST(EscriuRtf, RecordTextsAsLines)
{
    const struct Cas {
        std::string registres;
        std::string cos;
    } casos[] = {
        {"Aab\r\ncd" + U, "ab**cd\\par "},
        {"Aab\r" + U, "ab**\\par "},
        {"A\rab\r\n" + U, "\rab\r\n\\par "},
        {"Aa\r\rb\r\nc" + U, "a**b**c\\par "},
        {"A" + U + "Bx" + U, "\\par x\\par "},            // an empty record is an empty line
        {"Ano final", "no final\\par "},
        {"D00000" + U, " \\par "},                     // a short row is one blank
        {"D00000V0010;abc" + U, "---\\par "},          // an unknown column letter
    };
    for (const Cas& c : casos) {
        const std::string d = Rtf(c.registres);
        EXPECT_NE(d.find("{\\header \\fs24 " + c.cos + "}}"), std::string::npos) << d;
    }
}

TEST(EscriuRtf, UnknownKindFailsButTheDocumentStaysWhole)
{
    for (const std::string& l : {"Aok" + U + "Cno" + U, "Xno" + U, "Aok" + U + "\nno" + U}) {
        std::string d;
        EXPECT_FALSE(EscriuRtf(l, d));
        EXPECT_TRUE(Equilibrat(d));
        EXPECT_EQ(d.find("no"), std::string::npos);
    }
}

TEST(NomDocumentRtf, BesideTheListingWithItsExtensionReplaced)
{
    const struct Cas {
        const char* cami;
        const char* rtf;
    } casos[] = {{"{tmA3F1.tmp", "{tmA3F1.rtf"},
                 {"C:\\Temp\\{tmA3F1.tmp", "C:\\Temp\\{tmA3F1.rtf"},
                 {"C:\\dir.v2\\{tm12.tmp", "C:\\dir.v2\\{tm12.rtf"},
                 {"C:\\dir.v2\\llista", "C:\\dir.v2\\llista.rtf"},
                 {"a/b.c/d.e.f", "a/b.c/d.rtf"},
                 {"C:x.tmp", "C:x.rtf"}};
    for (const Cas& c : casos)
        EXPECT_EQ(NomDocumentRtf(c.cami), c.rtf);
}
