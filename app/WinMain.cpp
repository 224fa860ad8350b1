// Program entry. For now it opens the main window with its caption and runs until it is
// closed; start-up grows here as the screens arrive.
#include "app/Configuracio.h"
#include "framework/DispError.h"
#include "framework/ErrorBox.h"
#include "framework/Exception.h"
#include "resources/ResourceIds.h"

#include <string>

namespace {

LRESULT CALLBACK MainProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(w, msg, wp, lp);
}

} // namespace

static int Arrenca(HINSTANCE instance)
{
    configuracio.Carrega("korvuc.cfg");

    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = MainProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM));
    wc.hIconSm = wc.hIcon;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = CreateSolidBrush(RGB(244, 244, 244));
    wc.lpszClassName = "Korvuc";
    if (!RegisterClassExA(&wc))
        throw "RegisterClass failed";
    const std::string caption = "Quorvanta - ver. " + configuracio.versio;
    HWND main = CreateWindowExA(WS_EX_STATICEDGE, "Korvuc", caption.c_str(), WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, 0, 550, 320, nullptr, nullptr, instance, nullptr);
    if (!main)
        return -1;
    ShowWindow(main, SW_SHOWDEFAULT);
    UpdateWindow(main);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    try {
        return Arrenca(instance);
    } catch (const DispError& e) {
        Win::ErrorBox::Show(e.Texto());
    } catch (const Win::Exception& e) {
        MuestraDispError(e.Message());
    } catch (const Win::ExitException&) {
    } catch (int) {
    } catch (...) {
        Win::ErrorBox::Show("Excepción desconocida");
    }
    return -1;
}
