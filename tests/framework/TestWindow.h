#ifndef KORVU_TESTS_TESTWINDOW_H
#define KORVU_TESTS_TESTWINDOW_H

#include "framework/WinClass.h"
#include "framework/WinMaker.h"
#include "tests/framework/RecordingController.h"

// A top-level window of a class routed by Win::WndProc, driven by a recording controller.
inline const char* TestClassName()
{
    static const bool registered = [] {
        Win::WinClass cls("KorvuProva", GetModuleHandleA(nullptr));
        cls.Register();
        return true;
    }();
    (void)registered;
    return "KorvuProva";
}

struct TestWindow {
    RecordingController ctrl;
    HWND hwnd = nullptr;

    explicit TestWindow(bool visible = false)
    {
        Win::WinMaker maker(TestClassName(), GetModuleHandleA(nullptr));
        maker.SetSize(400, 300);
        hwnd = maker.Create(&ctrl, "prova");
        if (visible) {
            ShowWindow(hwnd, SW_SHOW);
            UpdateWindow(hwnd);
        }
        ctrl.calls.clear();
    }
    ~TestWindow()
    {
        ctrl.before = nullptr;
        if (IsWindow(hwnd))
            DestroyWindow(hwnd);
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
};

#endif
