// What the user types into a date field is outside data: any text is either refused or becomes
// a date of the form dd/mm/yyyy that is accepted as itself when it is typed again.
#include "framework/controls/ReglaData.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string typed(reinterpret_cast<const char*>(data), size);
    std::string s = typed;
    if (Win::ReglaData::Normalitza(s)) {
        if (s.size() != 10 || s[2] != '/' || s[5] != '/')
            std::abort();
        std::string again = s;
        if (!Win::ReglaData::Normalitza(again) || again != s)
            std::abort();
    }
    std::string kept;
    const Win::ReglaData::Resultat r = Win::ReglaData::Valida(typed, kept);
    if (r.codi < 0 || r.codi > 2 || (r.escriu && r.codi != 2))
        std::abort();
    if (r.escriu) {
        // The date written back, typed afresh into an empty field, is the same date.
        std::string fresh;
        const Win::ReglaData::Resultat again = Win::ReglaData::Valida(kept, fresh);
        if (again.codi != 2 || fresh != kept)
            std::abort();
    }
    // What the server would get before the field is left agrees with what leaving does.
    std::string valor;
    std::string fromEmpty;
    const bool valid = Win::ReglaData::PerServidor(typed, std::string(), valor);
    if (valid != (Win::ReglaData::Valida(typed, fromEmpty).codi != 1) || valor != (r.escriu ? kept : typed))
        std::abort();
    return 0;
}
