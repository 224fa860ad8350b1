#ifndef KORVU_FRAMEWORK_EXCEPTION_H
#define KORVU_FRAMEWORK_EXCEPTION_H

#include <string>

namespace Win {

// Failure of the window system or of memory.
class Exception {
public:
    // A code of 0 takes the thread's last error; the last error is cleared in every case.
    Exception(std::string message, std::string context, unsigned long code = 0);

    unsigned long Code() const { return code_; }
    const std::string& Message() const { return message_; }
    const std::string& Context() const { return context_; }

private:
    unsigned long code_;
    std::string message_;
    std::string context_;
};

// Ends the program without a message; only the program entry catches it.
class ExitException {};

} // namespace Win

#endif
