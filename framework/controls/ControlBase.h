#ifndef KORVU_FRAMEWORK_CONTROLS_CONTROLBASE_H
#define KORVU_FRAMEWORK_CONTROLS_CONTROLBASE_H

#include "framework/ObjecteGdi.h"

#include <windows.h>

#include <string>

class ControlDef;

namespace Win {

class SubController;

// A form control as the view sees it: one field of the screen, with its window, its optional
// label and the operations through which the view validates, reads, writes and clears it. The
// view deletes controls through this base.
class ControlBase {
public:
    virtual ~ControlBase();
    ControlBase(const ControlBase&) = delete;
    ControlBase& operator=(const ControlBase&) = delete;

    virtual void Release();
    // 0 unchanged, 1 invalid, 2 changed and valid.
    virtual int Validate();
    virtual int GetValue(char* buffer, int length);
    // True when leaving the field would refuse a text the user wrote in it: an exchange must not
    // carry it. A text the server gave goes back as shown, refused or not.
    virtual bool TextRefusat();
    virtual void SetValue(const char* text);
    virtual void Clear();
    virtual HBRUSH GetBrush();
    virtual HBRUSH GetBackBrush();

    // Called for every control when a listing scrolls; controls do not move.
    void Desplaza(int dx, int dy);

    HWND Window() const { return hwnd_; }
    HWND LabelWindow() const { return label_; }
    int Index() const { return index_; }
    const ControlDef* Def() const { return def_; }
    // The whole text, however long: a field must never judge a cut copy of what it shows.
    std::string Text() const;

protected:
    ControlBase() = default;

    // Subclasses the control window with the controller, remembering what the window had so
    // that it can be destroyed safely whatever happens to the controller.
    void Subclass(SubController& controller);

    // Destroys the control window. Every control class calls it from its own destructor, while
    // the controller that the window's messages reach still exists.
    void DestroyControlWindow();

    // What the field holds, asked of the control's own window procedure past the subclasses on
    // its window: the tooltip's subclass looks a window property up on every message, which
    // under wine is a server call, and every exchange reads every field.
    LRESULT Pregunta(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const;
    // Whether the text shown is still the one the server's value or a clear left there.
    bool MostraRebut() const { return Text() == rebut_; }
    HWND hwnd_ = nullptr;
    int index_ = 0;
    HWND label_ = nullptr;
    HINSTANCE instance_ = nullptr;
    std::string className_;
    DWORD style_ = 0x50010000;
    DWORD exStyle_ = 0;
    int x_ = 0;
    int y_ = 0;
    int width_ = 0;
    int height_ = 0;
    HWND parent_ = nullptr;
    int childId_ = 0;
    ControlDef* def_ = nullptr;
    ObjecteGdi<HBRUSH> brush_;
    int labelX_ = 0;
    int labelY_ = 0;
    int labelWidth_ = 0;
    int labelHeight_ = 14;
    DWORD labelExStyle_ = 0;
    DWORD labelStyle_ = 0x50000000;
    std::string rebut_;  // the text the last SetValue or Clear showed

private:
    WNDPROC prevProc_ = nullptr;
    LONG_PTR prevUserData_ = 0;
};

} // namespace Win

#endif
