#ifndef KORVU_FRAMEWORK_CONTROLS_TEXTFINESTRA_H
#define KORVU_FRAMEWORK_CONTROLS_TEXTFINESTRA_H

#include <windows.h>

#include <string>

// The whole text of a window, however long: a field must never judge a cut copy of what it shows.
std::string TextFinestra(HWND window);

#endif
