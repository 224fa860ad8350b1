#ifndef KORVU_FRAMEWORK_ELIMINACIODIFERIDA_H
#define KORVU_FRAMEWORK_ELIMINACIODIFERIDA_H

#include <windows.h>

#include <memory>

namespace Win {

// Objects that must outlive the window procedures now running. A control's handler can start an
// exchange that replaces the whole screen; the old controls then wait here until the outermost
// message being handled has returned, and are freed at once when none is (the rule for
// controls is stated in CDNBase.h).
class EliminacioDiferida {
public:
    // Frees `objecte` now, or once no message is being handled.
    static void Elimina(std::shared_ptr<void> objecte);
    // Destroys `finestra` now, or once no message is being handled: a handler that closes the
    // main window may run inside a click on one of its children, whose procedure must not
    // find its window gone when it goes on.
    static void Destrueix(HWND finestra);
    static bool DinsManejador();
    static int Pendents();

    // Marks a message being handled for its lifetime: the message loop holds one around every
    // dispatch, and the window and subclass procedures each hold one for a message sent to them.
    class Manejador {
    public:
        Manejador();
        ~Manejador();
        Manejador(const Manejador&) = delete;
        Manejador& operator=(const Manejador&) = delete;
    };
};

} // namespace Win

#endif
