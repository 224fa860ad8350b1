#include "framework/ErrorBox.h"
#include "framework/Exception.h"
#include "framework/MsgBox.h"
#include "tests/framework/AltraCaixa.h"
#include "tests/framework/MsgBoxRecorder.h"

#include <gtest/gtest.h>

TEST(ErrorBox, ShowsTextWithCaptionAndStopIcon)
{
    MsgBoxRecorder rec;
    Win::ErrorBox::Show("Error #ref 013, abriendo socket");
    ASSERT_EQ(rec.Boxes().size(), 1u);
    EXPECT_EQ(rec.Boxes()[0].text, "Error #ref 013, abriendo socket");
    EXPECT_EQ(rec.Boxes()[0].caption, "Korvuc Error");
    EXPECT_EQ(rec.Boxes()[0].type, static_cast<UINT>(MB_ICONHAND));
}

TEST(ErrorBox, OwnerIsNullUntilSet)
{
    MsgBoxRecorder rec;
    Win::ErrorBox::Show("before");
    HWND w = CreateWindowA("STATIC", "owner", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(w, nullptr);
    Win::ErrorBox::SetOwner(w);
    Win::ErrorBox::Show("after");
    Win::ErrorBox::SetOwner(nullptr);
    DestroyWindow(w);
    ASSERT_EQ(rec.Boxes().size(), 2u);
    EXPECT_EQ(rec.Boxes()[0].owner, nullptr);
    EXPECT_EQ(rec.Boxes()[1].owner, w);
}

TEST(ErrorBox, MuestraDispErrorShowsTextUnchangedEvenEmpty)
{
    MsgBoxRecorder rec;
    MuestraDispError("");
    MuestraDispError("Error interno:\nComunicador.Transmit.");
    ASSERT_EQ(rec.Boxes().size(), 2u);
    EXPECT_EQ(rec.Boxes()[0].text, "");
    EXPECT_EQ(rec.Boxes()[1].text, "Error interno:\nComunicador.Transmit.");
}

TEST(WinException, KeepsGivenCodeOrTakesLastError)
{
    SetLastError(1234);
    Win::Exception given("m", "c", 5);
    EXPECT_EQ(given.Code(), 5u);
    EXPECT_EQ(GetLastError(), 0u);

    SetLastError(ERROR_ACCESS_DENIED);
    Win::Exception taken("Out of memory", "");
    EXPECT_EQ(taken.Code(), static_cast<unsigned long>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(taken.Message(), "Out of memory");
    EXPECT_EQ(taken.Context(), "");
    EXPECT_EQ(GetLastError(), 0u);
}

// The real box, closed from a timer after its caption and text were read.
namespace {
struct SeenBox {
    std::string caption;
    std::string text;
    bool closed = false;
};
SeenBox seen;

BOOL CALLBACK FindText(HWND child, LPARAM)
{
    char cls[32] = {};
    GetClassNameA(child, cls, sizeof cls);
    char text[256] = {};
    GetWindowTextA(child, text, sizeof text);
    if (lstrcmpiA(cls, "Static") == 0 && text[0] != '\0')
        seen.text = text;
    return TRUE;
}

// Only this thread's box: another program on the same display may show one with the same
// caption at the same time.
BOOL CALLBACK FindOwnBox(HWND hwnd, LPARAM found)
{
    char cls[16] = {};
    char caption[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    GetWindowTextA(hwnd, caption, sizeof caption);
    if (lstrcmpA(cls, "#32770") != 0 || lstrcmpA(caption, "Korvuc Error") != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}

void CALLBACK CloseBox(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindOwnBox, reinterpret_cast<LPARAM>(&box));
    if (!box)
        return;
    char caption[64] = {};
    GetWindowTextA(box, caption, sizeof caption);
    seen.caption = caption;
    EnumChildWindows(box, FindText, 0);
    KillTimer(nullptr, id);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    seen.closed = true;
}

} // namespace

TEST(ErrorBox, RealMessageBoxIsShownAndClosed)
{
    ASSERT_EQ(Win::MsgBox::SetHook(nullptr), nullptr);
    AltraCaixa altra;
    UINT_PTR timer = SetTimer(nullptr, 0, 100, CloseBox);
    ASSERT_NE(timer, 0u);
    Win::ErrorBox::Show("Error #ref 030, error abriendo fichero de configuración");
    EXPECT_TRUE(seen.closed);
    EXPECT_EQ(seen.caption, "Korvuc Error");
    EXPECT_EQ(seen.text, "Error #ref 030, error abriendo fichero de configuración");
}
