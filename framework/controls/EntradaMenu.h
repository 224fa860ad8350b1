#ifndef KORVU_FRAMEWORK_CONTROLS_ENTRADAMENU_H
#define KORVU_FRAMEWORK_CONTROLS_ENTRADAMENU_H

#include <string>

namespace Win {

// One entry of a menu panel as the server writes it: leading blanks give its level, then "+ "
// marks a closed branch, "-  " an open one, anything else a leaf.
class EntradaMenu {
public:
    enum class Icona { Cap, Mes, Menys, Entrada };

    // False when the text is empty or only blanks: the entry then keeps its text and icon x
    // and shows no icon.
    bool valida = false;
    Icona icona = Icona::Cap;
    std::string text;
    int iconaX = 0;   // pixels; the text starts 30 pixels further when it is above 0

    // A marker with nothing after it gives an empty text.
    static EntradaMenu Llegeix(const std::string& entrada);
};

} // namespace Win

#endif
