#include "screens/TopController.h"

#include "framework/ErrorBox.h"

bool TopController::OnCreate(CREATESTRUCTA*)
{
    // From now on every failure is shown over the main window.
    Win::ErrorBox::SetOwner(Window());
    return true;
}

bool TopController::OnDestroy()
{
    comunicador.Cierra();
    PostQuitMessage(0);
    return true;
}
