#ifndef KORVU_FRAMEWORK_CONTROLS_COPIAVALOR_H
#define KORVU_FRAMEWORK_CONTROLS_COPIAVALOR_H

#include <string>

namespace Win {

// The longest value a field hands over, its terminator included.
constexpr int kMaxValor = 8196;

// Copies a field's value into a caller's buffer of `length` bytes, cut to fit both it and
// kMaxValor, always terminated (nothing is written when there is no room at all). Returns the
// characters copied.
int CopiaValor(const std::string& valor, char* buffer, int length);

} // namespace Win

#endif
