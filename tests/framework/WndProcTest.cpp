#include "framework/DispError.h"
#include "framework/Exception.h"
#include "framework/MsgLoop.h"
#include "framework/PendingException.h"
#include "framework/WndProc.h"
#include "tests/framework/FinestraDe.h"
#include "tests/framework/MsgBoxRecorder.h"
#include "tests/framework/TestWindow.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

const void* P(const void* p) { return p; }
const void* P(uintptr_t v) { return reinterpret_cast<const void*>(v); }

struct Routed {
    UINT msg;
    WPARAM wp;
    LPARAM lp;
    std::string call;    // the handler call the window procedure must make
    LRESULT result;      // what SendMessageA returns when the handler says it handled the message
};

} // namespace

TEST(WndProc, RoutesEachMessageToItsHandlerWithDecodedArguments)
{
    TestWindow w;
    HWND other = CreateWindowA("STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    HMENU menu = CreatePopupMenu();
    HDC dc = GetDC(w.hwnd);
    HBRUSH brush = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    DRAWITEMSTRUCT draw = {};
    NMHDR notify = {};
    w.ctrl.brush = brush;
    const LRESULT brushResult = reinterpret_cast<LRESULT>(brush);
    const auto h = [](const void* p) { return reinterpret_cast<LPARAM>(p); };

    const Routed table[] = {
        {WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(300, 200), Call("OnSize", 300LL, 200LL, 2LL), 0},
        {WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, 1), h(other), Call("OnActivate", 2LL, 1LL, P(other)), 0},
        {WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0), 0, Call("OnActivate", 1LL, 0LL, P(uintptr_t{0})), 0},
        {WM_SETFOCUS, reinterpret_cast<WPARAM>(other), 0, Call("OnSetFocus", P(other)), 0},
        {WM_KILLFOCUS, reinterpret_cast<WPARAM>(other), 0, Call("OnKillFocus", P(w.hwnd)), 0},
        {WM_PAINT, 0, 0, Call("OnPaint"), 0},
        {WM_CLOSE, 0, 0, Call("OnClose"), 0},
        {WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0, Call("OnEraseBkgnd", P(dc)), 1},
        {WM_DRAWITEM, 7, h(&draw), Call("OnDrawItem", 7LL, P(&draw)), 0},
        {WM_NOTIFY, 9, h(&notify), Call("OnNotify", 9LL, P(&notify)), 0},
        {WM_KEYDOWN, VK_F5, 0x003F0001, Call("OnKeyDown", 0x74LL, 0x003F0001LL), 0},
        {WM_CHAR, 'a', 0x001E0001, Call("OnChar", 97LL, 0x001E0001LL), 0},
        {WM_COMMAND, MAKEWPARAM(40, 0), 0, Call("OnCommand", 40LL, 0LL), 0},
        {WM_COMMAND, MAKEWPARAM(41, 1), 0, Call("OnCommand", 41LL, 1LL), 0},
        {WM_COMMAND, MAKEWPARAM(42, BN_CLICKED), h(other), Call("OnControl", P(other), 42LL, 0LL), 0},
        {WM_COMMAND, MAKEWPARAM(43, EN_UPDATE), h(other), Call("OnControl", P(other), 43LL, 1024LL), 0},
        {WM_TIMER, 3, 0, Call("OnTimer", 3LL, 0LL), 0},
        {WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(2, 0), Call("OnInitMenuPopup", P(menu), 2LL), 0},
        {WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(0, 1), Call("OnInitSysMenuPopup", P(menu), 0LL), 0},
        {WM_MENUSELECT, MAKEWPARAM(5, MF_POPUP), h(menu), Call("OnMenuSelect", 5LL, 0x10LL, P(menu)), 0},
        {WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), h(other), Call("OnCtlColorEdit", P(other), P(dc)), brushResult},
        {WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), h(other), Call("OnCtlColorBtn", P(other), P(dc)), brushResult},
        {WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), h(other), Call("OnCtlColorStatic", P(other), P(dc)), brushResult},
        {WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-5, 12), Call("OnMouseMove", -5LL, 12LL, 1LL), 0},
        {WM_LBUTTONDOWN, 0, MAKELPARAM(7, -3), Call("OnLButtonDown", 7LL, -3LL, 0LL), 0},
        {WM_LBUTTONUP, MK_SHIFT, MAKELPARAM(1, 2), Call("OnLButtonUp", 1LL, 2LL, 4LL), 0},
        {WM_CAPTURECHANGED, 0, h(other), Call("OnCaptureChanged", P(other)), 0},
        {WM_SETCURSOR, reinterpret_cast<WPARAM>(other), MAKELPARAM(HTERROR, WM_LBUTTONDOWN),
         Call("OnSetCursor", P(other), -2LL, 0x201LL), TRUE},
        {WM_USER, 1, 2, Call("OnUserMessage", 0x400LL, 1LL, 2LL), 0},
        {WM_USER + 6, 5, 6, Call("OnUserMessage", 0x406LL, 5LL, 6LL), 0},
    };
    for (const Routed& r : table) {
        SCOPED_TRACE(r.call);
        w.ctrl.calls.clear();
        EXPECT_EQ(SendMessageA(w.hwnd, r.msg, r.wp, r.lp), r.result);
        ASSERT_EQ(w.ctrl.calls.size(), 1u);
        EXPECT_EQ(w.ctrl.calls[0], r.call);
    }
    EXPECT_TRUE(IsWindow(w.hwnd)) << "a handled close keeps the window";

    ReleaseDC(w.hwnd, dc);
    DestroyMenu(menu);
    DestroyWindow(other);
}

TEST(WndProc, UnhandledMessagesGoToTheDefaultProcedure)
{
    TestWindow w;
    w.ctrl.handled = false;
    HDC dc = GetDC(w.hwnd);
    HWND edit = CreateWindowA("EDIT", "", WS_CHILD, 0, 0, 10, 10, w.hwnd, nullptr, nullptr, nullptr);

    // A colour handler without a brush leaves the colours to the system.
    const LRESULT system = DefWindowProcA(w.hwnd, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                          reinterpret_cast<LPARAM>(edit));
    EXPECT_EQ(SendMessageA(w.hwnd, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit)),
              system);
    EXPECT_NE(system, 0);

    // WM_SETTEXT is routed to no handler; the default procedure keeps the text.
    SendMessageA(w.hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("nou títol"));
    char title[32] = {};
    GetWindowTextA(w.hwnd, title, sizeof title);
    EXPECT_STREQ(title, "nou títol");

    // WM_DESTROY answers 0 whatever the handler says.
    w.ctrl.calls.clear();
    EXPECT_EQ(SendMessageA(w.hwnd, WM_DESTROY, 0, 0), 0);
    EXPECT_EQ(w.ctrl.calls, std::vector<std::string>{"OnDestroy"});

    // An unhandled close destroys the window.
    ReleaseDC(w.hwnd, dc);
    SendMessageA(w.hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(w.hwnd));
}

TEST(WndProc, UserMessageResultIsWhatTheHandlerStored)
{
    TestWindow w;
    EXPECT_EQ(SendMessageA(w.hwnd, WM_USER + 9, 0, 0), 0) << "handled, nothing stored";
    w.ctrl.storeResult = true;
    w.ctrl.userResult = 77;
    EXPECT_EQ(SendMessageA(w.hwnd, WM_USER + 9, 0, 0), 77);
    w.ctrl.handled = false;
    w.ctrl.storeResult = false;
    EXPECT_EQ(SendMessageA(w.hwnd, WM_USER + 9, 0, 0), DefWindowProcA(w.hwnd, WM_USER + 9, 0, 0));
}

TEST(WndProc, ControllerIsBoundAtCreationAndSeesWmCreate)
{
    RecordingController ctrl;
    Win::WinMaker maker(TestClassName(), GetModuleHandleA(nullptr));
    HWND hwnd = maker.Create(&ctrl, "prova");
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(ctrl.Window(), hwnd);
    EXPECT_EQ(GetWindowLongPtrA(hwnd, GWLP_USERDATA), reinterpret_cast<LONG_PTR>(&ctrl));
    ASSERT_FALSE(ctrl.calls.empty());
    EXPECT_EQ(ctrl.calls[0], Call("OnCreate", P(&ctrl)));
    DestroyWindow(hwnd);
}

TEST(WndProc, CommandFromARealButtonReachesOnControl)
{
    TestWindow w;
    HWND button = CreateWindowA("BUTTON", "b", WS_CHILD | BS_PUSHBUTTON, 0, 0, 20, 20, w.hwnd,
                                reinterpret_cast<HMENU>(55), nullptr, nullptr);
    SendMessageA(button, BM_CLICK, 0, 0);
    EXPECT_EQ(w.ctrl.calls.back(), Call("OnControl", P(button), 55LL, 0LL));
}

// A DispError thrown in a handler reached through DispatchMessageA is shown once by the window
// procedure and arrives at the caller of the loop; the loop can then be run again.
TEST(WndProc, DispErrorLeavesTheLoopAndTheProgramGoesOn)
{
    MsgBoxRecorder rec;
    TestWindow w;
    w.ctrl.before = [](const std::string& name) {
        if (name == "OnTimer")
            throw DispError("Error #ref 099, prova");
    };
    Win::MsgLoop loop(w.hwnd, nullptr);
    PostMessageA(w.hwnd, WM_TIMER, 1, 0);
    PostMessageA(w.hwnd, WM_USER + 1, 0, 0);
    try {
        loop.Run();
        ADD_FAILURE() << "the loop ended without the error";
    } catch (const DispError& e) {
        EXPECT_EQ(e.Texto(), "Error #ref 099, prova");
    }
    ASSERT_EQ(rec.Boxes().size(), 1u);
    EXPECT_EQ(rec.Boxes()[0].text, "Error #ref 099, prova");
    EXPECT_EQ(rec.Boxes()[0].caption, "Korvuc Error");
    EXPECT_FALSE(Win::PendingException::Waiting());

    w.ctrl.before = nullptr;
    w.ctrl.calls.clear();
    PostQuitMessage(5);
    EXPECT_EQ(loop.Run(), 5);
    EXPECT_EQ(w.ctrl.calls, std::vector<std::string>{Call("OnUserMessage", 0x401LL, 0LL, 0LL)})
        << "the message after the failed one is still delivered";
}

TEST(WndProc, OtherExceptionsAreShownAndTheLoopGoesOn)
{
    MsgBoxRecorder rec;
    TestWindow w;
    w.ctrl.before = [](const std::string& name) {
        if (name == "OnTimer")
            throw std::runtime_error("x");
        if (name == "OnUserMessage")
            throw Win::Exception("Out of memory", "", 8);
    };
    PostMessageA(w.hwnd, WM_TIMER, 1, 0);
    PostMessageA(w.hwnd, WM_USER + 2, 0, 0);
    PostQuitMessage(0);
    Win::MsgLoop loop(w.hwnd, nullptr);
    EXPECT_EQ(loop.Run(), 0);
    ASSERT_EQ(rec.Boxes().size(), 2u);
    EXPECT_EQ(rec.Boxes()[0].text, "Internal Error:\nFailure to initialize.");
    EXPECT_EQ(rec.Boxes()[1].text, "Internal Error:\nFailure to initialize.");
}

TEST(WndProc, EmptyDispErrorShowsItsFixedText)
{
    MsgBoxRecorder rec;
    TestWindow w;
    w.ctrl.before = [](const std::string& name) {
        if (name == "OnTimer")
            throw DispError("");
    };
    PostMessageA(w.hwnd, WM_TIMER, 1, 0);
    Win::MsgLoop loop(w.hwnd, nullptr);
    EXPECT_THROW(loop.Run(), DispError);
    ASSERT_EQ(rec.Boxes().size(), 1u);
    EXPECT_EQ(rec.Boxes()[0].text, "DispError error.");
}

TEST(WndProc, DispErrorInCreateHandlerLeavesCreateAndNoWindowStays)
{
    MsgBoxRecorder rec;
    RecordingController ctrl;
    ctrl.before = [](const std::string& name) {
        if (name == "OnCreate")
            throw DispError("Error #ref 001, cargando pantalla inicial");
    };
    Win::WinMaker maker(TestClassName(), GetModuleHandleA(nullptr));
    EXPECT_THROW(maker.Create(&ctrl, "creació fallida"), DispError);
    EXPECT_EQ(FinestraDe(GetCurrentProcessId(), 0, TestClassName(), "creació fallida"), nullptr);
    ASSERT_EQ(rec.Boxes().size(), 1u);
    EXPECT_EQ(rec.Boxes()[0].text, "Error #ref 001, cargando pantalla inicial");
}

// The create handler tells another window something (as a field taking the focus tells the
// screen), and that window's handler fails: the creation fails with that error, and no window
// is left bound to the controller the caller then lets go.
TEST(WndProc, FailureOfAnotherHandlerDuringCreateLeavesNoWindow)
{
    MsgBoxRecorder rec;
    TestWindow screen;
    screen.ctrl.before = [](const std::string& name) {
        if (name == "OnUserMessage")
            throw DispError("Error #ref 001, cargando pantalla inicial");
    };
    RecordingController ctrl;
    ctrl.before = [&screen](const std::string& name) {
        if (name == "OnCreate")
            SendMessageA(screen.hwnd, WM_USER + 1, 0, 0);
    };
    Win::WinMaker maker(TestClassName(), GetModuleHandleA(nullptr));
    EXPECT_THROW(maker.Create(&ctrl, "creació interrompuda"), DispError);
    const HWND made = ctrl.Window();
    ASSERT_NE(made, nullptr);
    EXPECT_FALSE(IsWindow(made));
    EXPECT_EQ(ctrl.calls.back(), "OnDestroy");
    ASSERT_EQ(rec.Boxes().size(), 1u);
    EXPECT_FALSE(Win::PendingException::Waiting());
    if (IsWindow(made)) {
        ctrl.before = nullptr;
        DestroyWindow(made);
    }
}

TEST(WndProc, ExitExceptionPassesWithoutABox)
{
    MsgBoxRecorder rec;
    TestWindow w;
    w.ctrl.before = [](const std::string& name) {
        if (name == "OnClose")
            throw Win::ExitException();
    };
    PostMessageA(w.hwnd, WM_CLOSE, 0, 0);
    Win::MsgLoop loop(w.hwnd, nullptr);
    EXPECT_THROW(loop.Run(), Win::ExitException);
    EXPECT_TRUE(rec.Boxes().empty());
    EXPECT_TRUE(IsWindow(w.hwnd));
}

TEST(WndProc, CreateFailureWithoutAnExceptionThrowsItsText)
{
    RecordingController ctrl;
    Win::WinMaker maker("ClasseQueNoExisteix", GetModuleHandleA(nullptr));
    try {
        maker.Create(&ctrl, "x");
        ADD_FAILURE();
    } catch (const char* text) {
        EXPECT_STREQ(text, "Internal error: Window Creation Failed.");
    }
}

// ---- subclassed controls ----

namespace {

struct SubclassedEdit {
    TestWindow parent;
    RecordingSubController ctrl;
    HWND edit;
    WNDPROC editProc;

    SubclassedEdit()
    {
        edit = CreateWindowA("EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 100, 20, parent.hwnd, nullptr,
                             nullptr, nullptr);
        editProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(edit, GWLP_WNDPROC));
        SetWindowLongPtrA(edit, GWLP_USERDATA, 1234);
        Win::SubclassCtrl(edit, ctrl);
        ctrl.handled = false;
    }
    ~SubclassedEdit()
    {
        ctrl.before = nullptr;
        DestroyWindow(edit);
    }
    std::string Text() const
    {
        char text[64] = {};
        GetWindowTextA(edit, text, sizeof text);
        return text;
    }
};

} // namespace

TEST(SubProc, SubclassingKeepsWhatTheControlHad)
{
    SubclassedEdit s;
    EXPECT_EQ(s.ctrl.Window(), s.edit);
    EXPECT_EQ(s.ctrl.PrevProc(), s.editProc);
    EXPECT_EQ(s.ctrl.PrevUserData(), 1234);
    EXPECT_EQ(GetWindowLongPtrA(s.edit, GWLP_USERDATA), reinterpret_cast<LONG_PTR>(&s.ctrl));
    EXPECT_EQ(GetWindowLongPtrA(s.edit, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&Win::SubProc));
}

TEST(SubProc, HandledMessagesStopUnhandledOnesReachTheControl)
{
    SubclassedEdit s;
    SendMessageA(s.edit, WM_CHAR, 'A', 0x001E0001);
    EXPECT_EQ(s.Text(), "A");
    s.ctrl.handled = true;
    EXPECT_EQ(SendMessageA(s.edit, WM_CHAR, 'B', 0x00300001), 0);
    EXPECT_EQ(SendMessageA(s.edit, WM_ERASEBKGND, 0, 0), 1);
    EXPECT_EQ(s.Text(), "A");
    // Messages that the subclass procedure does not route go straight on.
    s.ctrl.calls.clear();
    SendMessageA(s.edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("xyz"));
    EXPECT_EQ(s.Text(), "xyz");
    EXPECT_TRUE(s.ctrl.calls.empty());
}

TEST(SubProc, ExceptionInAHandlerIsShownAndTheControlStillGetsTheMessage)
{
    MsgBoxRecorder rec;
    SubclassedEdit s;
    s.ctrl.before = [](const std::string& name) {
        if (name == "OnChar")
            throw std::runtime_error("x");
    };
    SendMessageA(s.edit, WM_CHAR, 0x41, 0x001E0001);
    EXPECT_EQ(s.Text(), "A");
    ASSERT_EQ(rec.Boxes().size(), 1u);
    EXPECT_EQ(rec.Boxes()[0].text, "Error interno:\nPunto:2, 41");
    EXPECT_EQ(rec.Boxes()[0].caption, "Korvuc Error");

    // A DispError shows its own text, and is not thrown on.
    s.ctrl.before = [](const std::string& name) {
        if (name == "OnChar")
            throw DispError("Error #ref 070, camp");
    };
    SendMessageA(s.edit, WM_CHAR, 'B', 0x00300001);
    EXPECT_EQ(s.Text(), "AB");
    ASSERT_EQ(rec.Boxes().size(), 2u);
    EXPECT_EQ(rec.Boxes()[1].text, "Error #ref 070, camp");
    EXPECT_FALSE(Win::PendingException::Waiting());
}

TEST(SubProc, PointNumberNamesTheMessageThatFailed)
{
    MsgBoxRecorder rec;
    SubclassedEdit s;
    s.ctrl.before = [](const std::string&) { throw 1; };
    const struct {
        UINT msg;
        WPARAM wp;
        const char* text;
    } table[] = {
        {WM_SETFOCUS, 0, "Error interno:\nPunto:1, 0"},
        {WM_CHAR, 0x7A, "Error interno:\nPunto:2, 7a"},
        {WM_KEYDOWN, VK_F9, "Error interno:\nPunto:3, 78"},
        {WM_KILLFOCUS, 0, "Error interno:\nPunto:4, 0"},
        {WM_LBUTTONUP, 0, "Error interno:\nPunto:5, 0"},
        {WM_TIMER, 0x2A, "Error interno:\nPunto:0, 2a"},
        {WM_MOUSEMOVE, 0, "Error interno:\nPunto:0, 0"},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.text);
        const size_t before = rec.Boxes().size();
        SendMessageA(s.edit, row.msg, row.wp, 0);
        ASSERT_EQ(rec.Boxes().size(), before + 1);
        EXPECT_EQ(rec.Boxes().back().text, row.text);
    }
}

TEST(SubProc, HandlerMayDestroyItsOwnControl)
{
    SubclassedEdit s;
    s.ctrl.before = [&s](const std::string& name) {
        if (name == "OnKeyDown")
            DestroyWindow(s.edit);
    };
    // Not handled: the control's own procedure must not be called for a window that is gone.
    EXPECT_EQ(SendMessageA(s.edit, WM_KEYDOWN, 'A', 0), 0);
    EXPECT_FALSE(IsWindow(s.edit));
}

TEST(SubProc, ExitExceptionIsKeptForTheLoopWithoutABox)
{
    MsgBoxRecorder rec;
    SubclassedEdit s;
    s.ctrl.before = [](const std::string& name) {
        if (name == "OnChar")
            throw Win::ExitException();
    };
    SendMessageA(s.edit, WM_CHAR, 'A', 0x001E0001);
    EXPECT_TRUE(rec.Boxes().empty());
    ASSERT_TRUE(Win::PendingException::Waiting());
    EXPECT_THROW(Win::PendingException::Rethrow(), Win::ExitException);
    EXPECT_FALSE(Win::PendingException::Waiting());
}

// Showing the error can itself fail (memory may be what ran out): that failure must stay inside
// the procedures too, which then go on as they would have after the box.
TEST(SubProc, FailureWhileShowingAnErrorStaysInsideTheProcedures)
{
    struct FailingBox {
        Win::MsgBox::Hook previous = Win::MsgBox::SetHook(
            [](HWND, const char*, const char*, UINT) -> int { throw Win::Exception("Out of memory", "", 8); });
        ~FailingBox() { Win::MsgBox::SetHook(previous); }
    } failing;

    SubclassedEdit s;
    s.ctrl.before = [](const std::string& name) {
        if (name == "OnChar")
            throw std::runtime_error("x");
    };
    SendMessageA(s.edit, WM_CHAR, 'A', 0x001E0001);
    s.ctrl.before = [](const std::string& name) {
        if (name == "OnChar")
            throw DispError("Error #ref 070, camp");
    };
    SendMessageA(s.edit, WM_CHAR, 'B', 0x00300001);
    EXPECT_EQ(s.Text(), "AB");

    TestWindow w;
    w.ctrl.before = [](const std::string& name) {
        if (name == "OnTimer")
            throw DispError("Error #ref 099, prova");
        if (name == "OnClose")
            throw std::runtime_error("x");
    };
    Win::MsgLoop loop(w.hwnd, nullptr);
    PostMessageA(w.hwnd, WM_TIMER, 1, 0);
    EXPECT_THROW(loop.Run(), DispError);
    PostMessageA(w.hwnd, WM_CLOSE, 0, 0);
    PostQuitMessage(0);
    EXPECT_EQ(loop.Run(), 0);
    EXPECT_FALSE(IsWindow(w.hwnd)) << "after the failed close the default procedure destroyed the window";
}
