#ifndef KORVU_FRAMEWORK_CHILDWINMAKER_H
#define KORVU_FRAMEWORK_CHILDWINMAKER_H

#include "framework/WinMaker.h"

namespace Win {

// Makes a hidden child window of the parent's instance, identified by its child id; no
// controller is bound to it.
class ChildWinMaker : public WinMaker {
public:
    ChildWinMaker(const char* className, HWND parent, int childId);

    // Throws the text "Internal error: Child Window Creation Failed.".
    HWND Create(const char* title);
};

} // namespace Win

#endif
