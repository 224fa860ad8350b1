#include "framework/SmallIcon.h"

namespace Win {

SmallIcon::SmallIcon(HINSTANCE instance, int id)
    : Icon(instance, id, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON))
{
}

} // namespace Win
