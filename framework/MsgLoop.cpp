#include "framework/MsgLoop.h"

#include "framework/EliminacioDiferida.h"
#include "framework/Exception.h"
#include "framework/PendingException.h"

namespace Win {

namespace {

// Takes the next waiting message of the window (of any window when null). A quit message goes
// back to the queue: the loop that must end on it is further out.
bool TakeWaiting(MSG& msg, HWND hwnd)
{
    if (!PeekMessageA(&msg, hwnd, 0, 0, PM_REMOVE))
        return false;
    if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
    }
    return true;
}

} // namespace

MsgLoop::MsgLoop(HWND mainWindow, HACCEL accelerators, const unsigned char* filtre)
    : accelerators_(accelerators), mainWindow_(mainWindow), filtre_(filtre)
{
}

void MsgLoop::Handle(MSG& msg)
{
    // Every window procedure this message reaches, ours or the system's, is on the stack until
    // DispatchMessageA returns: whatever a screen retires meanwhile waits for that.
    const EliminacioDiferida::Manejador manejador;
    if (!dialogs_.empty()) {
        // A dialog may leave the list while it handles the message.
        const std::list<HWND> dialogs = dialogs_;
        for (HWND dialog : dialogs)
            if (IsDialogMessageA(dialog, &msg))
                return;
    }
    if (accelerators_ && TranslateAcceleratorA(mainWindow_, accelerators_, &msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

int MsgLoop::Run()
{
    MSG msg;
    for (;;) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0)
            return static_cast<int>(msg.wParam);
        if (got == -1)
            throw Exception("Error in the Windows message loop", "");
        if (filtre_ && *filtre_ && msg.message == WM_CHAR)
            CallMsgFilterA(&msg, 1123);
        Handle(msg);
        PendingException::Rethrow();
    }
}

int MsgLoop::Pump()
{
    MSG msg;
    while (TakeWaiting(msg, nullptr)) {
        Handle(msg);
        PendingException::Rethrow();
    }
    return 0;
}

int MsgLoop::PumpWindow(HWND hwnd)
{
    MSG msg;
    while (TakeWaiting(msg, hwnd)) {
        {
            const EliminacioDiferida::Manejador manejador;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        PendingException::Rethrow();
    }
    return 0;
}

} // namespace Win
