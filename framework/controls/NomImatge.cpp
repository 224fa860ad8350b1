#include "framework/controls/NomImatge.h"

#include <cmath>

namespace Win {

NomImatge NomImatge::Classifica(const std::string& nomDonat, const std::string& dirBitmaps)
{
    NomImatge r;
    const std::string nom = nomDonat.substr(0, kMaxNom);
    if (nom.empty() || nom == "0")
        return r;

    // Only a name made of digits is a number: "1.jpg" is a file.
    if (nom.find_first_not_of("0123456789") == std::string::npos) {
        unsigned n = 0;
        bool positiu = false;
        for (char c : nom) {
            n = n * 10u + static_cast<unsigned>(c - '0');
            positiu = positiu || c != '0';
        }
        if (positiu) {
            const bool curt = nom.size() <= 9;
            r.numero = n;
            r.classe = curt && n == 133 ? Classe::Imatge133 : curt && n == 139 ? Classe::FonsText : Classe::Recurs;
            return r;
        }
    }
    if (nom == "logo.bmp") {
        r.classe = Classe::Logo;
        return r;
    }
    r.cami = nom.find(':') == std::string::npos ? dirBitmaps + nom : nom;
    // A folder is told by its own name, not by a "." somewhere on its path.
    const std::size_t separador = r.cami.find_last_of("\\/");
    const std::size_t darrer = separador == std::string::npos ? 0 : separador + 1;
    r.classe = r.cami.find('.', darrer) == std::string::npos ? Classe::Carpeta : Classe::Fitxer;
    return r;
}

int NomImatge::Diapositiva(int digit, int count)
{
    if (count <= 0)
        return 0;
    if (digit < 0)
        digit = 0;
    if (digit > 9)
        digit = 9;
    return static_cast<int>(static_cast<long long>(digit) * count / 10) + 1;
}

int NomImatge::NivellGauge(const std::string& valor, int alt)
{
    const std::string dos = valor.substr(0, 2);
    std::size_t i = 0;
    while (i < dos.size() && (dos[i] == ' ' || dos[i] == '\t'))
        ++i;
    bool negatiu = false;
    if (i < dos.size() && (dos[i] == '-' || dos[i] == '+'))
        negatiu = dos[i++] == '-';
    int v = 0;
    for (; i < dos.size() && dos[i] >= '0' && dos[i] <= '9'; ++i)
        v = v * 10 + (dos[i] - '0');
    if (negatiu)
        v = -v;
    return static_cast<int>(static_cast<long long>(v) * alt / 100);
}

int NomImatge::PercentatgeClic(int y, int alt)
{
    if (alt <= 0)
        return 0;
    const double p = std::floor(static_cast<double>(y) / alt * 100.0 + 0.5);
    return p < 0 ? 0 : p > 99 ? 99 : static_cast<int>(p);
}

} // namespace Win
