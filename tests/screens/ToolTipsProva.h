#ifndef KORVU_TESTS_SCREENS_TOOLTIPSPROVA_H
#define KORVU_TESTS_SCREENS_TOOLTIPSPROVA_H

#include <windows.h>
#include <commctrl.h>

#include <string>

inline int Herramientas(HWND tooltips)
{
    return static_cast<int>(SendMessageA(tooltips, TTM_GETTOOLCOUNT, 0, 0));
}

// The text the tooltip window holds for `tool`, a child of `owner`.
inline std::string TextoHerramienta(HWND tooltips, HWND owner, HWND tool)
{
    char buffer[200] = {};
    TOOLINFOA ti = {};
    ti.cbSize = sizeof ti;
    ti.hwnd = owner;
    ti.uId = reinterpret_cast<UINT_PTR>(tool);
    ti.lpszText = buffer;
    SendMessageA(tooltips, TTM_GETTEXTA, sizeof buffer, reinterpret_cast<LPARAM>(&ti));
    return buffer;
}

#endif
