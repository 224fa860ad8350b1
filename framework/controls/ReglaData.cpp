#include "framework/controls/ReglaData.h"

namespace Win {

namespace {

bool Digit(char c)
{
    return c >= '0' && c <= '9';
}

int Dos(const std::string& s, std::size_t at)
{
    return (s[at] - '0') * 10 + (s[at + 1] - '0');
}

} // namespace

bool ReglaData::Normalitza(std::string& s)
{
    if (s.size() < 6 || s.size() > 10)
        return false;
    // Insertions only lengthen the text, so positions up to 5 always exist.
    if (!Digit(s[0]))
        return false;
    if (s[1] == '/')
        s.insert(0, 1, '0');
    if (!Digit(s[1]))
        return false;
    if (s[2] != '/')
        s.insert(2, 1, '/');
    if (!Digit(s[3]))
        return false;
    if (s[4] == '/')
        s.insert(3, 1, '0');
    if (!Digit(s[4]))
        return false;
    if (s[5] != '/')
        s.insert(5, 1, '/');
    for (std::size_t i = 6; i < s.size(); ++i)
        if (!Digit(s[i]))
            return false;
    if (s.size() == 8)
        s.insert(6, "20");
    if (s.size() != 10)
        return false;

    // No leap-year rule, and day or month 0 pass: the server decides about those.
    const int dia = Dos(s, 0);
    const int mes = Dos(s, 3);
    if (mes > 12)
        return false;
    switch (mes) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12:
        return dia <= 31;
    case 4: case 6: case 9: case 11:
        return dia <= 30;
    case 2:
        return dia <= 29;
    default:
        return true;
    }
}

ReglaData::Resultat ReglaData::Valida(const std::string& text, std::string& guardat)
{
    if (text == guardat)
        return {text.empty() ? 2 : 0, false};
    if (text.empty())
        return {2, false};
    std::string s = text;
    if (!Normalitza(s))
        return {1, false};
    guardat = s;
    return {2, true};
}

bool ReglaData::PerServidor(const std::string& text, const std::string& guardat, std::string& valor)
{
    // Judged exactly as leaving the field judges it, on a copy of what the field keeps.
    std::string kept = guardat;
    const Resultat r = Valida(text, kept);
    valor = r.escriu ? kept : text;
    return r.codi != 1;
}

} // namespace Win
