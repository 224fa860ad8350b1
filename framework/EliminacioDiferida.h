#ifndef KORVU_FRAMEWORK_ELIMINACIODIFERIDA_H
#define KORVU_FRAMEWORK_ELIMINACIODIFERIDA_H

#include <memory>

namespace Win {

// Objects that must outlive the control handlers now running. A control's handler can start an
// exchange that replaces the whole screen; the old controls then wait here until the outermost
// handler of any control has returned, and are freed at once when none is running.
class EliminacioDiferida {
public:
    // Frees `objecte` now, or once no control handler is running.
    static void Elimina(std::shared_ptr<void> objecte);
    static bool DinsManejador();
    static int Pendents();

    // Marks a control handler running for its lifetime (the subclass procedure holds one).
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
