#include "framework/Accelerators.h"
#include "framework/ChildWinMaker.h"
#include "framework/DispError.h"
#include "framework/Exception.h"
#include "framework/MsgLoop.h"
#include "framework/WndProc.h"
#include "tests/framework/MsgBoxRecorder.h"
#include "tests/framework/TestWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Commands(const std::vector<std::string>& calls)
{
    std::vector<std::string> out;
    for (const std::string& c : calls)
        if (c.rfind("OnCommand", 0) == 0)
            out.push_back(c);
    return out;
}

void ReleaseAllKeys()
{
    BYTE keys[256] = {};
    SetKeyboardState(keys);
}

} // namespace

TEST(Accelerators, TableReadsBackAsEighteenEntries)
{
    Win::Accelerators accel;
    ASSERT_NE(accel.Handle(), nullptr);
    EXPECT_EQ(accel.Count(), 18);
    ASSERT_EQ(CopyAcceleratorTableA(accel.Handle(), nullptr, 0), 18);
    ACCEL entries[18] = {};
    ASSERT_EQ(CopyAcceleratorTableA(accel.Handle(), entries, 18), 18);
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(entries[i].fVirt & 0x7F, FVIRTKEY | FNOINVERT);
        EXPECT_EQ(entries[i].key, VK_F1 + i);
        EXPECT_EQ(entries[i].cmd, i + 1);
    }
    const WORD characters[] = {5, 19, 6, 4, 12};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(12 + i);
        EXPECT_EQ(entries[12 + i].fVirt & 0x7F, FCONTROL | FNOINVERT);
        EXPECT_EQ(entries[12 + i].key, characters[i]);
        EXPECT_EQ(entries[12 + i].cmd, 13 + i);
    }
    EXPECT_EQ(entries[17].fVirt & 0x7F, 0);
    EXPECT_EQ(entries[17].key, 0);
    EXPECT_EQ(entries[17].cmd, 0);
}

TEST(MsgLoop, EveryFunctionKeyAndControlCharacterReachesOnCommand)
{
    ReleaseAllKeys();
    TestWindow w;
    Win::Accelerators accel;
    Win::MsgLoop loop(w.hwnd, accel.Handle());
    std::vector<std::string> expected;
    for (int i = 0; i < 12; ++i) {
        PostMessageA(w.hwnd, WM_KEYDOWN, VK_F1 + i, 1);
        expected.push_back(Call("OnCommand", static_cast<long long>(i + 1), 1LL));
    }
    const WPARAM characters[] = {5, 19, 6, 4, 12}; // Ctrl+E, S, F, D, L
    for (int i = 0; i < 5; ++i) {
        PostMessageA(w.hwnd, WM_CHAR, characters[i], 1);
        expected.push_back(Call("OnCommand", static_cast<long long>(13 + i), 1LL));
    }
    PostQuitMessage(0);
    EXPECT_EQ(loop.Run(), 0);
    EXPECT_EQ(Commands(w.ctrl.calls), expected);
}

TEST(MsgLoop, WithoutATableKeysReachTheWindow)
{
    ReleaseAllKeys();
    TestWindow w;
    Win::MsgLoop loop(w.hwnd, nullptr);
    PostMessageA(w.hwnd, WM_KEYDOWN, VK_F11, 1);
    PostQuitMessage(0);
    loop.Run();
    EXPECT_TRUE(Commands(w.ctrl.calls).empty());
    EXPECT_EQ(w.ctrl.calls.back(), Call("OnKeyDown", 0x7ALL, 1LL));
}

namespace {
std::vector<int> filterCodes;
LRESULT CALLBACK FilterHook(int code, WPARAM wp, LPARAM lp)
{
    const MSG* msg = reinterpret_cast<const MSG*>(lp);
    if (msg && msg->message == WM_CHAR)
        filterCodes.push_back(code);
    return CallNextHookEx(nullptr, code, wp, lp);
}
} // namespace

TEST(MsgLoop, CharactersGoToTheMessageFilterOnlyWhenAsked)
{
    TestWindow w;
    HHOOK hook = SetWindowsHookExA(WH_MSGFILTER, FilterHook, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    unsigned char filtre = 0;
    Win::MsgLoop loop(w.hwnd, nullptr, &filtre);

    PostMessageA(w.hwnd, WM_CHAR, 'x', 1);
    PostQuitMessage(0);
    loop.Run();
    EXPECT_TRUE(filterCodes.empty());

    // The view switches the flag on screens whose identifier begins "Es".
    filtre = 1;
    PostMessageA(w.hwnd, WM_KEYDOWN, VK_LEFT, 1); // translates to no character
    PostMessageA(w.hwnd, WM_CHAR, 'x', 1);
    PostQuitMessage(0);
    loop.Run();
    EXPECT_EQ(filterCodes, std::vector<int>{1123});
    EXPECT_EQ(w.ctrl.calls.back(), Call("OnChar", 120LL, 1LL)) << "the character is still handled";

    Win::MsgLoop noFlag(w.hwnd, nullptr);
    PostMessageA(w.hwnd, WM_CHAR, 'y', 1);
    PostQuitMessage(0);
    noFlag.Run();
    EXPECT_EQ(filterCodes.size(), 1u);
    UnhookWindowsHookEx(hook);
}

TEST(MsgLoop, QuitCodeIsTheLoopResult)
{
    TestWindow w;
    Win::MsgLoop loop(w.hwnd, nullptr);
    PostQuitMessage(0);
    EXPECT_EQ(loop.Run(), 0);
    PostQuitMessage(-1);
    EXPECT_EQ(loop.Run(), -1);
}

TEST(MsgLoop, DialogsTakeTheirMessagesBeforeTheAccelerators)
{
    ReleaseAllKeys();
    TestWindow main;
    TestWindow dialog;
    Win::Accelerators accel;
    Win::MsgLoop loop(main.hwnd, accel.Handle());
    loop.AddDialog(dialog.hwnd);

    PostMessageA(dialog.hwnd, WM_KEYDOWN, VK_F2, 1);
    PostMessageA(main.hwnd, WM_KEYDOWN, VK_F3, 1);
    PostQuitMessage(0);
    loop.Run();
    EXPECT_EQ(Commands(main.ctrl.calls), std::vector<std::string>{Call("OnCommand", 3LL, 1LL)});
    EXPECT_EQ(dialog.ctrl.calls.back(), Call("OnKeyDown", 0x71LL, 1LL));

    // Once removed, the window's keys are translated for the main window.
    loop.RemoveDialog(dialog.hwnd);
    main.ctrl.calls.clear();
    PostMessageA(dialog.hwnd, WM_KEYDOWN, VK_F2, 1);
    PostQuitMessage(0);
    loop.Run();
    EXPECT_EQ(Commands(main.ctrl.calls), std::vector<std::string>{Call("OnCommand", 2LL, 1LL)});
}

TEST(MsgLoop, RemoveDialogTakesEveryEntryOfTheWindow)
{
    HWND a = reinterpret_cast<HWND>(0x10);
    HWND b = reinterpret_cast<HWND>(0x20);
    Win::MsgLoop loop(nullptr, nullptr);
    loop.AddDialog(a);
    loop.AddDialog(b);
    loop.AddDialog(a);
    loop.RemoveDialog(reinterpret_cast<HWND>(0x30));
    EXPECT_EQ(loop.Dialogs(), (std::list<HWND>{a, b, a}));
    loop.RemoveDialog(a);
    EXPECT_EQ(loop.Dialogs(), std::list<HWND>{b});
}

TEST(MsgLoopPump, EmptyQueueReturnsAtOnce)
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    Win::MsgLoop loop(nullptr, nullptr);
    EXPECT_EQ(loop.Pump(), 0);
    EXPECT_EQ(Win::MsgLoop::PumpWindow(nullptr), 0);
}

TEST(MsgLoopPump, DispatchesWhatIsWaitingWithTheAccelerators)
{
    ReleaseAllKeys();
    TestWindow w;
    Win::Accelerators accel;
    Win::MsgLoop loop(w.hwnd, accel.Handle());
    PostMessageA(w.hwnd, WM_USER + 3, 1, 2);
    PostMessageA(w.hwnd, WM_KEYDOWN, VK_F12, 1);
    EXPECT_EQ(loop.Pump(), 0);
    EXPECT_EQ(w.ctrl.calls,
              (std::vector<std::string>{Call("OnUserMessage", 0x403LL, 1LL, 2LL), Call("OnCommand", 12LL, 1LL)}));
}

// A pump that meets the quit message leaves it for the loop that must end on it.
TEST(MsgLoopPump, QuitMessageIsKeptForTheMainLoop)
{
    TestWindow w;
    Win::MsgLoop loop(w.hwnd, nullptr);
    PostQuitMessage(7);
    EXPECT_EQ(loop.Pump(), 0);
    EXPECT_EQ(Win::MsgLoop::PumpWindow(w.hwnd), 0);
    PostMessageA(w.hwnd, WM_USER + 4, 0, 0);
    EXPECT_EQ(loop.Run(), 7);
    EXPECT_EQ(w.ctrl.calls.back(), Call("OnUserMessage", 0x404LL, 0LL, 0LL));
}

TEST(MsgLoopPump, PumpWindowTakesOnlyThatWindowsMessages)
{
    TestWindow a;
    TestWindow b;
    PostMessageA(a.hwnd, WM_USER + 1, 0, 0);
    PostMessageA(b.hwnd, WM_USER + 2, 0, 0);
    PostMessageA(a.hwnd, WM_USER + 3, 0, 0);
    EXPECT_EQ(Win::MsgLoop::PumpWindow(a.hwnd), 0);
    EXPECT_EQ(a.ctrl.calls.size(), 2u);
    EXPECT_TRUE(b.ctrl.calls.empty());
    Win::MsgLoop::PumpWindow(b.hwnd);
    EXPECT_EQ(b.ctrl.calls, std::vector<std::string>{Call("OnUserMessage", 0x402LL, 0LL, 0LL)});
}

TEST(MsgLoopPump, DispErrorFromAPumpedMessageReachesTheCaller)
{
    MsgBoxRecorder rec;
    TestWindow w;
    w.ctrl.before = [](const std::string& name) {
        if (name == "OnTimer")
            throw DispError("Error #ref 099, bomba");
    };
    Win::MsgLoop loop(w.hwnd, nullptr);
    PostMessageA(w.hwnd, WM_TIMER, 1, 0);
    EXPECT_THROW(loop.Pump(), DispError);
    PostMessageA(w.hwnd, WM_TIMER, 1, 0);
    EXPECT_THROW(Win::MsgLoop::PumpWindow(w.hwnd), DispError);
    EXPECT_EQ(rec.Boxes().size(), 2u);
}

// ---- window class and makers ----

TEST(WinClass, DescriptionDefaultsAndRegistration)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    Win::WinClass cls("KorvuClasseProva", instance);
    const WNDCLASSEXA& d = cls.Description();
#ifndef _WIN64
    static_assert(sizeof(WNDCLASSEXA) == 48, "class description of the 32-bit system");
#endif
    EXPECT_EQ(d.cbSize, sizeof(WNDCLASSEXA));
    EXPECT_EQ(d.style, 0u);
    EXPECT_EQ(d.lpfnWndProc, &Win::WndProc);
    EXPECT_EQ(d.hInstance, instance);
    EXPECT_EQ(d.hIcon, nullptr);
    EXPECT_EQ(d.hIconSm, nullptr);
    EXPECT_EQ(d.hCursor, LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(d.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    EXPECT_STREQ(d.lpszClassName, "KorvuClasseProva");

    cls.SetBgColor(244, 244, 244);
    LOGBRUSH brush = {};
    ASSERT_NE(GetObjectA(cls.Description().hbrBackground, sizeof brush, &brush), 0);
    EXPECT_EQ(brush.lbColor, RGB(244, 244, 244));

    cls.Register();
    WNDCLASSEXA found = {};
    found.cbSize = sizeof found;
    ASSERT_TRUE(GetClassInfoExA(instance, "KorvuClasseProva", &found));
    EXPECT_EQ(found.lpfnWndProc, &Win::WndProc);
    try {
        cls.Register();
        ADD_FAILURE() << "a second registration must fail";
    } catch (const char* text) {
        EXPECT_STREQ(text, "RegisterClass failed");
    }
}

TEST(WinClass, ABrushReplacedOrNeverRegisteredIsFreedAndARegisteredOneKept)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HBRUSH segon = nullptr;
    {
        Win::WinClass cls("KorvuClasseFons", instance);
        cls.SetBgColor(1, 2, 3);
        HBRUSH primer = cls.Description().hbrBackground;
        cls.SetBgColor(4, 5, 6);
        segon = cls.Description().hbrBackground;
        EXPECT_EQ(GetObjectType(primer), 0u) << "the replaced brush is freed";
        EXPECT_EQ(GetObjectType(segon), static_cast<DWORD>(OBJ_BRUSH));
    }
    EXPECT_EQ(GetObjectType(segon), 0u) << "a description never registered frees its brush";

    HBRUSH registrat = nullptr;
    {
        Win::WinClass cls("KorvuClasseFons", instance);
        cls.SetBgColor(7, 8, 9);
        registrat = cls.Description().hbrBackground;
        cls.Register();
    }
    EXPECT_EQ(GetObjectType(registrat), static_cast<DWORD>(OBJ_BRUSH)) << "the class paints with it";
    UnregisterClassA("KorvuClasseFons", instance);
}

TEST(WinClass, IconsAtTheSystemSizes)
{
    Win::WinClass cls("KorvuClasseIcones", GetModuleHandleA(nullptr));
    cls.SetIcons(137);
    ASSERT_NE(cls.Description().hIcon, nullptr);
    ASSERT_NE(cls.Description().hIconSm, nullptr);
    const auto width = [](HICON icon) {
        ICONINFO info = {};
        GetIconInfo(icon, &info);
        BITMAP bm = {};
        GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        return bm.bmWidth;
    };
    EXPECT_EQ(width(cls.Description().hIcon), GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(width(cls.Description().hIconSm), GetSystemMetrics(SM_CXSMICON));

    try {
        cls.SetIcons(9999);
        ADD_FAILURE() << "a missing icon must throw";
    } catch (const char* text) {
        EXPECT_STREQ(text, "Icon load image failed");
    }
}

TEST(WinMaker, TopLevelWindowStylesAndMenuFromResources)
{
    RecordingController ctrl;
    Win::WinMaker maker(TestClassName(), GetModuleHandleA(nullptr));
    maker.SetMenuFromResource("MENUPROVA");
    HWND hwnd = maker.Create(&ctrl, "amb menú");
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(GetWindowLongA(hwnd, GWL_STYLE) & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
    EXPECT_TRUE(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
    HMENU menu = GetMenu(hwnd);
    ASSERT_NE(menu, nullptr);
    char text[32] = {};
    GetMenuStringA(GetSubMenu(menu, 0), 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&Surt");
    DestroyWindow(hwnd);

    try {
        maker.SetMenuFromResource("NOHIES");
        ADD_FAILURE() << "a missing menu must throw";
    } catch (const Win::Exception& e) {
        EXPECT_EQ(e.Message(), "Cannot load menu from resources");
        EXPECT_EQ(e.Context(), "");
        EXPECT_EQ(e.Code(), static_cast<unsigned long>(ERROR_RESOURCE_NAME_NOT_FOUND)) << "the system's last error";
    }
}

TEST(ChildWinMaker, ChildHasTheParentsInstanceStyleAndId)
{
    TestWindow parent;
    Win::ChildWinMaker maker("STATIC", parent.hwnd, 4321);
    HWND child = maker.Create("fill");
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(GetParent(child), parent.hwnd);
    EXPECT_EQ(GetDlgCtrlID(child), 4321);
    EXPECT_EQ(GetWindowLongPtrA(child, GWLP_HINSTANCE), GetWindowLongPtrA(parent.hwnd, GWLP_HINSTANCE));
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE)), 0x40010000u);
    EXPECT_FALSE(IsWindowVisible(child));
    EXPECT_TRUE(GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
}

// A child of a class routed by WndProc has no controller: its messages go to the default
// procedure and nothing is written through a null controller.
TEST(ChildWinMaker, ChildOfARoutedClassStaysUnbound)
{
    TestWindow parent;
    Win::ChildWinMaker maker(TestClassName(), parent.hwnd, 7);
    HWND child = maker.Create("sense controlador");
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(GetWindowLongPtrA(child, GWLP_USERDATA), 0);
    EXPECT_EQ(SendMessageA(child, WM_USER + 1, 0, 0), 0);
    SendMessageA(child, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("nou"));
    char text[16] = {};
    GetWindowTextA(child, text, sizeof text);
    EXPECT_STREQ(text, "nou");
    SendMessageA(child, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(child));
}

TEST(ChildWinMaker, FailureThrowsItsText)
{
    TestWindow parent;
    Win::ChildWinMaker maker("ClasseQueNoExisteix", parent.hwnd, 1);
    try {
        maker.Create("x");
        ADD_FAILURE();
    } catch (const char* text) {
        EXPECT_STREQ(text, "Internal error: Child Window Creation Failed.");
    }
}

TEST(DefProc, BackgroundClassBehavesAsTheDefault)
{
    WNDCLASSA cls = {};
    cls.lpfnWndProc = Win::DefProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    cls.lpszClassName = "fons";
    ASSERT_NE(RegisterClassA(&cls), 0);
    HWND w = CreateWindowA("fons", "fons", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr, cls.hInstance, nullptr);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(SendMessageA(w, WM_USER + 1, 1, 2), 0);
    SendMessageA(w, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(w));
}
