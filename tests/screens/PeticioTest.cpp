#include "screens/Peticio.h"

#include "link/Trama.h"
#include "tests/screens/CampProva.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

using prova::Camp;

const std::string F = "\xFF";

std::string Record(const std::map<int, std::string>& camps, int n = 90)
{
    std::string r;
    for (int i = 1; i <= n; ++i) {
        auto it = camps.find(i);
        r += (it == camps.end() ? "00" : it->second) + F;
    }
    return r;
}

std::string Capcalera(const std::string& id, const std::string& focus = "000000")
{
    std::string h = "\xFE" "0a0" "0" "\x80" + std::string(15, ' ') + id + "00000000" + focus;
    return h;
}

struct Buffer {
    std::vector<char> b = std::vector<char>(Trama::kMidaText, '\0');
    explicit Buffer(const std::string& text) { std::memcpy(b.data(), text.data(), text.size()); }
    Buffer() = default;
    char* data() { return b.data(); }
    std::string Text() const { return std::string(b.data()); }
};

class Lector : public Peticio::LectorValor {
public:
    std::map<int, std::string> valors;
    int llegits = 0;
    int columna = 10;
    int columnaLlegida = 10;  // what reading the values sets
    std::string Valor(int index, const ControlDef&) override
    {
        ++llegits;
        columna = columnaLlegida;
        return valors[index];
    }
    int Columna() override { return columna; }
};

} // namespace

TEST(PeticioInici, AnaCompany01SpanishByteForByte)
{
    Buffer b;
    std::memset(b.data(), 'X', Trama::kMidaText);
    Peticio::Inici d;
    d.usuari = "ana";
    d.clau = "secreta";
    d.empresa = "01";
    d.idioma = "Es";
    d.grup = "G1";
    d.versio = "2.3.045";
    Peticio::EscriuInici(b.data(), d);
    const std::string esperat = "\xFE" "0a00" "\x80" + std::string(15, ' ') + "EsKRVINI  01001" +
                                "00000000" "000" "000" +
                                Record({{51, "00ana"}, {52, "10secreta"}, {53, "1001"},
                                        {54, "10Es"}, {55, "10WIN1252"}, {56, "10G1"},
                                        {57, "102.3.045"}});
    EXPECT_EQ(b.Text(), esperat);
    // Nothing of what stood in the buffer before survives after the NUL.
    for (std::size_t i = esperat.size(); i < b.b.size(); ++i)
        ASSERT_EQ(b.b[i], '\0') << i;
}

TEST(PeticioInici, CutsTextsToTheLoginScreenAndCarriesTheDebugMask)
{
    Buffer b;
    Peticio::Inici d;
    d.usuari = std::string(20, 'u');
    d.clau = "";
    d.empresa = "0123456789";
    d.idioma = "Esp";
    d.codePage = 850;
    d.mascaraDebug = 0x82;
    Peticio::EscriuInici(b.data(), d);
    const std::string t = b.Text();
    EXPECT_EQ(static_cast<unsigned char>(t[5]), 0x82);
    const std::string rec = t.substr(50);
    EXPECT_NE(rec.find(F + "00" + std::string(14, 'u') + F + "10" + F + "1001234567" + F + "10Es" + F +
                       "10WIN850" + F + "10" + F + "10" + F + "00" + F),
              std::string::npos);
}

TEST(PeticioValors, EditsTheReplyInPlace)
{
    const std::string rebut = Capcalera("EsCLIENTES01001", "012034") +
                              Record({{7, "ab1234"}, {10, "1Aold"}, {11, "q2ro"}, {12, "00btn"}}, 20);
    Buffer b(rebut);
    std::vector<ControlDef> camps = {Camp(10), Camp(11), Camp(12, 2, 4), Camp(13, 3)};
    camps[1].estado = '1';
    camps[1].marcaValor = 64;
    camps[1].estilo = '2';
    camps[0].estilo = 'A';
    Lector l;
    l.valors = {{0, "nuevo"}, {1, "ro"}, {3, "Etiqueta"}};
    EXPECT_EQ(Peticio::EscriuValors(b.data(), camps, 2, 0, l), "");
    const std::string esperat = Capcalera("EsCLIENTES01001", "012010") +
                                Record({{7, "ab0"}, {10, "0Anuevo"}, {11, "q2ro"}, {12, "00btn"},
                                        {13, "00Etiqueta"}}, 20);
    EXPECT_EQ(b.Text(), esperat);
    EXPECT_EQ(l.llegits, 3) << "a button is never read nor sent";
    EXPECT_EQ(camps[0].valor, "nuevo");
    EXPECT_EQ(camps[3].valor, "Etiqueta");
}

TEST(PeticioValors, HeaderCodesTable)
{
    struct Cas {
        int disparador, actual, tipoDisparador, columna;
        const char* esperat;
    } casos[] = {
        {0, 1, 2, 7, "010011"},     // trigger and current field codes
        {0, -1, 2, 7, "010000"},    // no current field
        {0, 1, 11, 7, "010007"},    // a listing variant sends the column its value read set
        {0, -1, 11, 10, "010010"},
        {1, 0, 0, 1234, "011010"},  // the column only for a kind-11 trigger
    };
    for (const Cas& c : casos) {
        Buffer b(Capcalera("EsCLIENTES01001") + Record({}, 20));
        std::vector<ControlDef> camps = {Camp(10, c.tipoDisparador), Camp(11)};
        Lector l;
        l.columna = 999;
        l.columnaLlegida = c.columna;
        ASSERT_EQ(Peticio::EscriuValors(b.data(), camps, c.disparador, c.actual, l), "");
        EXPECT_EQ(b.Text().substr(44, 6), c.esperat) << c.disparador << " " << c.actual;
    }
}

TEST(PeticioValors, Field7KeepsItsCodeFollowedByZero)
{
    struct Cas {
        const char* rebut;
        const char* enviat;
    } casos[] = {{"ab1234", "ab0"}, {"ab", "ab0"}, {"a", "a0"}, {"", "0"}};
    for (const Cas& c : casos) {
        Buffer b(Capcalera("EsCLIENTES01001") + Record({{7, c.rebut}}, 20));
        std::vector<ControlDef> camps;
        Lector l;
        ASSERT_EQ(Peticio::EscriuValors(b.data(), camps, -1, -1, l), "");
        EXPECT_EQ(b.Text().substr(50), Record({{7, c.enviat}}, 20)) << c.rebut;
    }
}

TEST(PeticioValors, FieldWithCode7ReplacesTheZero)
{
    Buffer b(Capcalera("EsCLIENTES01001") + Record({{7, "ab1234"}}, 20));
    std::vector<ControlDef> camps = {Camp(7)};
    Lector l;
    l.valors = {{0, "x"}};
    ASSERT_EQ(Peticio::EscriuValors(b.data(), camps, 0, 0, l), "");
    EXPECT_NE(b.Text().find(F + "00x" + F), std::string::npos);
}

TEST(PeticioValors, IncompleteRequestLeavesEverythingAsItWas)
{
    struct Cas {
        std::string rebut;
        std::string valor;
        const char* missatge;
    } casos[] = {
        // Fewer than 7 fields: nothing is written, not even the header codes.
        {Capcalera("EsCLIENTES01001") + Record({}, 5), "x",
         "Error #ref 043, Vista.PreparaMisOut: 4ctrl: 0"},
        // A value that makes the request longer than one frame.
        {Capcalera("EsCLIENTES01001") + Record({}, 20), std::string(8190, 'v'),
         "Error #ref 043, Vista.PreparaMisOut: 9ctrl: 12"},
    };
    for (const Cas& c : casos) {
        Buffer b(c.rebut);
        const std::vector<char> abans = b.b;
        std::vector<ControlDef> camps = {Camp(10), Camp(12)};
        camps[0].valor = "vell";
        Lector l;
        l.valors = {{0, "nou"}, {1, c.valor}};
        EXPECT_EQ(Peticio::EscriuValors(b.data(), camps, 0, 0, l), c.missatge);
        EXPECT_EQ(b.b, abans);
        EXPECT_EQ(camps[0].valor, "vell");
    }
}

TEST(PeticioValors, ReaderFailureIsReportedWithTheFieldCode)
{
    class Falla : public Peticio::LectorValor {
        std::string Valor(int, const ControlDef&) override { throw 1; }
    } l;
    Buffer b(Capcalera("EsCLIENTES01001") + Record({}, 20));
    std::vector<ControlDef> camps = {Camp(15)};
    EXPECT_EQ(Peticio::EscriuValors(b.data(), camps, 0, 0, l),
              "Error #ref 043, Vista.PreparaMisOut: 8ctrl: 15");
}

TEST(PeticioValors, LongestRequestThatFitsIsWritten)
{
    Buffer b(Capcalera("EsCLIENTES01001") + Record({}, 20));
    // Field 7 goes out one character longer ("00" becomes "000").
    const std::size_t base = b.Text().size() + 1;
    std::vector<ControlDef> camps = {Camp(12)};
    Lector l;
    l.valors = {{0, std::string(Peticio::kMaxText - base, 'v')}};
    ASSERT_EQ(Peticio::EscriuValors(b.data(), camps, 0, 0, l), "");
    EXPECT_EQ(b.Text().size(), Peticio::kMaxText);
    l.valors = {{0, std::string(Peticio::kMaxText - base + 1, 'v')}};
    EXPECT_NE(Peticio::EscriuValors(b.data(), camps, 0, 0, l), "");
}
