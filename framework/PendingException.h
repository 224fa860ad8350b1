#ifndef KORVU_FRAMEWORK_PENDINGEXCEPTION_H
#define KORVU_FRAMEWORK_PENDINGEXCEPTION_H

#include <exception>

namespace Win {

// Carries an exception over the system's own frames. The system code between a window
// procedure and the caller of DispatchMessageA, SendMessageA or CreateWindowExA has no unwind
// tables, so an exception that must leave a window procedure is kept here and thrown again by
// the framework code that made the system call, once that call has returned.
class PendingException {
public:
    // Keeps the exception unless one is already waiting: the first failure is the one reported.
    static void Keep(std::exception_ptr e);

    static bool Waiting();

    // Throws the waiting exception, if any, and forgets it.
    static void Rethrow();

    static void Clear();

private:
    static std::exception_ptr pending_;
};

} // namespace Win

#endif
