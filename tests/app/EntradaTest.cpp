#include "app/Entrada.h"

#include "framework/DispError.h"
#include "framework/Exception.h"
#include "tests/framework/AltraCaixa.h"
#include "tests/framework/FinestraDe.h"
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

const char kCaixa[] = "Korvuc Error";

// Answers the box that the test's own thread shows, once it has stayed up for three seconds: a
// box that goes by itself sooner is one nobody can read. A box that shows up only after the
// helper gave up waiting (20 s), or any box after the first, is closed at once, so that a late
// or second box fails the test instead of waiting for ever.
struct Contestador {
    DWORD fil = GetCurrentThreadId();
    HANDLE acabat = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    bool trobada = false;
    bool vista = false;

    static DWORD WINAPI Run(void* p)
    {
        auto* c = static_cast<Contestador*>(p);
        const DWORD inici = GetTickCount();
        while (WaitForSingleObject(c->acabat, 50) == WAIT_TIMEOUT) {
            HWND caixa = FinestraDe(GetCurrentProcessId(), c->fil, "#32770", kCaixa);
            if (!caixa || !IsWindowVisible(caixa))
                continue;
            if (!c->trobada && GetTickCount() - inici < 20000) {
                Sleep(3000);
                c->vista = IsWindow(caixa) != FALSE;
            }
            c->trobada = true;
            PostMessageA(caixa, WM_COMMAND, IDOK, 0);
        }
        return 0;
    }
};

} // namespace

// A start-up failure inside the main window's creation destroys the window, and its destroy
// handler asks the loop to end: that quit message must not close the error box unseen.
TEST(Entrada, TheBoxStaysWhenTheFailedProgramLeftAQuitMessage)
{
    AltraCaixa altra;
    Contestador contestador;
    const HANDLE fil = CreateThread(nullptr, 0, Contestador::Run, &contestador, 0, nullptr);
    ASSERT_NE(fil, nullptr);
    EXPECT_EQ(Entrada::Executa([]() -> int {
                  PostQuitMessage(0);
                  throw DispError("Error #ref 001, cargando pantalla inicial");
              }),
              -1);
    SetEvent(contestador.acabat);
    WaitForSingleObject(fil, INFINITE);
    CloseHandle(fil);
    CloseHandle(contestador.acabat);
    EXPECT_TRUE(contestador.trobada) << "no box was shown";
    EXPECT_TRUE(contestador.vista) << "the error box closed before anyone could read it";
}
