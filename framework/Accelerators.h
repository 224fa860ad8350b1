#ifndef KORVU_FRAMEWORK_ACCELERATORS_H
#define KORVU_FRAMEWORK_ACCELERATORS_H

#include <windows.h>

namespace Win {

// The program's keyboard commands: F1 to F12 give commands 1 to 12, and the characters
// Ctrl+E, Ctrl+S, Ctrl+F, Ctrl+D and Ctrl+L give 13 to 17.
class Accelerators {
public:
    static constexpr int kEntries = 18;

    // When the table cannot be made the handle stays null and the loop runs without it.
    Accelerators();
    ~Accelerators();
    Accelerators(const Accelerators&) = delete;
    Accelerators& operator=(const Accelerators&) = delete;

    HACCEL Handle() const { return table_; }
    int Count() const { return kEntries; }

private:
    HACCEL table_ = nullptr;
};

} // namespace Win

#endif
