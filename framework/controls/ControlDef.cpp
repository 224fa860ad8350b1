#include "framework/controls/ControlDef.h"

#include <algorithm>
#include <utility>

// The record is plain data: its defaults are in the header, and copying it copies every member
// (the item list deeply, the control as a plain pointer).

void ControlDef::AfegeixElement(int numero, std::string texto)
{
    const auto lloc = std::find_if(elementos.begin(), elementos.end(),
                                   [numero](const Element& e) { return e.numero >= numero; });
    elementos.insert(lloc, Element{numero, std::move(texto), 0});
    marca = 0;
}
