#ifndef KORVU_TESTS_FRAMEWORK_ACCEPTADIALEG_H
#define KORVU_TESTS_FRAMEWORK_ACCEPTADIALEG_H

#include "tests/framework/FinestraDe.h"

#include <windows.h>

#include <string>

// The text of the last dialog that AcceptaDialeg pressed: its first text that is not empty.
inline std::string textDialeg;

// Presses the default button of the first dialog that this process shows; it looks until the
// dialog is answered or the caller, whose call returned, sets `acabat`: a dialog that shows up
// late is still closed, so the test fails on what it sees instead of waiting for ever.
inline DWORD WINAPI AcceptaDialeg(LPVOID acabat)
{
    while (WaitForSingleObject(static_cast<HANDLE>(acabat), 50) == WAIT_TIMEOUT) {
        HWND h = FinestraDe(GetCurrentProcessId(), 0, "#32770", nullptr);
        if (h && IsWindowVisible(h)) {
            char text[256] = {};
            for (HWND s = FindWindowExA(h, nullptr, "Static", nullptr); s && !text[0];
                 s = FindWindowExA(h, s, "Static", nullptr))
                GetWindowTextA(s, text, sizeof text);
            textDialeg = text;
            PostMessageA(h, WM_COMMAND, IDOK, 0);
            return 1;
        }
    }
    return 0;
}

// Answers, on a thread of its own, the first dialog that this process shows while it lives.
class RespostaDialeg {
public:
    RespostaDialeg()
    {
        textDialeg.clear();
        acabat_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        fil_ = CreateThread(nullptr, 0, AcceptaDialeg, acabat_, 0, nullptr);
    }
    ~RespostaDialeg()
    {
        Acaba();
        CloseHandle(acabat_);
    }
    RespostaDialeg(const RespostaDialeg&) = delete;
    RespostaDialeg& operator=(const RespostaDialeg&) = delete;

    // Ends the helper once the call under test has returned: whether it answered a dialog.
    bool Acaba()
    {
        if (!fil_)
            return premut_;
        SetEvent(acabat_);
        WaitForSingleObject(fil_, INFINITE);
        DWORD codi = 0;
        GetExitCodeThread(fil_, &codi);
        CloseHandle(fil_);
        fil_ = nullptr;
        premut_ = codi == 1;
        return premut_;
    }

private:
    HANDLE acabat_ = nullptr;
    HANDLE fil_ = nullptr;
    bool premut_ = false;
};

#endif
