#include "framework/MultiController.h"

#include "framework/Ajustos.h"
#include "framework/MissatgesPrivats.h"

MultiController::~MultiController() = default;

bool MultiController::OnSetFocus(HWND lost)
{
    // The screen may run a whole exchange with the server here and destroy this field with its
    // controller: after the notification only locals and the configuration are read.
    const HWND own = Window();
    const LRESULT tramesa = SendMessageA(GetParent(own), Win::WM_CAMP_FOCUS, reinterpret_cast<WPARAM>(lost),
                                         reinterpret_cast<LPARAM>(own));
    // Without a window that lost the focus (it came from another program) there is nothing to
    // repaint; a null window would repaint every window on the screen.
    if (lost)
        InvalidateRect(lost, nullptr, TRUE);
    if (IsWindow(own)) {
        if (!Win::ajustos().ModeDesenvolupament())
            SendMessageA(own, EM_SETSEL, 0, -1);
        InvalidateRect(own, nullptr, TRUE);
    }
    return tramesa != 0;
}

bool MultiController::OnKeyDown(WPARAM key, LPARAM)
{
    if (key != VK_TAB && key != VK_ADD)
        return false;
    Navega();
    return true;
}

bool MultiController::OnChar(WPARAM, LPARAM keyData)
{
    return EsMesNumeric(keyData);
}

void MultiController::Release()
{
}

bool MultiController::EsMesNumeric(LPARAM keyData)
{
    return ((static_cast<unsigned long>(keyData) >> 16) & 0xFF) == 0x4E;
}

void MultiController::Navega()
{
    const HWND own = Window();
    const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    SendMessageA(GetParent(own), shift ? Win::WM_CAMP_ANTERIOR : Win::WM_CAMP_SEGUENT,
                 reinterpret_cast<WPARAM>(own), 0);
}
