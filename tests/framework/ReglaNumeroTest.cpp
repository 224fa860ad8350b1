#include "framework/controls/ReglaNumero.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using Win::ReglaNumero;

namespace {

const ReglaNumero::Signes kEs = ReglaNumero::PerIdioma("Es");
const ReglaNumero::Signes kAltre = ReglaNumero::PerIdioma("En");

struct Cas {
    const char* typed;
    const char* expected;  // null: invalid, the text untouched
};

void Check(const ReglaNumero::Format& format, const std::vector<Cas>& table)
{
    for (const Cas& row : table) {
        SCOPED_TRACE(row.typed);
        std::string s = row.typed;
        const int r = ReglaNumero::Formata(s, format);
        if (row.expected) {
            EXPECT_EQ(r, 2);
            EXPECT_EQ(s, row.expected);
        } else {
            EXPECT_EQ(r, 1);
            EXPECT_EQ(s, row.typed);
        }
    }
}

} // namespace

TEST(ReglaNumero, SignsByLanguage)
{
    EXPECT_EQ(kEs.decimal, ',');
    EXPECT_EQ(kEs.milers, '.');
    for (const char* idioma : {"En", "Ca", "", "es", "ES", "Es "}) {
        SCOPED_TRACE(idioma);
        const ReglaNumero::Signes s = ReglaNumero::PerIdioma(idioma);
        EXPECT_EQ(s.decimal, '.');
        EXPECT_EQ(s.milers, ',');
    }
}

TEST(ReglaNumero, SpanishWithDecimalsAndGrouping)
{
    Check({kEs, 2, 12, 15, true}, {
        {"1234567.5", "1.234.567,50"},  // a lone "." typed on the keypad is the decimal sign
        {"1234567,5", "1.234.567,50"},
        {"", "0,00"},
        {"0", "0,00"},
        {"+12", "12,00"},
        {"1-2", "12,00"},
        {"-1", "-1,00"},
        {"-123456", "-123.456,00"},
        {"000123", "123,00"},
        {"00,5", "0,50"},
        {"0,5", "0,50"},
        {"12,345", "12,34"},  // cut, not rounded
        {"1.2.3", "1,23"},    // several stray signs: the first is the decimal sign
        {"1,2,3", "1,23"},
        {"123", "123,00"},
        // Text the field showed, edited in one digit, keeps its magnitude.
        {"1.234,60", "1.234,60"},
        {"1.2345,50", "12.345,50"},
        {"1.23,50", "123,50"},
        {"1.234.567,50", "1.234.567,50"},
        // Signs exactly where grouping puts them are thousands signs.
        {"1.234", "1.234,00"},
        {"-12.345.678", "-12.345.678,00"},
        {"1.2345", "1,23"},
        // No grouped number begins with a zero group: a fraction typed with the keypad's ".".
        {"0.125", "0,12"},
        {"-0.250", "-0,25"},
        {"00.125", "0,12"},
        // Ten integer digits are more than 12 - 2; nine fit, but not once grouped into 15.
        {"12345678901", nullptr},
        {"12345678901,5", nullptr},
        {"123456789", "123.456.789,00"},
        {"1234567890", nullptr},
    });
}

// A sign typed with no digit (a lone "-", or the decimal sign alone), or one whose digits were
// all in a fraction the field drops, is no number: the field reads it as empty, which is zero.
TEST(ReglaNumero, SignsWithoutADigitAreZero)
{
    Check({kEs, 2, 12, 15, true}, {
        {"-", "0,00"},
        {"--", "0,00"},
        {"-,", "0,00"},
        {"-.", "0,00"},
        {",", "0,00"},
        {"+", "0,00"},
        {"-,5", "-,50"},  // a digit after the sign: a number
        {"-0", "-0,00"},
    });
    Check({kEs, 0, 9, 11, true}, {
        {"-", "0"},
        {"-,", "0"},
        {",5", "0"},
        {"-,5", "0"},
    });
    Check({kAltre, 2, 12, 15, true}, {
        {"-", "0.00"},
        {"-.", "0.00"},
    });
}

TEST(ReglaNumero, SpanishIntegers)
{
    Check({kEs, 0, 9, 11, true}, {
        {"", "0"},
        {"0", "0"},
        {"1234", "1.234"},
        {"123", "123"},
        {"-123456", "-123.456"},
        {"-05", "-05"},  // a sign in front stops the leading-zero rule
        {"12.7", "12"},  // the fraction is dropped, not rounded
        {"12,7", "12"},
        // One digit changed, added or taken from a shown "1.234" or "1.234.567".
        {"1.235", "1.235"},
        {"1.2345", "12.345"},
        {"1.23", "123"},
        {"12.234", "12.234"},
        {"1.234.56", "123.456"},
        {"1.2345.567", "12.345.567"},
        {"0.234", "234"},
        {"0.234.567", "234.567"},
        // Texts no such edit gives: the "." typed on the keypad, its fraction dropped.
        {"1234.50", "1.234"},
        {"1234.5678", "1.234"},
        {"0.50", "0"},
        {"1234567890", nullptr},  // no decimal sign: only the length limits it
        {"123456789", "123.456.789"},
    });
    Check({kEs, 0, 5, 20, false}, {
        {"12.7", "12"},
        {"1.234", "1"},  // no grouping shown: the sign is the typed decimal sign
        {"123456,7", nullptr},  // six integer digits where five fit
        {"1234567", "1234567"},  // without a sign only the length counts
    });
}

TEST(ReglaNumero, OtherLanguages)
{
    Check({kAltre, 2, 12, 15, true}, {
        {"1,5", "1.50"},  // the thousands sign typed alone becomes the decimal sign
        {"1.2.3", "1.23"},
        {"1234567.5", "1,234,567.50"},
        {"1,234.60", "1,234.60"},
        {"1,234,567.50", "1,234,567.50"},
        {"1,234", "1,234.00"},
        {"0,125", "0.12"},
        {"-123456", "-123,456.00"},
        {"", "0.00"},
    });
    Check({kAltre, 2, 12, 15, false}, {
        {"1,5", "1.50"},
        {"1.2.3", "1.23"},
        {"1234", "1234.00"},
    });
    Check({kAltre, 0, 9, 11, true}, {
        {"12.7", "12"},
        {"1,235", "1,235"},
        {"1,23", "123"},
        {"1,2345", "12,345"},
        {"1234,50", "1,234"},
    });
}

TEST(ReglaNumero, ValueForAndFromTheServer)
{
    EXPECT_EQ(ReglaNumero::PerServidor("1.234.567,50", kEs), "1234567.50");
    EXPECT_EQ(ReglaNumero::PerServidor("1,234,567.50", kAltre), "1234567.50");
    EXPECT_EQ(ReglaNumero::PerServidor("-0,00", kEs), "-0.00");
    EXPECT_EQ(ReglaNumero::PerServidor("12.5", kAltre), "12.5");
    EXPECT_EQ(ReglaNumero::PerServidor("", kEs), "");

    EXPECT_EQ(ReglaNumero::Rebut("1234.5", kEs), "1234,5");
    EXPECT_EQ(ReglaNumero::Rebut("1234.5", kAltre), "1234.5");
    EXPECT_EQ(ReglaNumero::Rebut("", kEs), "0");
    EXPECT_EQ(ReglaNumero::Rebut("", kAltre), "0");
}

TEST(ReglaNumero, RecordsAskingTheImpossibleAreRefused)
{
    // A huge number of decimals or digit positions from a damaged record.
    std::string s = "1";
    EXPECT_EQ(ReglaNumero::Formata(s, {kEs, 2000000000, 2000000000, 15, true}), 1);
    EXPECT_EQ(ReglaNumero::Formata(s, {kEs, 2, -2000000000, 15, true}), 1);
    EXPECT_EQ(ReglaNumero::Formata(s, {kEs, -5, 9, 15, true}), 2);
    EXPECT_EQ(s, "1");
    s = "5";
    EXPECT_EQ(ReglaNumero::Formata(s, {kEs, 0, 9, 0, false}), 1);
}

// Every digit of the integer part of a shown number, changed, taken away or with one added in
// front of it: the value that results is the one the user sees, in both languages, with and
// without decimals.
TEST(ReglaNumero, EditingOneDigitOfAShownNumberKeepsItsMagnitude)
{
    const auto value = [](const std::string& text, ReglaNumero::Signes signes) {
        return std::strtod(ReglaNumero::PerServidor(text, signes).c_str(), nullptr);
    };
    for (ReglaNumero::Signes signes : {kEs, kAltre}) {
        for (int d : {0, 2}) {
            const ReglaNumero::Format format{signes, d, 14, 20, true};
            for (const char* number : {"7", "12", "123", "1234", "12345", "123456", "1234567", "-1234", "-9876543"}) {
                std::string shown = number;
                ASSERT_EQ(ReglaNumero::Formata(shown, format), 2);
                const std::size_t end = d > 0 ? shown.find(signes.decimal) : shown.size();
                for (std::size_t i = 0; i < end; ++i) {
                    if (shown[i] < '0' || shown[i] > '9')
                        continue;
                    std::vector<std::string> edits;
                    edits.push_back(shown.substr(0, i) + (shown[i] == '9' ? '1' : '9') + shown.substr(i + 1));
                    edits.push_back(shown.substr(0, i) + shown.substr(i + 1));
                    edits.push_back(shown.substr(0, i) + '8' + shown.substr(i));
                    for (const std::string& edited : edits) {
                        SCOPED_TRACE(shown + " -> " + edited + (d ? " with decimals" : ""));
                        std::string s = edited;
                        ASSERT_EQ(ReglaNumero::Formata(s, format), 2);
                        EXPECT_EQ(value(s, signes), value(edited, signes));
                    }
                }
            }
        }
    }
}
