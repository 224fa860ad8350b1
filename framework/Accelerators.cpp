#include "framework/Accelerators.h"

namespace Win {

Accelerators::Accelerators()
{
    ACCEL entries[kEntries] = {};
    for (int i = 0; i < 12; ++i)
        entries[i] = {FVIRTKEY | FNOINVERT, static_cast<WORD>(VK_F1 + i), static_cast<WORD>(i + 1)};
    // Control characters, not virtual keys: they match the WM_CHAR that Ctrl+letter gives.
    const WORD characters[] = {5, 19, 6, 4, 12};
    for (int i = 0; i < 5; ++i)
        entries[12 + i] = {FCONTROL | FNOINVERT, characters[i], static_cast<WORD>(13 + i)};
    entries[17] = {0, 0, 0};
    table_ = CreateAcceleratorTableA(entries, kEntries);
}

Accelerators::~Accelerators()
{
    if (table_)
        DestroyAcceleratorTable(table_);
}

} // namespace Win
