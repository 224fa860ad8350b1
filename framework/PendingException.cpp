#include "framework/PendingException.h"

namespace Win {

std::exception_ptr PendingException::pending_;

void PendingException::KeepCurrent()
{
    if (!pending_)
        pending_ = std::current_exception();
}

bool PendingException::Waiting()
{
    return static_cast<bool>(pending_);
}

void PendingException::Rethrow()
{
    if (pending_) {
        std::exception_ptr e = std::move(pending_);
        pending_ = nullptr;
        std::rethrow_exception(e);
    }
}

} // namespace Win
