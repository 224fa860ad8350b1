#include "framework/DispError.h"

std::string DispError::Texto() const
{
    return text_.empty() ? std::string("DispError error.") : text_;
}
