#include "framework/controls/EstatLlistat.h"

#include <gtest/gtest.h>

using Win::EstatLlistat;
using Resultat = Win::EstatLlistat::Resultat;

namespace {

struct Col {
    bool text;
    int ample;
    int inici;
    std::string titol;
};

std::vector<Col> Columnes(const EstatLlistat& e)
{
    std::vector<Col> out;
    for (const auto& c : e.columnes)
        out.push_back({c.text, c.ample, c.inici, c.titol});
    return out;
}

bool operator==(const Col& a, const Col& b)
{
    return a.text == b.text && a.ample == b.ample && a.inici == b.inici && a.titol == b.titol;
}

std::ostream& operator<<(std::ostream& o, const Col& c)
{
    return o << '{' << (c.text ? 'X' : 'N') << ' ' << c.ample << '@' << c.inici << " \"" << c.titol << "\"}";
}

} // namespace

TEST(EstatLlistat, HeaderDefinesColumnsTitlesAndTitleLine)
{
    const struct {
        const char* text;
        std::vector<Col> columnes;
        const char* linia;
    } table[] = {
        // A text column of 10 and a numeric one of 5 (+1) with two titles.
        {"00000X0010N0005;Name\tAmount",
         {{true, 10, 0, "Name"}, {false, 6, 11, "Amount"}},
         "Name       Amount "},
        // Every kind letter; widths read as decimal integers; a long title is cut, a numeric
        // one padded in front.
        {"abcdeV0007n0002E0120e0003X0001;Ciudad\t1\t\tTotal\tABC",
         {{true, 7, 0, "Ciudad"}, {false, 3, 8, "1"}, {false, 121, 12, ""}, {false, 4, 134, "Total"},
          {true, 1, 139, "ABC"}},
         nullptr},
        // Titles run out before the columns: the rest keep empty ones.
        {"00000X0003X0002;Uno", {{true, 3, 0, "Uno"}, {true, 2, 4, ""}}, "Uno    "},
        // More titles than columns, and a trailing tab.
        {"00000X0002;ab\tcd\tef", {{true, 2, 0, "ab"}}, "ab "},
        {"00000X0002;ab\t", {{true, 2, 0, "ab"}}, "ab "},
        // ";" right after the five unread characters: no columns at all.
        {"00000;Nada", {}, ""},
        // Width fields that are not plain digits: blanks lead, a sign is read, a negative width
        // is taken as nothing rather than running the columns backwards.
        {"00000X  12X-003X+002;", {{true, 12, 0, ""}, {true, 0, 13, ""}, {true, 2, 14, ""}}, nullptr},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.text);
        EstatLlistat e;
        e.primeraVisible = 3;
        std::string linia = "old";
        ASSERT_EQ(e.DefineixColumnes(row.text, linia), Resultat::Definit);
        EXPECT_EQ(Columnes(e), row.columnes);
        if (row.linia) {
            EXPECT_EQ(linia, row.linia);
        }
        int total = 0;
        for (const auto& c : row.columnes)
            total += c.ample + 1;
        EXPECT_EQ(static_cast<int>(linia.size()), total) << "every column takes its width and a blank";
        EXPECT_EQ(e.llargCapcalera, total);
        EXPECT_EQ(e.primeraVisible, 0);
    }
}

TEST(EstatLlistat, BrokenHeadersKeepWhatWasRead)
{
    EstatLlistat e;
    std::string linia;
    ASSERT_EQ(e.DefineixColumnes("00000X0004N0002;a\tb", linia), Resultat::Definit);
    e.primeraVisible = 1;
    e.llargCapcalera = 77;

    // Six characters or fewer: only the title line is emptied.
    linia = "x";
    EXPECT_EQ(e.DefineixColumnes("00000X", linia), Resultat::Curt);
    EXPECT_EQ(linia, "");
    EXPECT_EQ(e.columnes.size(), 2u);

    const struct {
        const char* text;
        Resultat resultat;
        std::size_t columnes;
    } table[] = {
        {"00000X0004Q0002X0001;a", Resultat::LletraDolenta, 1},
        {"00000Z0004;a", Resultat::LletraDolenta, 0},
        {"00000X0004N0002", Resultat::SensePuntIComa, 2},
        {"00000X0004N00", Resultat::SensePuntIComa, 2},
        {"00000X0004N", Resultat::SensePuntIComa, 2},
        {"0000000", Resultat::LletraDolenta, 0},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.text);
        linia = "x";
        EXPECT_EQ(e.DefineixColumnes(row.text, linia), row.resultat);
        EXPECT_EQ(e.columnes.size(), row.columnes);
        EXPECT_EQ(linia, "");
        EXPECT_EQ(e.llargCapcalera, 77) << "the scroll state is left alone";
        EXPECT_EQ(e.primeraVisible, 1);
    }
}

TEST(EstatLlistat, LastFirstColumnForHorizontalScrolling)
{
    const struct {
        const char* text;
        int ampleVisible;
        int ultimaPrimera;
    } table[] = {
        {"00000X0010X0010X0010;", 100, 1},            // three that all fit
        {"00000X0010X0010X0010X0010;", 25, 2},         // the last two fit, not three
        {"00000X0010X0010X0010X0010;", 15, 3},         // only the last one fits
        {"00000X0010X0010X0010X0010;", 5, 3},          // not even the last one
        {"00000X0010X0010;", 100, 1},                  // two columns
        {"00000X0010;", 100, 0},                       // one column
        {"00000;-", 100, 0},                           // none
        {"00000X0010X0010X0010X0010X0010;", 30, 2},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(testing::Message() << row.text << " in " << row.ampleVisible);
        EstatLlistat e;
        e.ampleVisible = row.ampleVisible;
        std::string linia;
        ASSERT_EQ(e.DefineixColumnes(row.text, linia), Resultat::Definit);
        EXPECT_EQ(e.ultimaPrimera, row.ultimaPrimera);
    }
}

TEST(EstatLlistat, LayoutWritesPixelStartsAndTheClickPicksTheColumn)
{
    EstatLlistat e;
    std::string capcalera;
    ASSERT_EQ(e.DefineixColumnes("00000X0010N0005X0003;Name\tAmount\tZ", capcalera), Resultat::Definit);
    const std::string fila = "Barcelona    12,5 abc ";

    // 5 pixels a character: 10 characters are 50 pixels, each column has 4 before it.
    auto t = e.Disposa(fila, 5.0, 400, 2);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].esquerra, 4);
    EXPECT_EQ(t[0].dreta, 54);
    EXPECT_EQ(t[0].text, "Barcelona ");
    EXPECT_FALSE(t[0].alDreta);
    EXPECT_FALSE(t[0].liniaVertical) << "no line before the first visible column";
    EXPECT_EQ(t[1].esquerra, 62);
    EXPECT_EQ(t[1].dreta, 92);
    EXPECT_EQ(t[1].text, "  12,5");
    EXPECT_TRUE(t[1].alDreta);
    EXPECT_TRUE(t[1].liniaVertical);
    EXPECT_TRUE(t[1].subratllat);
    EXPECT_EQ(t[2].esquerra, 100);
    EXPECT_EQ(t[2].text, "abc");
    EXPECT_EQ(e.columnes[0].pixel, 0);
    EXPECT_EQ(e.columnes[1].pixel, 58);
    EXPECT_EQ(e.columnes[2].pixel, 96);

    const struct {
        int clicX;
        int columna;
    } clics[] = {{0, 0}, {1, 1}, {30, 1}, {58, 1}, {59, 2}, {96, 2}, {97, 3}, {399, 3}, {-1, 3}};
    for (const auto& c : clics) {
        e.clicX = c.clicX;
        EXPECT_EQ(e.TriaColumna(), c.columna) << "click at " << c.clicX;
        EXPECT_EQ(e.columnaTriada, c.columna);
    }

    // Scrolled by one column: the second column is painted first and a click in the next one
    // gives its number counted from the first visible one's start.
    e.primeraVisible = 1;
    t = e.Disposa(fila, 5.0, 400, 1);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].columna, 1);
    EXPECT_FALSE(t[0].liniaVertical);
    EXPECT_FALSE(t[0].subratllat);
    EXPECT_TRUE(t[1].liniaVertical);
    EXPECT_EQ(e.columnes[1].pixel, 0);
    e.clicX = 40;
    EXPECT_EQ(e.TriaColumna(), 3);

    EstatLlistat buit;
    EXPECT_EQ(buit.TriaColumna(), 10);
}

TEST(EstatLlistat, LayoutStopsAtTheRightEdgeAndSkipsColumnsPastTheLine)
{
    EstatLlistat e;
    std::string capcalera;
    ASSERT_EQ(e.DefineixColumnes("00000X0010X0010X0010;", capcalera), Resultat::Definit);
    // The second column starts at 58 and is cut at the edge; the third starts past it.
    auto t = e.Disposa(capcalera, 5.0, 70, 0);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[1].dreta, 70);
    EXPECT_FALSE(t[1].liniaVertical) << "grid mode 0 draws no lines";

    // A short row: columns that start beyond it are skipped without moving on.
    t = e.Disposa("abc", 5.0, 400, 1);
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].text, "abc");

    // A blank row widened to the header draws every column.
    t = e.Disposa(std::string(static_cast<std::size_t>(e.llargCapcalera), ' '), 5.0, 400, 1);
    EXPECT_EQ(t.size(), 3u);
}

TEST(EstatLlistat, FontKindsSizesAndCharacterWidths)
{
    const struct {
        int opcion;
        int tipus;
        int ample;
        int alt;
        double f;
    } table[] = {
        {0, 0, 172, 17, 5.0},  {2, 2, 180, 17, 7.0},  {3, 3, 249, 30, 9.0}, {4, 4, 166, 17, 6.8},
        {7, 7, 172, 17, 5.0},  {1, 1, 166, 17, 6.0},  {5, 1, 166, 17, 6.0},  {6, 1, 166, 17, 6.0},
        {-3, 1, 166, 17, 6.0}, {99, 1, 166, 17, 6.0},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.opcion);
        const auto l = EstatLlistat::LletraDe(row.opcion, 20, 1.0);
        EXPECT_EQ(l.tipus, row.tipus);
        EXPECT_EQ(l.ample, row.ample);
        EXPECT_EQ(l.alt, row.alt);
        EXPECT_DOUBLE_EQ(l.pixelsCaracter, row.f);
        EXPECT_DOUBLE_EQ(EstatLlistat::LletraDe(row.opcion, 10, 31.0 / 24.0).pixelsCaracter, row.f * 31.0 / 24.0);
    }
}

TEST(EstatLlistat, RowLineBreaksShowAsStars)
{
    EXPECT_EQ(EstatLlistat::NetejaFila("a\r\nb\nc\r"), "a**b*c*");
    EXPECT_EQ(EstatLlistat::NetejaFila(nullptr), "");
    // The row is read from the record's own value, which stays what the server sent.
    std::string valor = "x\ny";
    EXPECT_EQ(EstatLlistat::NetejaFila(valor.c_str()), "x*y");
    EXPECT_EQ(valor, "x\ny");
}
