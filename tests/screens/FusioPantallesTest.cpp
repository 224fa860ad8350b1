#include "screens/FusioPantalles.h"

#include "tests/screens/BytesMemoria.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Runs one update over the old file: the server's lines go in between Inici and Final.
// An old text of kCap means there is no old file.
const char kCap[] = "(none)";

std::string Fusiona(int mode, const std::string& clau, const std::string& antic, const std::vector<std::string>& servidor)
{
    prova::DestiMemoria desti;
    EscriptorLinies nou(desti, 64);
    std::unique_ptr<prova::FontMemoria> font;
    std::unique_ptr<LectorLinies> lector;
    if (antic != kCap) {
        font = std::make_unique<prova::FontMemoria>(antic, 5);
        lector = std::make_unique<LectorLinies>(*font);
    }
    FusioPantalles f(mode, clau, lector.get(), nou);
    f.Inici();
    for (const std::string& l : servidor)
        f.Afegeix(l);
    f.Final();
    nou.Buida();
    return desti.text;
}

} // namespace

TEST(FusioPantalles, UpdateCases)
{
    const char* x = "EsKRVXXX  01001 x1\r\nEsKRVXXX  01002 x2\r\n";
    const char* serie = "EsKRVMEN  01001 old\r\nEsKRVMEN  01002 old\r\n";
    const char* y = "EsKRVYYY  01001 y1\r\n";
    const std::string xsy = std::string(x) + serie + y;
    const std::vector<std::string> nous = {"EsKRVMEN  01001 new", "EsKRVMEN  01003 new"};
    const std::string nousText = "EsKRVMEN  01001 new\r\nEsKRVMEN  01003 new\r\n";
    const std::string esCa = "EsA\r\nCaB\r\nEsC\r\nCaD\nEnE";
    const std::string id = "EsKRVMEN  01001";

    struct Cas {
        const char* que;
        int mode;
        std::string clau;
        std::string antic;
        std::vector<std::string> servidor;
        std::string esperat;
    } casos[] = {
        {"mode 1: X, the series, Y", 1, id, xsy, nous, std::string(x) + nousText + y},
        {"mode 1: a series not in the file goes at the end", 1, "EsKRVNUE  01001", xsy,
         {"EsKRVNUE  01001 new"}, xsy + "EsKRVNUE  01001 new\r\n"},
        {"mode 1: only the first block is replaced", 1, id, (xsy + serie), nous,
         std::string(x) + nousText + y + serie},
        {"mode 1: the series' other screens go too", 1, "EsKRVMEN  01999", xsy, nous,
         std::string(x) + nousText + y},
        {"mode 1: the series ends the file", 1, id, (std::string(x) + serie), nous,
         std::string(x) + nousText},
        {"mode 1: transfer ended at once", 1, id, xsy, {}, std::string(x) + y},
        {"mode 1: no old file", 1, id, kCap, nous, nousText},
        {"mode 2: Es and Ca lines", 2, "Es", esCa, {"EsN"}, "EsN\r\nCaB\r\nCaD\r\nEnE\r\n"},
        {"mode 2: transfer ended at once", 2, "Es", esCa, {}, "CaB\r\nCaD\r\nEnE\r\n"},
        {"mode 2: only the first two characters of the language", 2, "Espanol", esCa, {},
         "CaB\r\nCaD\r\nEnE\r\n"},
        {"mode 2: no old file", 2, "Es", kCap, {"EsN"}, "EsN\r\n"},
        {"old lines copied as they are", 1, id, "  \r\n\r\nEsKRVXXX\xFF\xE9 long" "                    \r\n",
         {}, "  \r\n\r\nEsKRVXXX\xFF\xE9 long                    \r\n"},
    };
    for (const Cas& c : casos)
        EXPECT_EQ(Fusiona(c.mode, c.clau, c.antic, c.servidor), c.esperat) << c.que;
}
