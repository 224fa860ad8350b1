#include "documents/NomSimple.h"

#include <cctype>

namespace NomSimple {

namespace {

char Majuscula(char c)
{
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

bool IgualSenseMajuscules(const std::string& a, const char* b)
{
    std::size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        if (Majuscula(a[i]) != Majuscula(b[i]))
            return false;
    }
    return i == a.size() && b[i] == '\0';
}

bool EsDispositiu(const std::string& nom)
{
    // The system takes "nul.txt" and "nul " for the device as well.
    std::string base = nom.substr(0, nom.find('.'));
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    static const char* const kFixos[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$",
                                         "CLOCK$"};
    for (const char* d : kFixos) {
        if (IgualSenseMajuscules(base, d))
            return true;
    }
    if (base.size() == 4 && (IgualSenseMajuscules(base.substr(0, 3), "COM") ||
                             IgualSenseMajuscules(base.substr(0, 3), "LPT"))) {
        // The superscript digits of code page 1252 name the ports as well.
        const unsigned char d = static_cast<unsigned char>(base[3]);
        return (d >= '0' && d <= '9') || d == 0xB9 || d == 0xB2 || d == 0xB3;
    }
    return false;
}

} // namespace

bool EsNomSimple(const std::string& nom)
{
    if (nom.empty() || nom.size() > kMaxNom)
        return false;
    for (char c : nom) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F)
            return false;
        switch (c) {
        case '\\': case '/': case ':': case '*': case '?': case '"': case '<': case '>': case '|':
            return false;
        default: break;
        }
    }
    if (nom.find("..") != std::string::npos)
        return false;
    if (nom.back() == '.' || nom.back() == ' ')
        return false;
    return !EsDispositiu(nom);
}

std::string NomDeRuta(const std::string& ruta)
{
    const std::size_t s = ruta.find_last_of("\\/");
    return s == std::string::npos ? ruta : ruta.substr(s + 1);
}

bool EsDins(const std::string& ruta, const std::string& carpeta)
{
    std::string c = carpeta;
    while (!c.empty() && (c.back() == '\\' || c.back() == '/'))
        c.pop_back();
    if (c.empty() || ruta.size() <= c.size())
        return false;
    for (std::size_t i = 0; i < c.size(); ++i) {
        const bool sepA = ruta[i] == '\\' || ruta[i] == '/';
        const bool sepB = c[i] == '\\' || c[i] == '/';
        if (sepA != sepB || (!sepA && Majuscula(ruta[i]) != Majuscula(c[i])))
            return false;
    }
    return ruta[c.size()] == '\\' || ruta[c.size()] == '/';
}

} // namespace NomSimple
