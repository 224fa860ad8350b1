#include "framework/Exception.h"

#include <windows.h>

namespace Win {

Exception::Exception(std::string message, std::string context, unsigned long code)
    : code_(code == 0 ? GetLastError() : code), message_(std::move(message)), context_(std::move(context))
{
    SetLastError(0);
}

} // namespace Win
