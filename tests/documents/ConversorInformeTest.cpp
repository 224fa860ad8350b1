#include "documents/ConversorInforme.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ConversorInforme::Converteix;
using ConversorInforme::RutaConvertida;

TEST(ConversorInforme, RecordsBecomeLines)
{
    struct Cas {
        const char* nom;
        std::string informe;
        std::string text;
    };
    const std::string r299(299, 'r');
    const std::vector<Cas> casos = {
        {"CR LF inside a record becomes **; the last LF is dropped", "XAB\r\n\x01\n", "AB**\r\n"},
        {"two records", "XAB\x01" "YCD\x01", "AB\r\nCD\r\n"},
        {"a CR that is the record's last byte", "XAB\r\x01", "AB**\r\n"},
        {"every CR LF after the first one too", "Xa\r\nb\r\nc\x01", "a**b**c\r\n"},
        {"a CR takes the byte after it", "Xa\rb\rc\x01", "a****\r\n"},
        {"a record that begins with CR stays as it is", "X\rA\rB\x01", "\rA\rB\r\n"},
        {"a bare LF reaches the disk as CR LF", "Xa\nb\x01", "a\r\nb\r\n"},
        {"an empty record is an empty line", "X\x01" "Y\x01" "Zq\x01", "\r\n\r\nq\r\n"},
        {"a record of 299 bytes stays whole", "X" + r299 + "\x01" "Yq", r299 + "\r\nq\r\n"},
        {"a longer one is cut; two bytes after the cut go", "X" + r299 + "abq", r299 + "\r\nq\r\n"},
        {"the byte 0x1A is text", "X\x1A" "b\x01", "\x1A" "b\r\n"},
        {"nothing", "", ""},
        {"only the kind byte", "X", ""},
    };
    for (const Cas& c : casos)
        EXPECT_EQ(Converteix(c.informe), c.text) << c.nom;
}

TEST(ConversorInforme, NewExtensionReplacesTheNamesOnly)
{
    EXPECT_EQ(RutaConvertida("C:\\tmp\\{tmA3F1.tmp", "prn"), "C:\\tmp\\{tmA3F1.prn");
    EXPECT_EQ(RutaConvertida("C:\\my.dir\\{tmA3F1.tmp", "prn"), "C:\\my.dir\\{tmA3F1.prn");
    EXPECT_EQ(RutaConvertida("C:\\my.dir\\informe", "xls"), "C:\\my.dir\\informe.xls");
    EXPECT_EQ(RutaConvertida("a.b.c", "prn"), "a.prn");
    EXPECT_EQ(RutaConvertida("", "prn"), ".prn");
}

} // namespace
