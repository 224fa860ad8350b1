#ifndef KORVU_FRAMEWORK_SMALLICON_H
#define KORVU_FRAMEWORK_SMALLICON_H

#include "framework/Icon.h"

namespace Win {

// A window class's icon at the system's small icon size.
class SmallIcon : public Icon {
public:
    SmallIcon() = default;
    SmallIcon(HINSTANCE instance, int id);
};

} // namespace Win

#endif
