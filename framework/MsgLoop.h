#ifndef KORVU_FRAMEWORK_MSGLOOP_H
#define KORVU_FRAMEWORK_MSGLOOP_H

#include <windows.h>

#include <list>

namespace Win {

// The thread's message loop: dialog windows first, then the main window's accelerators, then
// the usual translation and dispatch. An exception a window procedure kept (PendingException)
// is thrown again after each message.
class MsgLoop {
public:
    // `filtre` points to the flag that has WM_CHAR offered to the message-filter hooks (code
    // 1123) before it is handled; null means never.
    MsgLoop(HWND mainWindow, HACCEL accelerators, const unsigned char* filtre = nullptr);

    // Runs until WM_QUIT and returns its wParam; throws Win::Exception when GetMessageA fails.
    int Run();

    // Handles what is waiting in the thread's queue, then returns 0. A WM_QUIT found there is
    // left in the queue for the loop that must end on it.
    int Pump();

    // The same for the messages of one window, without dialogs or accelerators.
    static int PumpWindow(HWND hwnd);

    void AddDialog(HWND dialog) { dialogs_.push_back(dialog); }
    void RemoveDialog(HWND dialog) { dialogs_.remove(dialog); }
    const std::list<HWND>& Dialogs() const { return dialogs_; }

private:
    // One pass for one message; the dialogs and accelerators may take it.
    void Handle(MSG& msg);

    std::list<HWND> dialogs_;
    HACCEL accelerators_;
    HWND mainWindow_;
    const unsigned char* filtre_;
};

} // namespace Win

#endif
