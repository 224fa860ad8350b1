#ifndef KORVU_FRAMEWORK_BIGICON_H
#define KORVU_FRAMEWORK_BIGICON_H

#include "framework/Icon.h"

namespace Win {

// A window class's icon at the system's large icon size.
class BigIcon : public Icon {
public:
    BigIcon() = default;
    BigIcon(HINSTANCE instance, int id);
};

} // namespace Win

#endif
