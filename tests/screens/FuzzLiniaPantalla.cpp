// The line writer fed with any definition record ("|" also separates fields, so that short
// inputs reach every column): the line always has its 131 columns and no line end, and the
// reader takes it back.
#include "framework/DispError.h"
#include "screens/LiniaPantalla.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string registre(reinterpret_cast<const char*>(data), size);
    for (char& c : registre)
        if (c == '|')
            c = static_cast<char>(0xFF);
    std::string linia;
    try {
        linia = LiniaPantalla::Formata(registre.c_str());
    } catch (const DispError&) {
        return 0;
    }
    if (linia.size() != LiniaPantalla::kLongitud || linia.find_first_of("\r\n") != std::string::npos)
        __builtin_trap();
    const ControlDef d = LiniaPantalla::Llegeix(linia, linia.substr(0, LiniaPantalla::kLongitudId), 1.0, 1.0);
    if (d.codigo < -99 || d.codigo > 999 || d.longMax < -9999 || d.longMax > 99999)
        __builtin_trap();
    SumaPantalla s;
    LiniaPantalla::Suma(linia, s);
    return 0;
}
