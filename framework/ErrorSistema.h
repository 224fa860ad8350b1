#ifndef KORVU_FRAMEWORK_ERRORSISTEMA_H
#define KORVU_FRAMEWORK_ERRORSISTEMA_H

#include <string>

namespace Win {

// The system's message for an error code; empty when it has none.
std::string TextErrorSistema(unsigned long codi);
// The system's message for an error code, or the code's number when it has none.
std::string TextError(unsigned long codi);
// "Error ref. <ref>, cod. <last error> <its message>".
std::string FormataErrorWindows(const std::string& ref);

} // namespace Win

#endif
