#ifndef KORVU_FRAMEWORK_WNDPROC_H
#define KORVU_FRAMEWORK_WNDPROC_H

#include <windows.h>

namespace Win {

class SubController;

// Window procedure of every top-level class the program registers: the controller given as
// the creation parameter receives the window's messages.
LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Subclass procedure of every form control.
LRESULT CALLBACK SubProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Puts a control window under its controller; called right after the window exists.
void SubclassCtrl(HWND control, SubController& controller);

// Window procedure of the background class "fons".
LRESULT CALLBACK DefProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace Win

#endif
