#include "framework/controls/CopiaValor.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(CopiaValor, FitsTheBufferAndTheLargestValue)
{
    char buffer[8];
    const struct {
        const char* valor;
        int length;
        int copied;
        const char* expected;
    } table[] = {{"hola", 8, 4, "hola"}, {"holaquetal", 8, 7, "holaque"}, {"hola", 1, 0, ""}, {"", 8, 0, ""}};
    for (const auto& row : table) {
        SCOPED_TRACE(row.valor);
        std::fill(buffer, buffer + sizeof buffer, 'x');
        EXPECT_EQ(Win::CopiaValor(row.valor, buffer, row.length), row.copied);
        EXPECT_STREQ(buffer, row.expected);
    }
    std::fill(buffer, buffer + sizeof buffer, 'x');
    EXPECT_EQ(Win::CopiaValor("hola", buffer, 0), 0);
    EXPECT_EQ(Win::CopiaValor("hola", buffer, -5), 0);
    EXPECT_EQ(buffer[0], 'x') << "no room, nothing written";
    EXPECT_EQ(Win::CopiaValor("hola", nullptr, 8), 0);

    const std::string big(20000, 'a');
    std::string out(20000, '\0');
    EXPECT_EQ(Win::CopiaValor(big, &out[0], 20000), Win::kMaxValor - 1);
}
