#include "framework/controls/ReglaNumero.h"

#include <algorithm>

namespace Win {

namespace {

constexpr std::string::size_type cap = std::string::npos;

bool Digit(char c)
{
    return c >= '0' && c <= '9';
}

// "+" anywhere and "-" anywhere but in front go.
std::string SenseSignes(std::string s)
{
    for (std::size_t i = 0; i < s.size();) {
        if (s[i] == '+' || (s[i] == '-' && i != 0))
            s.erase(i, 1);
        else
            ++i;
    }
    return s;
}

std::size_t DigitsDesDe(const std::string& s, std::size_t i)
{
    std::size_t n = 0;
    while (i + n < s.size() && Digit(s[i + n]))
        ++n;
    return n;
}

// Every thousands sign stands where grouping puts one: a first group of one to three digits,
// not led by a zero (that is a fraction, "0.125"), then groups of exactly three up to the end
// or the decimal sign.
bool GrupsExactes(const std::string& s, ReglaNumero::Signes signes)
{
    std::size_t i = !s.empty() && s[0] == '-' ? 1 : 0;
    const std::size_t primer = DigitsDesDe(s, i);
    if (primer < 1 || primer > 3 || s[i] == '0')
        return false;
    i += primer;
    bool algun = false;
    while (i < s.size() && s[i] == signes.milers) {
        if (DigitsDesDe(s, i + 1) != 3)
            return false;
        i += 4;
        algun = true;
    }
    return algun && (i == s.size() || s[i] == signes.decimal);
}

// One thousands sign in an integer field that shows grouping, where one digit changed, taken
// away or added in a shown number leaves it: three digits after it and up to four before it;
// or a first group as shown (one to three digits, no leading zero) and two or four after it.
bool GrupEditat(const std::string& s, ReglaNumero::Signes signes)
{
    const std::size_t inici = !s.empty() && s[0] == '-' ? 1 : 0;
    const std::size_t abans = DigitsDesDe(s, inici);
    const std::size_t i = inici + abans;
    if (abans > 4 || i >= s.size() || s[i] != signes.milers)
        return false;
    const std::size_t despres = DigitsDesDe(s, i + 1);
    if (i + 1 + despres != s.size())
        return false;
    if (despres == 3)
        return true;
    return (despres == 2 || despres == 4) && abans >= 1 && abans <= 3 && s[inici] != '0';
}

// Whether the thousands signs of the text are group marks to drop. Otherwise a thousands sign
// is taken for the decimal sign, as users type "." on the keypad of a Spanish keyboard; but a
// number the field showed with its grouping must keep its magnitude when one digit is edited.
bool MarquesDeGrup(const std::string& text, const ReglaNumero::Format& f)
{
    const std::string s = SenseSignes(text);
    const auto milers = std::count(s.begin(), s.end(), f.signes.milers);
    if (milers == 0)
        return false;
    if (s.find(f.signes.decimal) != cap)
        return true;
    if (!f.agrupa)
        return false;
    if (GrupsExactes(s, f.signes))
        return true;
    return f.decimales <= 0 && (milers > 1 || GrupEditat(s, f.signes));
}

} // namespace

ReglaNumero::Signes ReglaNumero::PerIdioma(const std::string& idioma)
{
    return idioma == "Es" ? Signes{',', '.'} : Signes{'.', ','};
}

int ReglaNumero::Formata(std::string& text, const Format& f)
{
    const char dec = f.signes.decimal;
    const char thou = f.signes.milers;
    const long long d = f.decimales > 0 ? f.decimales : 0;
    std::string s = text;

    const bool marques = MarquesDeGrup(s, f);
    std::size_t p = cap;
    for (std::size_t i = 0; i < s.size();) {
        char c = s[i];
        if (c == '+' || (c == '-' && i != 0)) {
            s.erase(i, 1);
            continue;
        }
        if (c == thou) {
            if (marques) {
                s.erase(i, 1);
                continue;
            }
            s[i] = c = dec;
        }
        if (c == dec) {
            if (p != cap) {
                s.erase(i, 1);
                continue;
            }
            p = i;
        }
        ++i;
    }
    if (p != cap && d == 0)
        s.resize(p);
    else if (p != cap && s.size() - p - 1 > static_cast<unsigned long long>(d))
        s.resize(p + 1 + static_cast<std::size_t>(d));
    // No digit left (an empty text, a lone "-" or decimal sign, a fraction cut away): no number,
    // which the field reads as empty, that is 0. "-.00" would reach the server otherwise.
    if (s.find_first_not_of(std::string{'-', dec}) == cap) {
        s = "0";
        p = cap;
    }
    const bool teSigne = p != cap;

    while (s.size() > 1 && s[0] == '0' && s[1] != dec) {
        s.erase(0, 1);
        if (teSigne)
            --p;
    }

    bool ambSigne = teSigne;
    if (d > 0 && !teSigne) {
        s += dec;
        p = s.size() - 1;
        ambSigne = true;
    }
    if (ambSigne && static_cast<long long>(p) > static_cast<long long>(f.longMax) - d)
        return 1;
    // Padding and grouping only lengthen the text: one that cannot fit is refused before it is
    // built, whatever number of decimals the record asks for.
    if (d > 0 && static_cast<long long>(p) + 1 + d > f.longVisible)
        return 1;
    if (d > 0)
        s.append(static_cast<std::size_t>(d) - (s.size() - p - 1), '0');

    if (f.agrupa) {
        std::size_t k = ambSigne ? p : s.size();
        while (k > 3) {
            k -= 3;
            if (s[k - 1] != '-')
                s.insert(k, 1, thou);
        }
    }
    if (static_cast<long long>(s.size()) > f.longVisible)
        return 1;
    text = s;
    return 2;
}

std::string ReglaNumero::PerServidor(const std::string& text, Signes signes)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == signes.milers)
            continue;
        out += c == signes.decimal && signes.decimal == ',' ? '.' : c;
    }
    return out;
}

std::string ReglaNumero::Rebut(const std::string& valor, Signes signes)
{
    std::string s = valor.empty() ? "0" : valor;
    if (signes.decimal == ',')
        std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

} // namespace Win
