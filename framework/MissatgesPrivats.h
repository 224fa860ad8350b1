#ifndef KORVU_FRAMEWORK_MISSATGESPRIVATS_H
#define KORVU_FRAMEWORK_MISSATGESPRIVATS_H

#include <windows.h>

// What the field controllers tell the screen window, always with SendMessageA, so the screen
// has finished with it (an exchange with the server included) when the call returns.
namespace Win {

// wParam: window that lost the focus; lParam: the field. Answers nonzero when the screen ran an
// exchange with the server for it.
constexpr UINT WM_CAMP_FOCUS = WM_USER + 1;
constexpr UINT WM_CAMP_SEGUENT = WM_USER + 2;   // wParam: the field; go to the next field
constexpr UINT WM_CAMP_SORTIT = WM_USER + 3;    // wParam: the date or numeric field left; validate it
constexpr UINT WM_CAMP_ANTERIOR = WM_USER + 4;  // wParam: the field; go to the previous field
constexpr UINT WM_BOTO_ENTER = WM_USER + 5;     // wParam: the button; run its action
constexpr UINT WM_LLISTAT_AVALL = WM_USER + 6;  // wParam: the listing; run the code-42 field

} // namespace Win

#endif
