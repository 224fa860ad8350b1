#ifndef KORVU_TESTS_FRAMEWORK_ALTRACAIXA_H
#define KORVU_TESTS_FRAMEWORK_ALTRACAIXA_H

#include <windows.h>

// A box of another thread with the same caption, shown above every other window for as long as
// it lives, as other test programs on the display show one.
struct AltraCaixa {
    HANDLE llesta = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE acabada = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE fil = CreateThread(nullptr, 0, Run, this, 0, nullptr);

    AltraCaixa() { WaitForSingleObject(llesta, 10000); }
    ~AltraCaixa()
    {
        SetEvent(acabada);
        WaitForSingleObject(fil, 10000);
        CloseHandle(fil);
        CloseHandle(acabada);
        CloseHandle(llesta);
    }
    static DWORD WINAPI Run(void* p)
    {
        auto* self = static_cast<AltraCaixa*>(p);
        HWND caixa = CreateWindowExA(WS_EX_TOPMOST, "#32770", "Korvuc Error", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                     nullptr, nullptr, nullptr, nullptr);
        SetEvent(self->llesta);
        MSG msg;
        while (MsgWaitForMultipleObjects(1, &self->acabada, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
        }
        DestroyWindow(caixa);
        return 0;
    }
};

#endif
