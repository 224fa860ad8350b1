#ifndef KORVU_FRAMEWORK_DISPERROR_H
#define KORVU_FRAMEWORK_DISPERROR_H

#include <string>

// The program's ordinary failure: one message text, shown to the user in the error box.
class DispError {
public:
    explicit DispError(std::string text) : text_(std::move(text)) {}

    // The message, or a fixed text so that the box is never blank.
    std::string Texto() const;

private:
    std::string text_;
};

#endif
