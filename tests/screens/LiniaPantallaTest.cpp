#include "screens/LiniaPantalla.h"

#include "framework/DispError.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A definition record as the server sends it: each field followed by 0xFF.
std::string Registre(const std::vector<std::string>& camps)
{
    std::string r;
    for (const std::string& c : camps)
        r += c + "\xFF";
    return r;
}

std::vector<std::string> Ordinari()
{
    return {"Es", "KRVMEN  01", "1", "12", "Nombre", "12", "34", "567", "8",
            "E", "C", " ", "0", "20", "0", "1", "3", "0"};
}

std::string Formata(const std::vector<std::string>& camps)
{
    return LiniaPantalla::Formata(Registre(camps).c_str());
}

} // namespace

TEST(LiniaPantalla, WritesEveryColumnAtItsWidth)
{
    const std::string linia = Formata(Ordinari());
    EXPECT_EQ(linia, "EsKRVMEN  01001" "012" "Nombre" + std::string(74, ' ')
                         + "0012" "0034" "0567" "0008" "EC 0" "00020" "01" "003" "000");

    struct Cas {
        const char* que;
        int camp;
        std::string valor;
        std::size_t columna;
        std::string esperat;
    } casos[] = {
        {"empty text", 5, "", 18, std::string(80, ' ')},
        {"text of 100 characters", 5, std::string(100, 'a'), 18, std::string(80, 'a')},
        {"text with line ends", 5, "a\r\nb\n", 18, "a  b " + std::string(75, ' ')},
        {"number too long for its column", 4, "1234", 15, "123"},
        {"blanks and sign", 6, "  -7", 98, "-007"},
        {"no digits", 7, "abc", 102, "0000"},
        {"digits up to the first non-digit", 14, "12x5", 118, "00012"},
        {"huge number", 14, "99999999999999999999", 118, "21474"},
        {"one-character column takes the first", 11, "Cxyz", 115, "C"},
        {"empty one-character column", 10, "", 114, " "},
        {"line end in a one-character column", 13, "\n", 117, " "},
        {"long language prefix", 1, "Espanol", 0, "EsKRVMEN  01001"},
        {"long series key", 2, "KRVMEN  0199999", 0, "EsKRVMEN  01001"},
        {"short series key", 2, "KRV", 0, "EsKRV001       "},
        {"screen number of four digits", 3, "1234", 0, "EsKRVMEN  01123"},
    };
    for (const Cas& c : casos) {
        std::vector<std::string> camps = Ordinari();
        camps[c.camp - 1] = c.valor;
        const std::string l = Formata(camps);
        ASSERT_EQ(l.size(), LiniaPantalla::kLongitud) << c.que;
        EXPECT_EQ(l.substr(c.columna, c.esperat.size()), c.esperat) << c.que;
        EXPECT_EQ(l.find_first_of("\r\n"), std::string::npos) << c.que;
    }
}

TEST(LiniaPantalla, MissingFieldIsError019)
{
    std::vector<std::string> camps = Ordinari();
    camps.resize(17);
    std::string r;
    for (std::size_t i = 0; i < camps.size(); ++i)
        r += (i ? "\xFF" : "") + camps[i];
    try {
        LiniaPantalla::Formata(r.c_str());
        FAIL() << "no error";
    } catch (const DispError& e) {
        EXPECT_EQ(e.Texto(), "Error #ref 019, probable error en la definición de pantalla, falta un campo");
    }
    // Field 18 present but empty is a 0.
    EXPECT_EQ(LiniaPantalla::Formata((r + "\xFF").c_str()).substr(128), "000");
}

// What the writer puts down, the reader takes back.
TEST(LiniaPantalla, ReaderTakesBackWhatTheWriterWrote)
{
    std::vector<std::string> camps = {"Es", "KRVART  02", "7", "45", "Importe \xE9", "100", "200", "0", "0",
                                      "I", "C", "2", "1", "9", "1", "1", "6", "2"};
    const std::string linia = Formata(camps);
    const ControlDef d = LiniaPantalla::Llegeix(linia, "EsKRVART  02007", 1.0, 1.0);
    EXPECT_EQ(d.codigo, 45);
    EXPECT_EQ(d.etiqueta, "Importe \xE9");
    EXPECT_EQ(d.x1, 100);
    EXPECT_EQ(d.y1, 200);
    EXPECT_EQ(d.tipo, 0);
    EXPECT_EQ(d.subtipo, 0);
    EXPECT_EQ(d.decimales, 2);
    EXPECT_EQ(d.posEtiqueta, 1);
    EXPECT_EQ(d.marca, 1);
    EXPECT_EQ(d.longMax, 9);
    EXPECT_EQ(d.longVisible, 13);
    EXPECT_EQ(d.accion, 1);
    EXPECT_EQ(d.orden, 6);
    EXPECT_EQ(d.pagina, 2);
}
