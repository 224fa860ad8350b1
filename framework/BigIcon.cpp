#include "framework/BigIcon.h"

namespace Win {

BigIcon::BigIcon(HINSTANCE instance, int id)
    : Icon(instance, id, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON))
{
}

} // namespace Win
