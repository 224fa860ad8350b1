#include "app/TextConfiguracio.h"

#include "framework/DispError.h"

#include <algorithm>
#include <climits>
#include <cstdio>

namespace {

// The number made by the leading digits (0 when there are none), held at INT_MAX.
int DigitsInicials(const std::string& text)
{
    long long n = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        n = n * 10 + (c - '0');
        if (n > INT_MAX)
            return INT_MAX;
    }
    return static_cast<int>(n);
}

unsigned char Si(const std::string& valor)
{
    return valor == "si" ? 1 : 0;
}

bool ComencaPer(const std::string& linia, const char* prefix)
{
    return linia.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

// A value written back must read back the same: no ";" to end it early, no line end to split it.
bool Escrivible(const std::string& valor)
{
    return valor.find_first_of(";\r\n") == std::string::npos;
}

} // namespace

std::string TextConfiguracio::ErrorLinia(std::size_t numero)
{
    return "Error en el fichero de configuración, línea: " + std::to_string(numero);
}

std::vector<std::string> TextConfiguracio::Linies(const std::string& text)
{
    std::vector<std::string> linies;
    std::size_t inici = 0;
    while (inici < text.size()) {
        std::size_t fi = text.find('\n', inici);
        if (fi == std::string::npos) {
            linies.push_back(text.substr(inici));
            break;
        }
        std::size_t llarg = fi - inici;
        if (llarg > 0 && text[fi - 1] == '\r')
            --llarg;
        linies.push_back(text.substr(inici, llarg));
        inici = fi + 1;
    }
    return linies;
}

std::string TextConfiguracio::CompletaCarpeta(const std::string& valor, const std::string& dirActual)
{
    std::string carpeta = valor;
    if (carpeta.size() > 2 && carpeta[0] != '\\' && carpeta[1] != ':')
        carpeta = dirActual + "\\" + carpeta;
    if (carpeta.empty() || carpeta.back() != '\\')
        carpeta += '\\';
    return carpeta;
}

std::string TextConfiguracio::ComponRuta(const std::string& ajuda, const std::string& idioma)
{
    std::string ruta = ajuda;
    const std::size_t xx = ruta.find("XX");
    if (xx != std::string::npos)
        ruta.replace(xx, 2, idioma);
    ruta += ruta.find('\\') != std::string::npos ? '\\' : '/';
    return ruta;
}

void TextConfiguracio::Aplica(const std::string& text, const std::string& dirActual, Valors& v)
{
    // Empty lines are passed over and any number of lines of any length is read: the
    // write-back keeps every line, so the reader must accept what it keeps.
    if (text.size() > maxMida)
        throw DispError("Error #ref 032, error cargando configuración");
    const std::vector<std::string> linies = Linies(text);
    for (std::size_t i = 0; i < linies.size(); ++i) {
        const std::string& linia = linies[i];
        const std::size_t numero = i + 1;
        if (linia.empty() || linia[0] == '#')
            continue;
        const std::size_t igual = linia.find('=');
        const std::size_t fi = igual == std::string::npos ? igual : linia.find(';', igual + 1);
        if (fi == std::string::npos)
            throw DispError(ErrorLinia(numero));
        const std::string clau = linia.substr(0, igual);
        const std::string valor = linia.substr(igual + 1, fi - igual - 1);

        auto carpeta = [&](std::string& membre) {
            if (valor.empty())
                throw DispError("Error #ref 032, error cargando configuración");
            membre = CompletaCarpeta(valor, dirActual);
        };

        if (clau == "port") {
            const int port = DigitsInicials(valor);
            if (valor.size() != 5 || port < 1 || port > 65535)
                throw DispError(ErrorLinia(numero));
            v.port = port;
        } else if (clau == "servidor_int" || clau == "servidor_ext") {
            if (valor.size() > maxServidor)
                throw DispError(ErrorLinia(numero));
            (clau == "servidor_int" ? v.servidor_int : v.servidor_ext) = valor;
        } else if (clau == "grupo") {
            if (valor.size() > maxGrupo)
                throw DispError(ErrorLinia(numero));
            v.grupo = valor;
        } else if (clau == "claus") {
            // A cut name would open some other key file: a name too long is refused.
            if (valor.size() > maxClaus)
                throw DispError(ErrorLinia(numero));
            v.claus = valor;
        } else if (clau == "ajuda") {
            v.ajuda = valor;
        } else if (clau == "navegador") {
            v.navegador = valor;
        } else if (clau == "desarrollo") {
            v.modeDesenvolupament = v.desenvolupamentPermes = Si(valor);
        } else if (clau == "usuario") {
            v.usuario = valor;
        } else if (clau == "empresa") {
            v.empresa = valor;
        } else if (clau == "idioma") {
            v.idioma = valor;
        } else if (clau == "debugtrcli") {
            v.tracaTrames = Si(valor);
        } else if (clau == "dirdocs") {
            carpeta(v.dirdocs);
        } else if (clau == "debugenvreb" || clau == "debugsql" || clau == "debugfunc") {
            if (Si(valor))
                v.mascaraDebug |= clau == "debugenvreb" ? 0x01 : clau == "debugsql" ? 0x02 : 0x04;
        } else if (clau == "exthojac") {
            v.exthojac = valor;
        } else if (clau == "dirjfree") {
            carpeta(v.dirjfree);
        } else if (clau == "dirbitmaps") {
            carpeta(v.dirbitmaps);
        } else if (clau == "dirimport") {
            carpeta(v.dirimport);
        } else if (clau == "intermens") {
            const int segons = DigitsInicials(valor);
            v.intermens = segons < minIntermens ? minIntermens : std::min(segons, maxIntermens);
        } else if (clau == "acceso_remoto") {
            v.acceso_remoto = Si(valor);
        } else if (clau == "fuente_grid") {
            v.fuente_grid = valor == "pequeña" ? 0 : 1;
        } else if (clau == "so") {
            v.so = valor == "windows" ? 1 : 2;
        } else if (clau == "dirficheros") {
            carpeta(v.dirficheros);
        } else if (clau == "tvirtual") {
            v.tvirtual = valor;
        } else if (clau == "ipdin") {
            // The address goes on a program's command line inside quotes: blanks at its ends
            // are dropped, blanks within it stay in the one argument, and only a quote of its
            // own could end that argument early.
            const std::size_t primer = valor.find_first_not_of(" \t");
            const std::string adreca =
                primer == std::string::npos
                    ? std::string()
                    : valor.substr(primer, valor.find_last_not_of(" \t") + 1 - primer);
            if (adreca.find('"') != std::string::npos)
                throw DispError(ErrorLinia(numero));
            v.ipdin = adreca;
        }
    }
}

std::string TextConfiguracio::Reescriu(const std::string& text, const Canvis& canvis)
{
    // An empty value is written too: a login value cleared by the user reads back empty.
    auto substitueix = [](const std::optional<std::string>& valor) {
        return valor && Escrivible(*valor);
    };
    const bool port = canvis.port >= 1 && canvis.port <= 65535;

    std::string nou;
    nou.reserve(text.size() + 64);
    for (std::string linia : Linies(text)) {
        if (canvis.accesRemot && ComencaPer(linia, "acceso_remoto=")) {
            // Only the value changes; what follows its ";" stays.
            const std::size_t inici = linia.find('=') + 1;
            const std::size_t fi = linia.find(';', inici);
            const char* valor = *canvis.accesRemot ? "si" : "no";
            if (fi == std::string::npos)
                linia = std::string("acceso_remoto=") + valor + ";";
            else
                linia.replace(inici, fi - inici, valor);
        } else if (substitueix(canvis.usuario) && ComencaPer(linia, "usuario=")) {
            linia = "usuario=" + *canvis.usuario + ";";
        } else if (substitueix(canvis.empresa) && ComencaPer(linia, "empresa=")) {
            linia = "empresa=" + *canvis.empresa + ";";
        } else if (substitueix(canvis.idioma) && ComencaPer(linia, "idioma=")) {
            linia = "idioma=" + *canvis.idioma + ";";
        } else if (substitueix(canvis.servidorExt) && canvis.servidorExt->size() <= maxServidor
                   && ComencaPer(linia, "servidor_ext=")) {
            linia = "servidor_ext=" + *canvis.servidorExt + ";";
        } else if (port && ComencaPer(linia, "port=")) {
            char digits[8];
            std::snprintf(digits, sizeof digits, "%05d", canvis.port);
            linia = std::string("port=") + digits + ";";
        }
        nou += linia;
        nou += "\r\n";
    }
    return nou;
}
