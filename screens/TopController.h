#ifndef KORVU_SCREENS_TOPCONTROLLER_H
#define KORVU_SCREENS_TOPCONTROLLER_H

#include "framework/Controller.h"
#include "link/Comunicador.h"

#include <memory>
#include <string>

class Vista;

// The controller of the main window: it owns the view, embeds the server link, starts an
// exchange for every trigger and carries out the action of an activated field.
class TopController : public Win::Controller {
public:
    // `filtre` is the message loop's character-filter flag, handed on to the view.
    explicit TopController(unsigned char* filtre = nullptr);
    ~TopController() override;

    bool OnCreate(CREATESTRUCTA* create) override;
    // The login screen's first field takes the focus once the window is shown: focusing a field
    // of a hidden window makes the system activate the window first, and showing it activates it
    // again, which doubled the cost of a start-up step.
    void FocoInicial();
    bool OnDestroy() override;
    bool OnSetFocus(HWND lost) override;
    HBRUSH OnCtlColorEdit(HWND control, HDC dc) override;
    HBRUSH OnCtlColorStatic(HWND control, HDC dc) override;
    HBRUSH OnCtlColorBtn(HWND control, HDC dc) override;
    bool OnCommand(int id, bool fromAccelerator) override;
    bool OnControl(HWND control, int id, int code) override;
    bool OnMouseMove(int x, int y, WPARAM keys) override;
    bool OnSetCursor(HWND window, int hitTest, int mouseMsg) override;
    bool OnUserMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    bool OnEraseBkgnd(HDC dc) override;
    bool OnNotify(WPARAM id, NMHDR* header) override;
    bool OnClose() override;
    bool OnTimer(WPARAM id, LPARAM lParam) override;

    // One exchange with the server (login or values, its command frames, the screen reply).
    bool ProcessaTramesa();
    // What activating field i does (exchange, help link, new instance, keyboard, close).
    bool AccionCampo(int i);
    // Self-update ordered by the server; true when the new version was started.
    bool Actualiza(const std::string& missatge);

    std::unique_ptr<Vista> vista;
    Comunicador comunicador;  // declared after the view: it goes first
    unsigned char* filtre = nullptr;
    std::string ajudaBase;
    std::string ajudaDesti;
    unsigned char pantallaMostrada = 0;
    // Whether the last focus report ran an exchange: the answer to the report (the field's
    // original handler is then skipped), also to those that come while the view is busy.
    unsigned char focoTramesa = 0;

private:
    // Runs a pending leave-field exchange, then the action of field i.
    bool AccioAmbPendent(int i);
    // After an exchange of a trigger: a failed connection closes the main window.
    void TancaSiFallada();
    // Closes the main window once no handler is running.
    void Tanca();
    // Set once the window is to go: no exchange starts in the handlers still running.
    bool tancant = false;
};

#endif
