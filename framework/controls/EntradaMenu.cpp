#include "framework/controls/EntradaMenu.h"

namespace Win {

EntradaMenu EntradaMenu::Llegeix(const std::string& entrada)
{
    EntradaMenu e;
    const std::size_t primer = entrada.find_first_not_of(' ');
    if (primer == std::string::npos)
        return e;
    e.valida = true;
    std::size_t i = primer;
    if (entrada[i] == '+') {
        e.icona = Icona::Mes;
        i += 2;
    } else if (entrada[i] == '-') {
        e.icona = Icona::Menys;
        i += 3;
    } else {
        e.icona = Icona::Entrada;
    }
    if (i < entrada.size())
        e.text = entrada.substr(i);
    // The indent is capped so that a long run of blanks cannot overflow the pixel position.
    e.iconaX = static_cast<int>(i < 100000 ? i : 100000) * 3;
    return e;
}

} // namespace Win
