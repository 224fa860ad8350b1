#include "screens/EnllacAjuda.h"

#include <gtest/gtest.h>

TEST(EnllacAjuda, TargetTable)
{
    const std::string base = "\\\\srv\\ayuda\\Es\\";
    struct Cas {
        const char* text;
        std::string desti;
    } casos[] = {
        {"", ""},
        {"http://x.es/a", "http://x.es/a"},
        {"https://x.es/a.htm", "https://x.es/a.htm"},  // a secure address opens unchanged too
        {"clientes.htm", std::string(EnllacAjuda::kManual) + "Es/clientes.htm"},
        {"clientes.pdf", base + "clientes.pdf"},
        {"HTTP://x.es", base + "HTTP://x.es"},  // the scheme is compared as written
    };
    for (const Cas& c : casos)
        EXPECT_EQ(EnllacAjuda::Desti(c.text, base, "Es"), c.desti) << c.text;
}
