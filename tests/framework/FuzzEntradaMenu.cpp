// A menu entry: any text gives an entry whose text is a tail of the input, with the icon placed
// after the level and the marker.
#include "framework/controls/EntradaMenu.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string entrada(reinterpret_cast<const char*>(data), size);
    const Win::EntradaMenu e = Win::EntradaMenu::Llegeix(entrada);
    if (e.text.size() > entrada.size() || entrada.compare(entrada.size() - e.text.size(), std::string::npos, e.text) != 0)
        __builtin_trap();
    if (e.valida == (e.icona == Win::EntradaMenu::Icona::Cap) || e.iconaX < 0)
        __builtin_trap();
    return 0;
}
