// The yardstick of start-up: a bare Win32 program that opens one window and runs its loop.
// Built a second time with the client's imports (KORVU_IMPORTS_CLIENT: one function of each
// library that korvuc.exe imports, referenced, never called, and the client's manifest), it
// shows what the system loader alone costs the client; with KORVU_IMPORTS_ANTICS, what it cost
// when the client imported every library it uses.
#include <windows.h>

#if defined(KORVU_IMPORTS_CLIENT) || defined(KORVU_IMPORTS_ANTICS)
#include <commctrl.h>
#endif
#ifdef KORVU_IMPORTS_ANTICS
#include <winsock2.h>
#include <commdlg.h>
#include <mmsystem.h>
#include <objbase.h>
#include <olectl.h>
#include <shellapi.h>
#include <winspool.h>
#endif

#if defined(KORVU_IMPORTS_CLIENT) || defined(KORVU_IMPORTS_ANTICS)
using Funcio = void (*)();
template <class F>
constexpr Funcio Ref(F f)
{
    return reinterpret_cast<Funcio>(f);
}
extern "C" __attribute__((used)) const Funcio importacions[] = {
    Ref(&InitCommonControlsEx), Ref(&GetStockObject),
#ifdef KORVU_IMPORTS_ANTICS
    Ref(&WSAStartup), Ref(&GetOpenFileNameA), Ref(&PlaySoundA), Ref(&CoInitializeEx),
    Ref(&OleLoadPicturePath), Ref(&ShellExecuteA), Ref(&OpenPrinterA),
#endif
};
#endif

LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp)
{
    if (m == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(w, m, wp, lp);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    WNDCLASSA c = {};
    c.lpfnWndProc = Proc;
    c.hInstance = instance;
    c.lpszClassName = "Buida";
    c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassA(&c);
    HWND w = CreateWindowExA(0, "Buida", "Finestra buida", WS_OVERLAPPEDWINDOW, 100, 100, 550, 320,
                             nullptr, nullptr, instance, nullptr);
    ShowWindow(w, SW_SHOWDEFAULT);
    UpdateWindow(w);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
