#include "framework/controls/ReglaData.h"

#include <gtest/gtest.h>

using Win::ReglaData;

TEST(ReglaData, CompletesOrRefusesTypedDates)
{
    const struct {
        const char* typed;
        const char* expected;  // null: no date
    } table[] = {
        // One-digit day and month, separators supplied, a two-digit year in this century.
        {"1/2/24", "01/02/2024"},
        {"010224", "01/02/2024"},
        {"01022024", "01/02/2024"},
        {"1/02/2024", "01/02/2024"},
        {"1/1/24", "01/01/2024"},
        {"1/1/2024", "01/01/2024"},  // 10 characters once the zeros are in: no century added
        {"01/02/24", "01/02/2024"},
        {"0102/24", "01/02/2024"},
        {"01/0224", "01/02/2024"},
        {"29/02/2023", "29/02/2023"},  // no leap-year rule
        {"29/02/2025", "29/02/2025"},
        {"00/00/2024", "00/00/2024"},  // day and month 0 pass
        {"31/12/1999", "31/12/1999"},
        {"30/04/2024", "30/04/2024"},
        // Lengths below 6 or above 10, and a 9-character form.
        {"1/2/4", nullptr},
        {"01/01/20245", nullptr},
        {"01/01/202", nullptr},
        {"", nullptr},
        // Days and months out of range.
        {"31/04/2024", nullptr},
        {"30/02/2024", nullptr},
        {"31/06/2024", nullptr},
        {"32/01/2024", nullptr},
        {"01/13/2024", nullptr},
        {"31/11/24", nullptr},
        // A full stop can be typed but never separates; letters and signs are no digits.
        {"1.2.24", nullptr},
        {"01.02.2024", nullptr},
        {"a1/02/24", nullptr},
        {"01/b2/24", nullptr},
        {"01/02/2x", nullptr},
        {"1//2/24", nullptr},
        {"-1/2/24", nullptr},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.typed);
        std::string s = row.typed;
        const bool ok = ReglaData::Normalitza(s);
        if (row.expected) {
            EXPECT_TRUE(ok);
            EXPECT_EQ(s, row.expected);
        } else {
            EXPECT_FALSE(ok);
        }
    }
}

TEST(ReglaData, ValidationAgainstTheKeptText)
{
    std::string kept;
    // An empty date is valid, even unchanged, and is never written back.
    ReglaData::Resultat r = ReglaData::Valida("", kept);
    EXPECT_EQ(r.codi, 2);
    EXPECT_FALSE(r.escriu);

    r = ReglaData::Valida("1/2/24", kept);
    EXPECT_EQ(r.codi, 2);
    EXPECT_TRUE(r.escriu);
    EXPECT_EQ(kept, "01/02/2024");

    // What was written back is unchanged next time.
    r = ReglaData::Valida("01/02/2024", kept);
    EXPECT_EQ(r.codi, 0);
    EXPECT_FALSE(r.escriu);

    // A wrong date leaves the kept text; emptying the field keeps it too.
    r = ReglaData::Valida("31/04/2024", kept);
    EXPECT_EQ(r.codi, 1);
    EXPECT_EQ(kept, "01/02/2024");
    r = ReglaData::Valida("", kept);
    EXPECT_EQ(r.codi, 2);
    EXPECT_FALSE(r.escriu);
    EXPECT_EQ(kept, "01/02/2024");
}

// A field that could read back only part of the date it showed would take a cut year for a new
// date and rewrite it: the whole text shown is always judged.
TEST(ReglaData, AShownDateReadWholeIsNotRewritten)
{
    std::string kept;
    ASSERT_EQ(ReglaData::Valida("1/2/31", kept).codi, 2);
    EXPECT_EQ(kept, "01/02/2031");
    // What an eight-character read of the field would give: a different date.
    std::string cut = kept.substr(0, 8);
    ASSERT_TRUE(ReglaData::Normalitza(cut));
    EXPECT_EQ(cut, "01/02/2020");
    // The whole date read back, judged afresh, is the same date, not a new one.
    std::string fresh;
    const ReglaData::Resultat again = ReglaData::Valida(kept, fresh);
    EXPECT_EQ(again.codi, 2);
    EXPECT_EQ(fresh, kept);
    // Against another kept date it is a change, and becomes the one kept.
    std::string other = "01/02/2030";
    EXPECT_EQ(ReglaData::Valida(kept, other).codi, 2);
    EXPECT_EQ(other, kept);
}

// Before the field is left (the refresh timer, a function key) the server gets the date that
// leaving would show, never the half-typed text, and a text that leaving would refuse is told.
TEST(ReglaData, ValueOfATextNotYetLeft)
{
    const struct {
        const char* kept;
        const char* shown;
        bool valid;
        const char* value;
    } table[] = {
        {"", "5/3/24", true, "05/03/2024"},
        {"01/02/2024", "010224", true, "01/02/2024"},
        {"01/02/2024", "01/02/2024", true, "01/02/2024"},
        {"01/02/2024", "", true, ""},
        {"", "", true, ""},
        {"01/02/2024", "31/02/2024", false, "31/02/2024"},
        {"", "5/3", false, "5/3"},
        {"01/02/2024", "1.2.24", false, "1.2.24"},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.shown);
        const std::string kept = row.kept;
        std::string value = "stale";
        EXPECT_EQ(ReglaData::PerServidor(row.shown, kept, value), row.valid);
        EXPECT_EQ(value, row.value);
        // Asking changes nothing that leaving the field would find.
        std::string copy = kept;
        EXPECT_EQ(ReglaData::Valida(row.shown, copy).codi == 1, !row.valid);
    }
}
