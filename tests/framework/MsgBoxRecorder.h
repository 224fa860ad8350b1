#ifndef KORVU_TESTS_MSGBOXRECORDER_H
#define KORVU_TESTS_MSGBOXRECORDER_H

#include "framework/MsgBox.h"

#include <string>
#include <vector>

// Records the message boxes shown while it lives, in place of showing them.
class MsgBoxRecorder {
public:
    struct Box {
        HWND owner;
        std::string text;
        std::string caption;
        UINT type;
    };

    explicit MsgBoxRecorder(int answer = IDOK) : previous_(Win::MsgBox::SetHook(&Record))
    {
        current_ = this;
        answer_ = answer;
    }
    ~MsgBoxRecorder()
    {
        Win::MsgBox::SetHook(previous_);
        current_ = nullptr;
    }
    MsgBoxRecorder(const MsgBoxRecorder&) = delete;
    MsgBoxRecorder& operator=(const MsgBoxRecorder&) = delete;

    const std::vector<Box>& Boxes() const { return boxes_; }

private:
    static int Record(HWND owner, const char* text, const char* caption, UINT type)
    {
        current_->boxes_.push_back({owner, text ? text : "", caption ? caption : "", type});
        return answer_;
    }

    Win::MsgBox::Hook previous_;
    std::vector<Box> boxes_;
    static inline MsgBoxRecorder* current_ = nullptr;
    static inline int answer_ = IDOK;
};

#endif
