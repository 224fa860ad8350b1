#ifndef KORVU_FRAMEWORK_IMATGEFITXER_H
#define KORVU_FRAMEWORK_IMATGEFITXER_H

#include <windows.h>

namespace Win {

// A private copy of the bitmap of a picture file read through OLE (the picture's own bitmap
// goes with the picture), or null when it cannot be read or holds no bitmap.
HBITMAP CopiaImatgeFitxer(const wchar_t* cami);

} // namespace Win

#endif
