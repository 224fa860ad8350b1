#include "app/Entrada.h"

#include "framework/DispError.h"
#include "framework/Exception.h"
#include "tests/framework/MsgBoxRecorder.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <new>
#include <string>

TEST(Entrada, WhatEscapesTheProgramIsShownOrPassedOverAndEndsWithMinusOne)
{
    const struct {
        const char* cas;
        std::function<int()> programa;
        const char* caixa;  // null: no box
    } casos[] = {
        {"DispError", [] () -> int { throw DispError("Error #ref 030, error abriendo fichero de configuración"); },
         "Error #ref 030, error abriendo fichero de configuración"},
        {"Win::Exception", [] () -> int { throw Win::Exception("Out of memory", "", 8); }, "Out of memory"},
        {"plain string", [] () -> int { throw "RegisterClass failed"; }, "Excepción desconocida"},
        {"standard exception", [] () -> int { throw std::bad_alloc(); }, "Excepción desconocida"},
        {"ExitException", [] () -> int { throw Win::ExitException(); }, nullptr},
        {"int", [] () -> int { throw 3; }, nullptr},
    };
    for (const auto& c : casos) {
        MsgBoxRecorder rec;
        EXPECT_EQ(Entrada::Executa(c.programa), -1) << c.cas;
        if (!c.caixa) {
            EXPECT_TRUE(rec.Boxes().empty()) << c.cas;
            continue;
        }
        ASSERT_EQ(rec.Boxes().size(), 1u) << c.cas;
        EXPECT_EQ(rec.Boxes()[0].text, c.caixa) << c.cas;
        EXPECT_EQ(rec.Boxes()[0].caption, "Korvuc Error") << c.cas;
        EXPECT_EQ(rec.Boxes()[0].type, static_cast<UINT>(MB_ICONHAND)) << c.cas;
    }
}

TEST(Entrada, ProgramThatEndsGivesItsOwnCodeWithoutABox)
{
    MsgBoxRecorder rec;
    EXPECT_EQ(Entrada::Executa([] { return 0; }), 0);
    EXPECT_EQ(Entrada::Executa([] { return 42; }), 42);
    EXPECT_TRUE(rec.Boxes().empty());
}

namespace {

// Waits up to five seconds for a real box with this caption and answers it, once it has stayed
// up for three seconds: a box that goes by itself sooner is one nobody can read.
DWORD WINAPI ContestaCaixa(void* vista)
{
    for (int i = 0; i < 100; ++i) {
        if (HWND caixa = FindWindowA(nullptr, "Korvuc Error")) {
            Sleep(3000);
            *static_cast<bool*>(vista) = IsWindow(caixa) != FALSE;
            PostMessageA(caixa, WM_COMMAND, IDOK, 0);
            return 0;
        }
        Sleep(50);
    }
    return 0;
}

} // namespace

// A start-up failure inside the main window's creation destroys the window, and its destroy
// handler asks the loop to end: that quit message must not close the error box unseen.
TEST(Entrada, TheBoxStaysWhenTheFailedProgramLeftAQuitMessage)
{
    bool vista = false;
    const HANDLE fil = CreateThread(nullptr, 0, ContestaCaixa, &vista, 0, nullptr);
    ASSERT_NE(fil, nullptr);
    EXPECT_EQ(Entrada::Executa([]() -> int {
                  PostQuitMessage(0);
                  throw DispError("Error #ref 001, cargando pantalla inicial");
              }),
              -1);
    WaitForSingleObject(fil, INFINITE);
    CloseHandle(fil);
    EXPECT_TRUE(vista) << "the error box closed before anyone could read it";
}
