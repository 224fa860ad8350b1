#ifndef KORVU_FRAMEWORK_CONTROLS_AMPLADATEXT_H
#define KORVU_FRAMEWORK_CONTROLS_AMPLADATEXT_H

#include <windows.h>

#include <string>

// Width in pixels of a text drawn in the font, measured on the window's device context (the
// screen's when the window is null). The whole text counts, however long.
int AmpladaText(const std::string& text, HFONT font, HWND window);

#endif
