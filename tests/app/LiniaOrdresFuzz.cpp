// The command line is outside data: any text gives a path and login values, never a read
// past its end.
#include "app/LiniaOrdres.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string linia(reinterpret_cast<const char*>(data), size);
    LiniaOrdres::Login login;
    login.usuario = "u";
    login.password = "p";
    LiniaOrdres::Aplica(linia, login);
    if (login.rutaPrograma.size() > linia.size())
        std::abort();
    if (login.autoLogin) {
        // A complete login read from a command line makes the same login again.
        LiniaOrdres::Login nova;
        LiniaOrdres::Aplica("\"k.exe\"" + LiniaOrdres::ArgumentsNovaInstancia(login), nova);
        if (!nova.autoLogin || nova.usuario != login.usuario || nova.empresa != login.empresa
            || nova.idioma != login.idioma || nova.password != login.password)
            std::abort();
    }
    return 0;
}
