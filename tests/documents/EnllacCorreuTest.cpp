#include "documents/EnllacCorreu.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using EnllacCorreu::Enllac;
using EnllacCorreu::Separa;

TEST(EnllacCorreu, PartsAndTheirLimits)
{
    EXPECT_EQ(Enllac("ana@ex.com"), "mailto:ana@ex.com?subject=&body=");
    EXPECT_EQ(Enllac("ana@ex.com|Factura|Adjunta"),
              "mailto:ana@ex.com?subject=Factura&body=Adjunta");
    EXPECT_EQ(Enllac("a|b|c|ignored"), "mailto:a?subject=b&body=c");
    EXPECT_EQ(Enllac("|s"), "mailto:?subject=s&body=");

    const EnllacCorreu::Parts p =
        Separa(std::string(120, 'd') + "|" + std::string(250, 's') + "|" + std::string(1999, 'b'));
    EXPECT_EQ(p.destinatari, std::string(99, 'd'));
    EXPECT_EQ(p.assumpte, std::string(199, 's'));
    EXPECT_EQ(p.cos, std::string(1999, 'b'));
    EXPECT_EQ(Separa("a|b|" + std::string(2500, 'c')).cos.size(), 1999u);
}

TEST(EnllacCorreu, WhatWouldCutTheLinkIsEncoded)
{
    EXPECT_EQ(Enllac("a@b|Pedido 5 & 6?|100% #1\r\nfin"),
              "mailto:a@b?subject=Pedido%205%20%26%206%3F&body=100%25%20%231%0D%0Afin");
    EXPECT_EQ(Enllac("a@b|x&body=y|\t"), "mailto:a@b?subject=x%26body=y&body=%09");
    // The recipient can add no header fields either.
    EXPECT_EQ(Enllac("a@b?cc=c@d|s"), "mailto:a@b%3Fcc=c@d?subject=s&body=");
    // Letters of code page 1252 stay as they are.
    EXPECT_EQ(Enllac("a@b|Tel\xE9" "fono|Ma\xF1" "ana"), "mailto:a@b?subject=Tel\xE9" "fono&body=Ma\xF1" "ana");
}

} // namespace
