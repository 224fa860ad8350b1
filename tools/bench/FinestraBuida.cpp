// The yardstick of start-up: a bare Win32 program that opens one window and runs its loop.
#include <windows.h>

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
