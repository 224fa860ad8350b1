#include "framework/DispError.h"

#include <gtest/gtest.h>

TEST(DispError, TextoKeepsTheMessage)
{
    DispError e("Error #ref 013, abriendo socket");
    EXPECT_EQ(e.Texto(), "Error #ref 013, abriendo socket");
    DispError copy = e;
    EXPECT_EQ(copy.Texto(), e.Texto());
}

TEST(DispError, EmptyMessageGivesFixedText)
{
    EXPECT_EQ(DispError("").Texto(), "DispError error.");
}

TEST(DispError, MessagesAreCodePage1252)
{
    // The system's texts are 8-bit: the "ó" of "configuración" is one byte, 0xF3.
    const std::string text = "Error #ref 030, error abriendo fichero de configuración";
    ASSERT_EQ(text.size(), 55u);
    EXPECT_EQ(static_cast<unsigned char>(text[text.size() - 2]), 0xF3);
}
