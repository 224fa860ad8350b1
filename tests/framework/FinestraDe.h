#ifndef KORVU_TESTS_FRAMEWORK_FINESTRADE_H
#define KORVU_TESTS_FRAMEWORK_FINESTRADE_H

#include <windows.h>

// The first top-level window of this class and caption (null: any) that belongs to this process
// and, when `fil` is not 0, to this thread. Every test shares the display with other test
// programs, some of which show windows of the same caption on purpose: a search over the whole
// display may take theirs.
inline HWND FinestraDe(DWORD proces, DWORD fil, const char* classe, const char* titol)
{
    for (HWND w = FindWindowExA(nullptr, nullptr, classe, titol); w; w = FindWindowExA(nullptr, w, classe, titol)) {
        DWORD p = 0;
        const DWORD t = GetWindowThreadProcessId(w, &p);
        if (p == proces && (fil == 0 || t == fil))
            return w;
    }
    return nullptr;
}

#endif
