#include "framework/ObjecteGdi.h"

namespace Win {

namespace detail {
int objectesGdiVius = 0;
}

int ObjectesGdiVius()
{
    return detail::objectesGdiVius;
}

} // namespace Win
