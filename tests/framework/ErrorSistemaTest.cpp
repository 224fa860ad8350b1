#include "framework/ErrorSistema.h"

#include <windows.h>

#include <gtest/gtest.h>

TEST(ErrorSistema, WindowsErrorText)
{
    char* sistema = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, ERROR_FILE_NOT_FOUND, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                   reinterpret_cast<char*>(&sistema), 0, nullptr);
    ASSERT_NE(sistema, nullptr);
    const std::string esperat = std::string("Error ref. #011, cod. 2 ") + sistema;
    LocalFree(sistema);
    SetLastError(ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(Win::FormataErrorWindows("#011"), esperat);

    SetLastError(10061);
    EXPECT_EQ(Win::FormataErrorWindows("#011").rfind("Error ref. #011, cod. 10061 ", 0), 0u);
    SetLastError(0x20001234);
    EXPECT_EQ(Win::FormataErrorWindows("x"), "Error ref. x, cod. 536875572 ");

    // Where the system has no text for a code, its number stands in for it.
    EXPECT_EQ(Win::TextError(ERROR_FILE_NOT_FOUND), Win::TextErrorSistema(ERROR_FILE_NOT_FOUND));
    EXPECT_NE(Win::TextError(ERROR_FILE_NOT_FOUND), "");
    EXPECT_EQ(Win::TextError(0x20001234), "536875572");
}
