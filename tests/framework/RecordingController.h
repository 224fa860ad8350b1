#ifndef KORVU_TESTS_RECORDINGCONTROLLER_H
#define KORVU_TESTS_RECORDINGCONTROLLER_H

#include "framework/Controller.h"
#include "framework/SubController.h"

#include <cstdint>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

// Writes a handler call as one line: its name and decoded arguments, handles in hex.
inline void AppendArg(std::ostringstream& out, long long v) { out << ' ' << v; }
inline void AppendArg(std::ostringstream& out, const void* p)
{
    out << " 0x" << std::hex << reinterpret_cast<std::uintptr_t>(p) << std::dec;
}
template <typename... Args>
std::string Call(const char* name, Args... args)
{
    std::ostringstream out;
    out << name;
    (AppendArg(out, args), ...);
    return out.str();
}

// Records every handler call; answers with `handled` and, for colour messages, `brush`. The
// hook runs first in every handler and may throw.
template <typename Base>
class Recording : public Base {
public:
    std::vector<std::string> calls;
    bool handled = true;
    HBRUSH brush = nullptr;
    bool storeResult = false;
    LRESULT userResult = 0;
    std::function<void(const std::string& name)> before;

    bool OnCreate(CREATESTRUCTA* cs) override { return Take(Call("OnCreate", cs->lpCreateParams)); }
    bool OnDestroy() override { return Take(Call("OnDestroy")); }
    bool OnActivate(int state, bool minimized, HWND other) override
    {
        return Take(Call("OnActivate", (long long)state, (long long)minimized, (const void*)other));
    }
    bool OnSetFocus(HWND lost) override { return Take(Call("OnSetFocus", (const void*)lost)); }
    bool OnSize(int w, int h, int type) override { return Take(Call("OnSize", (long long)w, (long long)h, (long long)type)); }
    bool OnPaint() override
    {
        const bool r = Take(Call("OnPaint"));
        if (r)
            ValidateRect(this->Window(), nullptr);
        return r;
    }
    HBRUSH OnCtlColorEdit(HWND c, HDC dc) override { return Paint(Call("OnCtlColorEdit", (const void*)c, (const void*)dc)); }
    HBRUSH OnCtlColorStatic(HWND c, HDC dc) override { return Paint(Call("OnCtlColorStatic", (const void*)c, (const void*)dc)); }
    HBRUSH OnCtlColorBtn(HWND c, HDC dc) override { return Paint(Call("OnCtlColorBtn", (const void*)c, (const void*)dc)); }
    bool OnCommand(int id, bool accel) override { return Take(Call("OnCommand", (long long)id, (long long)accel)); }
    bool OnControl(HWND c, int id, int code) override { return Take(Call("OnControl", (const void*)c, (long long)id, (long long)code)); }
    bool OnInitMenuPopup(HMENU m, int i) override { return Take(Call("OnInitMenuPopup", (const void*)m, (long long)i)); }
    bool OnInitSysMenuPopup(HMENU m, int i) override { return Take(Call("OnInitSysMenuPopup", (const void*)m, (long long)i)); }
    bool OnMenuSelect(int item, int flags, HMENU m) override
    {
        return Take(Call("OnMenuSelect", (long long)item, (long long)flags, (const void*)m));
    }
    bool OnMouseMove(int x, int y, WPARAM k) override { return Take(Call("OnMouseMove", (long long)x, (long long)y, (long long)k)); }
    bool OnLButtonDown(int x, int y, WPARAM k) override { return Take(Call("OnLButtonDown", (long long)x, (long long)y, (long long)k)); }
    bool OnLButtonUp(int x, int y, WPARAM k) override { return Take(Call("OnLButtonUp", (long long)x, (long long)y, (long long)k)); }
    bool OnCaptureChanged(HWND g) override { return Take(Call("OnCaptureChanged", (const void*)g)); }
    bool OnSetCursor(HWND w, int hit, int msg) override
    {
        return Take(Call("OnSetCursor", (const void*)w, (long long)hit, (long long)msg));
    }
    bool OnKeyDown(WPARAM k, LPARAM d) override { return Take(Call("OnKeyDown", (long long)k, (long long)d)); }
    bool OnChar(WPARAM c, LPARAM d) override { return Take(Call("OnChar", (long long)c, (long long)d)); }
    bool OnKillFocus(HWND own) override { return Take(Call("OnKillFocus", (const void*)own)); }
    bool OnUserMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override
    {
        const bool r = Take(Call("OnUserMessage", (long long)msg, (long long)wp, (long long)lp));
        if (storeResult)
            *result = userResult;
        return r;
    }
    bool OnEraseBkgnd(HDC dc) override { return Take(Call("OnEraseBkgnd", (const void*)dc)); }
    bool OnNotify(WPARAM id, NMHDR* h) override { return Take(Call("OnNotify", (long long)id, (const void*)h)); }
    bool OnClose() override { return Take(Call("OnClose")); }
    bool OnTimer(WPARAM id, LPARAM lp) override { return Take(Call("OnTimer", (long long)id, (long long)lp)); }
    bool OnDrawItem(WPARAM id, DRAWITEMSTRUCT* d) override { return Take(Call("OnDrawItem", (long long)id, (const void*)d)); }

private:
    bool Take(const std::string& call)
    {
        calls.push_back(call);
        if (before)
            before(call.substr(0, call.find(' ')));
        return handled;
    }
    HBRUSH Paint(const std::string& call)
    {
        Take(call);
        return brush;
    }
};

using RecordingController = Recording<Win::Controller>;
using RecordingSubController = Recording<Win::SubController>;

#endif
