#include "screens/Resposta.h"

#include "framework/DispError.h"
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

std::string Reply(const std::map<int, std::string>& camps, const std::string& focus = "000000",
                  int n = 60)
{
    std::string r = "\xFE" "0a0" "0" "\x80" + std::string(15, ' ') + "EsCLIENTES01001" + "00000000" + focus;
    for (int i = 1; i <= n; ++i) {
        auto it = camps.find(i);
        r += (it == camps.end() ? "00" : it->second) + F;
    }
    return r;
}

struct Buffer {
    std::vector<char> b = std::vector<char>(Trama::kMidaText, '\0');
    explicit Buffer(const std::string& text) { std::memcpy(b.data(), text.data(), text.size()); }
    char* data() { return b.data(); }
    std::string Record() const { return std::string(b.data() + 50); }
};

class Registre : public Resposta::Observador {
public:
    int so = 0;
    std::vector<int> valors, estats;
    std::vector<std::string> log;
    void So(int recurs) override { so = recurs; }
    void Valor(int i, const ControlDef&) override { valors.push_back(i); }
    void Estat(int i, const ControlDef&) override { estats.push_back(i); }
    void Log(const std::string& t) override { log.push_back(t); }
};

} // namespace

TEST(Resposta, StateCharacterTable)
{
    struct Cas {
        unsigned char rebut;
        int estat, marca;
    } casos[] = {{'q', '1', 64}, {'r', '2', 64}, {'x', '0', 64}, {'1', '1', 0}, {'2', '2', 0},
                 {'0', '0', 0},  {'o', '0', 0},  {'p', '0', 64}, {0x81, '0', 64}, {' ', '0', 0}};
    for (const Cas& c : casos) {
        int marca = -1;
        EXPECT_EQ(Resposta::Estat(c.rebut, marca), c.estat) << c.rebut;
        EXPECT_EQ(marca, c.marca) << c.rebut;
    }
}

TEST(Resposta, StyleCharacterTable)
{
    const std::string iguals = "23456ABCDEFGHI\x96\x97";
    for (char c : iguals)
        EXPECT_EQ(Resposta::Estil(static_cast<unsigned char>(c)), static_cast<unsigned char>(c));
    EXPECT_EQ(Resposta::Estil('7'), '9');
    EXPECT_EQ(Resposta::Estil('8'), '5');
    for (unsigned char c : std::string("019JaZ\x98"))
        EXPECT_EQ(Resposta::Estil(c), '0') << c;
}

TEST(Resposta, SoundRequestOfField9)
{
    struct Cas {
        const char* camp9;
        int so;
        std::string queda;
    } casos[] = {{"00!s02", 334, ""}, {"00!s01", 332, ""}, {"00!s03", 333, ""},
                 {"00!s04", 0, "00!s04"}, {"00!S01", 0, "00!S01"}, {"00!s011", 0, "00!s011"}};
    for (const Cas& c : casos) {
        Buffer b(Reply({{9, c.camp9}}));
        std::vector<ControlDef> camps;
        Registre r;
        Resposta::Aplica(b.data(), camps, -1, "EsCLIENTES01001", false, r);
        EXPECT_EQ(r.so, c.so) << c.camp9;
        EXPECT_EQ(b.Record().substr(24, c.queda.size() + 1), c.queda + F) << c.camp9;
    }
}

TEST(Resposta, AppliesStateStyleAndValueOnlyOnChange)
{
    std::vector<ControlDef> camps = {Camp(10), Camp(11), Camp(12, 2, 4), Camp(13, 3), Camp(14)};
    camps[0].valor = "igual";
    camps[3].etiqueta = "Nombre";
    camps[3].valor = "Nombre";
    camps[4].valor = "igual";
    Buffer b(Reply({{10, "00igual"}, {11, "q7ro"}, {12, "r0"}, {13, "00"}, {14, "05igual"}}));
    Registre r;
    Resposta::Aplica(b.data(), camps, -1, "EsCLIENTES01001", false, r);
    EXPECT_EQ(r.valors, (std::vector<int>{1, 4})) << "unchanged field 0, button 2 and label 3 "
                                                      "with its own text get no value";
    EXPECT_EQ(r.estats, (std::vector<int>{1, 2}));
    EXPECT_EQ(camps[1].estado, '1');
    EXPECT_EQ(camps[1].marcaValor, 64);
    EXPECT_EQ(camps[1].estilo, '9');
    EXPECT_EQ(camps[1].valor, "ro");
    EXPECT_EQ(camps[2].estado, '2') << "a button's state is applied all the same";
    EXPECT_EQ(camps[3].valor, "Nombre");
    EXPECT_EQ(camps[4].estilo, '5');
}

TEST(Resposta, FieldToFocus)
{
    struct Cas {
        const char* focus;
        int esperat;
    } casos[] = {
        {"012013", 2},  // the first choice
        {"010012", 2},  // the first choice names the first record: it counts as none
        {"099013", 3},  // no match for the first: the second
        {"098099", 5},  // neither: the default field
        {"a1b2c3", 5},  // not digits
    };
    for (const Cas& c : casos) {
        std::vector<ControlDef> camps = {Camp(10), Camp(12), Camp(12), Camp(13)};
        Buffer b(Reply({}, c.focus));
        Registre r;
        EXPECT_EQ(Resposta::Aplica(b.data(), camps, 5, "EsCLIENTES01001", false, r), c.esperat)
            << c.focus;
    }
}

TEST(Resposta, MissingFieldStopsWithTheFieldsBeforeItApplied)
{
    std::vector<ControlDef> camps = {Camp(10), Camp(70), Camp(11)};
    Buffer b(Reply({{10, "00nou"}, {11, "00tard"}}, "000000", 60));
    Registre r;
    try {
        Resposta::Aplica(b.data(), camps, -1, "EsCLIENTES01001", false, r);
        FAIL() << "no exception";
    } catch (const DispError& e) {
        EXPECT_EQ(e.Texto(), "Error #ref 018, probable error en la definición de pantalla, falta un campo");
    }
    EXPECT_EQ(camps[0].valor, "nou");
    EXPECT_EQ(camps[2].valor, "");
}

TEST(Resposta, DebugLinesOnlyWithTheClientLogOn)
{
    std::vector<ControlDef> camps = {Camp(51), Camp(55)};
    for (bool actiu : {false, true}) {
        Buffer b(Reply({{51, "00DEBUG on"}, {55, "00select 1"}}));
        Registre r;
        Resposta::Aplica(b.data(), camps, -1, "Esmsg01  01001 ", actiu, r);
        if (actiu)
            EXPECT_EQ(r.log, (std::vector<std::string>{"select 1;\n"}));
        else
            EXPECT_TRUE(r.log.empty());
    }
}
