#ifndef KORVU_SCREENS_TOPCONTROLLER_H
#define KORVU_SCREENS_TOPCONTROLLER_H

#include "framework/Controller.h"
#include "link/Comunicador.h"

// The controller of the main window. It owns the server link for the whole run; the screens
// it will show are built on it.
class TopController : public Win::Controller {
public:
    TopController() = default;

    bool OnCreate(CREATESTRUCTA* create) override;
    bool OnDestroy() override;

    Comunicador comunicador;
};

#endif
