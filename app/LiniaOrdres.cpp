#include "app/LiniaOrdres.h"

void LiniaOrdres::Aplica(const std::string& linia, Login& login)
{
    // The path runs to its closing quote, so that a path with blanks stays whole; an unquoted
    // path runs to the first blank.
    std::size_t finalRuta;
    if (!linia.empty() && linia[0] == '"') {
        const std::size_t tanca = linia.find('"', 1);
        const std::size_t fi = tanca == std::string::npos ? linia.find(' ', 1) : tanca;
        login.rutaPrograma = fi == std::string::npos ? linia.substr(1) : linia.substr(1, fi - 1);
        finalRuta = fi == std::string::npos ? linia.size() : fi + 1;
    } else {
        finalRuta = linia.find(' ');
        if (finalRuta == std::string::npos)
            finalRuta = linia.size();
        login.rutaPrograma = linia.substr(0, finalRuta);
    }

    login.autoLogin = 0;
    // The option is looked for after the path, whose folders may be written with "/".
    const std::size_t barra = linia.find('/', finalRuta);
    if (barra == std::string::npos || barra + 3 > linia.size())
        return;

    std::string* valors[] = {&login.usuario, &login.empresa, &login.idioma, &login.password};
    std::size_t inici = barra + 3;
    for (int i = 0; i < 4; ++i) {
        const std::size_t coma = linia.find(',', inici);
        if (coma == std::string::npos) {
            if (i >= 2)
                login.password.clear();
            return;
        }
        *valors[i] = linia.substr(inici, coma - inici);
        inici = coma + 1;
    }
    login.autoLogin = 1;
}

std::string LiniaOrdres::ArgumentsNovaInstancia(const Login& login)
{
    return " /i " + login.usuario + "," + login.empresa + "," + login.idioma + "," + login.password + ",";
}
