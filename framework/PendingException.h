#ifndef KORVU_FRAMEWORK_PENDINGEXCEPTION_H
#define KORVU_FRAMEWORK_PENDINGEXCEPTION_H

#include <exception>

namespace Win {

// Carries an exception over the system's own frames. The system code between a window
// procedure and the caller of DispatchMessageA, SendMessageA or CreateWindowExA has no unwind
// tables, so no exception may leave a window procedure: the procedure keeps it here from its
// catch handler and answers the message as failed, and the framework code that made the system
// call throws it again once that call has returned (the message loop after each message, the
// window maker after the creation, an exchange before it starts).
class PendingException {
public:
    // From a catch handler: keeps the exception being handled unless one is already waiting,
    // so that the first failure is the one reported.
    static void KeepCurrent();

    static bool Waiting();

    // Throws the waiting exception, if any, and forgets it.
    static void Rethrow();

private:
    static std::exception_ptr pending_;
};

} // namespace Win

#endif
