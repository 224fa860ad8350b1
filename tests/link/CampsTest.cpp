#include "link/Camps.h"
#include "link/Trama.h"

#include "framework/DispError.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

namespace {

const std::string F = "\xFF";
const char kFalta019[] = "Error #ref 019, probable error en la definición de pantalla, falta un campo";
const char kFalta018[] = "Error #ref 018, probable error en la definición de pantalla, falta un campo";

std::string Noranta()
{
    std::string r;
    for (int i = 1; i <= 90; ++i)
        r += std::to_string(10 + i % 80) + F;
    return r;
}

std::string Text(const char* b, std::size_t n) { return std::string(b, n); }

} // namespace

TEST(CopyBytes, StopsAtNulAndOnlyTerminatesWhenAsked)
{
    char d[12];
    std::memset(d, 'X', sizeof d);
    CopyBytes("abcd", d, 15, 0);
    EXPECT_EQ(Text(d, 8), "abcdXXXX");

    std::memset(d, 'X', sizeof d);
    CopyBytes("abcd", d, 15, 1);
    EXPECT_EQ(Text(d, 6), std::string("abcd\0X", 6));

    std::memset(d, 'X', sizeof d);
    CopyBytes("abcdef", d, 3, 1);
    EXPECT_EQ(Text(d, 5), std::string("abc\0X", 5));

    std::memset(d, 'X', sizeof d);
    CopyBytes("abcd", d, 0, 0);
    CopyBytes("abcd", d, -4, 2);
    EXPECT_EQ(Text(d, 2), "XX");
    CopyBytes("abcd", d, 0, 1);
    EXPECT_EQ(d[0], '\0');
}

TEST(GetField, FindsFieldsByCountingSeparators)
{
    const std::string r = "00ab" + F + F + "10x" + F + "20last";
    struct Caso {
        int n;
        const char* esperat;
    } casos[] = {{1, "00ab"}, {2, ""}, {3, "10x"}, {4, "20last"}};
    for (const Caso& c : casos) {
        char out[16];
        GetField(r.c_str(), out, c.n, 1, 0, sizeof out);
        EXPECT_STREQ(out, c.esperat) << "field " << c.n;
    }
}

TEST(GetField, FieldAfterTheLastSeparatorExistsAndIsEmpty)
{
    const std::string r = Noranta();
    char out[8] = "zzzzzzz";
    GetField(r.c_str(), out, 91, 1, 0, sizeof out);
    EXPECT_STREQ(out, "");
    GetField(r.c_str(), out, 90, 1, 0, sizeof out);
    EXPECT_STREQ(out, "20");

    char e[4] = "zz";
    GetField("", e, 1, 1, 0, sizeof e);
    EXPECT_STREQ(e, "");
}

TEST(GetField, MissingFieldThrows019AndLeavesOutputAlone)
{
    const std::string r = Noranta();
    const std::string a = "A" + F;
    struct Caso {
        const char* record;
        int n;
    } casos[] = {{r.c_str(), 92}, {r.c_str(), 0}, {r.c_str(), -1}, {a.c_str(), 3}, {"", 2}};
    for (const Caso& c : casos) {
        char out[8] = "keep";
        try {
            GetField(c.record, out, c.n, 1, 0, sizeof out);
            ADD_FAILURE() << "no error for field " << c.n;
        } catch (const DispError& e) {
            EXPECT_EQ(e.Texto(), kFalta019);
        }
        EXPECT_STREQ(out, "keep");
    }
}

TEST(GetField, PaddedModeFillsWithBlanksAndNeverCuts)
{
    const std::string r = "hello" + F + std::string(90, 'q') + F;
    char out[128];
    std::memset(out, 'X', sizeof out);
    GetField(r.c_str(), out, 1, 2, 80, sizeof out);
    EXPECT_EQ(Text(out, 81), "hello" + std::string(75, ' ') + "X");

    std::memset(out, 'X', sizeof out);
    GetField(r.c_str(), out, 2, 2, 80, sizeof out);
    EXPECT_EQ(Text(out, 91), std::string(90, 'q') + "X");
}

TEST(GetField, PlainModeAppendsNothingSoCallsChain)
{
    const std::string r = "ab" + F + "cde" + F + "f";
    char out[16];
    std::memset(out, 0, sizeof out);
    GetField(r.c_str(), out, 3, 0, 0, sizeof out);
    GetField(r.c_str(), out + 1, 1, 0, 0, sizeof out - 1);
    GetField(r.c_str(), out + 3, 2, 0, 0, sizeof out - 3);
    EXPECT_STREQ(out, "fabcde");
}

TEST(GetField, CopiesNoMoreThanTheDestinationHolds)
{
    const std::string r = "0123456789" + F;
    char out[12];

    std::memset(out, 'X', sizeof out);
    GetField(r.c_str(), out, 1, 1, 0, 4);
    EXPECT_EQ(Text(out, 5), std::string("012\0X", 5));

    std::memset(out, 'X', sizeof out);
    GetField(r.c_str(), out, 1, 0, 0, 4);
    EXPECT_EQ(Text(out, 5), "0123X");

    std::memset(out, 'X', sizeof out);
    GetField(r.c_str(), out, 2, 2, 80, 6);
    EXPECT_EQ(Text(out, 7), "      X");

    std::memset(out, 'X', sizeof out);
    GetField(r.c_str(), out, 1, 1, 0, 0);
    EXPECT_EQ(out[0], 'X');
}

TEST(GetCodedField, SplitsTheCodeFromTheText)
{
    const std::string r = "10WIN" + F + "10" + F + "00a" + F + "xyLAST";
    struct Caso {
        int n;
        const char* codi;
        const char* text;
    } casos[] = {{1, "10", "WIN"}, {2, "10", ""}, {3, "00", "a"}, {4, "xy", "LAST"}};
    for (const Caso& c : casos) {
        char text[16] = "zzzz";
        char codi[3] = "..";
        GetCodedField(r.c_str(), text, codi, c.n, sizeof text);
        EXPECT_STREQ(codi, c.codi) << "field " << c.n;
        EXPECT_STREQ(text, c.text) << "field " << c.n;
    }
}

TEST(GetCodedField, MissingFieldThrows018AndWritesNothing)
{
    const std::string r = "10WIN" + F;
    char text[8] = "keep";
    char codi[3] = "..";
    try {
        GetCodedField(r.c_str(), text, codi, 3, sizeof text);
        ADD_FAILURE() << "no error";
    } catch (const DispError& e) {
        EXPECT_EQ(e.Texto(), kFalta018);
    }
    EXPECT_STREQ(text, "keep");
    EXPECT_STREQ(codi, "..");
}

TEST(GetCodedField, FieldShorterThanItsCodeReadsNothingBeyondIt)
{
    const std::string r = F + "1" + F + "20ok";
    char text[8] = "zz";
    char codi[2] = {'.', '.'};
    GetCodedField(r.c_str(), text, codi, 1, sizeof text);
    EXPECT_EQ(Text(codi, 2), std::string("\0\0", 2));
    EXPECT_STREQ(text, "");
    GetCodedField(r.c_str(), text, codi, 2, sizeof text);
    EXPECT_EQ(Text(codi, 2), std::string("1\0", 2));
    EXPECT_STREQ(text, "");
}

TEST(GetCodedField, TextIsCutToItsDestination)
{
    const std::string r = "10" + std::string(300, 'a') + F;
    char text[11];
    std::memset(text, 'X', sizeof text);
    char codi[2];
    GetCodedField(r.c_str(), text, codi, 1, 10);
    EXPECT_EQ(Text(text, 11), std::string(9, 'a') + std::string("\0X", 2));
}

TEST(ReplaceField, ShiftsLaterFieldsAndKeepsThemWhole)
{
    const std::string r = "00a" + F + "10bb" + F + "20ccc" + F;
    struct Caso {
        std::string font;
        int n, m;
        std::string esperat;
    } casos[] = {
        {"10LONGER", 1, 2, "00a" + F + "10LONGER" + F + "20ccc" + F},
        {"1", 1, 2, "00a" + F + "1" + F + "20ccc" + F},
        {"", 1, 2, "00a" + F + F + "20ccc" + F},
        {"99first", 1, 1, "99first" + F + "10bb" + F + "20ccc" + F},
        {"77", 1, 3, "00a" + F + "10bb" + F + "77" + F},
        {"77", 1, 4, r + "77"},
        {"x" + F + "y2" + F + "z", 2, 1, "y2" + F + "10bb" + F + "20ccc" + F},
        {"only", 3, 2, "00a" + F + F + "20ccc" + F},
        {"12" + F, 0, 2, "00a" + F + "12" + F + "20ccc" + F},
    };
    for (const Caso& c : casos) {
        char d[64] = {};
        std::memcpy(d, r.c_str(), r.size() + 1);
        ReplaceField(c.font.c_str(), d, c.n, c.m, sizeof d);
        EXPECT_EQ(std::string(d), c.esperat) << "n " << c.n << " m " << c.m << " " << c.font;
    }
}

TEST(ReplaceField, LastFieldWithoutSeparatorIsReplacedToTheEnd)
{
    const std::string r = "00a" + F + "10bb";
    char d[32] = {};
    std::memcpy(d, r.c_str(), r.size() + 1);
    ReplaceField("10new", d, 1, 2, sizeof d);
    EXPECT_EQ(std::string(d), "00a" + F + "10new");
}

TEST(ReplaceField, RecordWithFewerFieldsIsLeftAlone)
{
    const std::string r = "00a" + F + "10bb" + F;
    for (int m : {4, 9, 0, -2}) {
        char d[32] = {};
        std::memcpy(d, r.c_str(), r.size() + 1);
        ReplaceField("10new", d, 1, m, sizeof d);
        EXPECT_EQ(std::string(d), r) << "m " << m;
    }
}

TEST(ReplaceField, GrownRecordIsCutToItsRoomWithLaterFieldsIntact)
{
    const std::string r = "00a" + F + "10bb" + F + "20ccc" + F;
    char d[24];
    std::memset(d, 'X', sizeof d);
    std::memcpy(d, r.c_str(), r.size() + 1);  // 16 bytes with the NUL
    ReplaceField("10abcdefghijklmnop", d, 1, 2, 20);
    EXPECT_EQ(std::string(d), "00a" + F + "10abcdef" + F + "20ccc" + F);
    EXPECT_EQ(std::strlen(d) + 1, 20u);
    EXPECT_EQ(Text(d + 20, 4), "XXXX");
}

TEST(Trama, CommandCodeOfByte3)
{
    struct Caso {
        char byte;
        int codi;
    } casos[] = {{'1', 1}, {'5', 5}, {'9', 9}, {'z', 10}, {'A', 11},
                 {'0', 0}, {'B', 0}, {'Z', 0}, {' ', 0}, {'a', 0}};
    for (const Caso& c : casos) {
        char t[8] = "xxx?";
        t[3] = c.byte;
        EXPECT_EQ(Trama::CodigoOrden(t), c.codi) << c.byte;
    }
}

TEST(Trama, ScreenIdentifierAndCheckNumber)
{
    std::string t(50, ' ');
    t.replace(21, 15, "EsKRVINI  01001");
    t.replace(36, 8, "00012345");
    EXPECT_EQ(Trama::IdPantalla(t.c_str()), "EsKRVINI  01001");
    EXPECT_EQ(Trama::NumeroCabecera(t.c_str()), 12345);

    struct Caso {
        const char* digits;
        int valor;
    } casos[] = {{"00000000", 0}, {"99999999", 99999999}, {"  -12abc", -12},
                 {"+7      ", 7}, {"abc12345", 0},       {"        ", 0}};
    for (const Caso& c : casos) {
        t.replace(36, 8, c.digits);
        EXPECT_EQ(Trama::NumeroCabecera(t.c_str()), c.valor) << c.digits;
    }
    // Only bytes 36 to 43 count.
    t.replace(36, 9, "123456789");
    EXPECT_EQ(Trama::NumeroCabecera(t.c_str()), 12345678);

    const std::string curt = std::string(21, 'x') + "EsLOG";
    EXPECT_EQ(Trama::IdPantalla(curt.c_str()), "EsLOG");
    char ambNul[50] = {};
    std::memcpy(ambNul + 36, "42", 2);
    EXPECT_EQ(Trama::NumeroCabecera(ambNul), 42);
}

// A reply whose text ends inside the fixed header has an empty record, never the bytes that an
// earlier frame left past its NUL.
TEST(Trama, TheRecordOfATextThatEndsBeforeItIsEmpty)
{
    std::string t(Trama::kIniciRegistre, 'h');
    t += "00rec";
    EXPECT_TRUE(Trama::TeRegistre(t.c_str()));
    EXPECT_STREQ(Trama::Registre(t.c_str()), "00rec");
    t[Trama::kIniciRegistre] = '\0';
    EXPECT_TRUE(Trama::TeRegistre(t.c_str()));
    EXPECT_STREQ(Trama::Registre(t.c_str()), "");
    for (int fi : {0, Trama::kIniciRegistre - 1}) {
        std::string curt = t;
        curt[Trama::kIniciRegistre] = '0';
        curt[static_cast<std::size_t>(fi)] = '\0';
        EXPECT_FALSE(Trama::TeRegistre(curt.c_str())) << fi;
        EXPECT_STREQ(Trama::Registre(curt.c_str()), "") << fi;
    }
}

TEST(Trama, NumbersFromOutsideSaturateInsteadOfOverflowing)
{
    EXPECT_EQ(Trama::LlegeixEnter("99999999999999999999999"), LONG_MAX);
    EXPECT_EQ(Trama::LlegeixEnter("-99999999999999999999999"), -LONG_MAX);
    EXPECT_EQ(Trama::LlegeixEnter(" \t8000;"), 8000);
    EXPECT_EQ(Trama::LlegeixEnter("8000", 2), 80);
    EXPECT_EQ(Trama::LlegeixEnter(""), 0);
}
