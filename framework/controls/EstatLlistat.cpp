#include "framework/controls/EstatLlistat.h"

#include <algorithm>

namespace Win {

// A negative width would run the layout backwards: 0.
int EstatLlistat::AmpleDescriptor(std::string_view desde)
{
    const std::string_view camp = desde.substr(0, 4);
    std::size_t i = 0;
    while (i < camp.size() && (camp[i] == ' ' || camp[i] == '\t'))
        ++i;
    bool negatiu = false;
    if (i < camp.size() && (camp[i] == '-' || camp[i] == '+'))
        negatiu = camp[i++] == '-';
    int v = 0;
    for (; i < camp.size() && camp[i] >= '0' && camp[i] <= '9'; ++i)
        v = v * 10 + (camp[i] - '0');
    return negatiu ? 0 : v;
}

EstatLlistat::Resultat EstatLlistat::DefineixColumnes(const std::string& text, std::string& linia)
{
    linia.clear();
    if (text.size() < 7)
        return Resultat::Curt;
    columnes.clear();
    std::size_t p = 5;
    int inici = 0;
    for (;;) {
        if (p >= text.size())
            return Resultat::SensePuntIComa;
        const char lletra = text[p];
        if (lletra == ';')
            break;
        Columna c;
        if (lletra == 'X' || lletra == 'V')
            c.text = true;
        else if (lletra == 'N' || lletra == 'n' || lletra == 'E' || lletra == 'e')
            c.text = false;
        else
            return Resultat::LletraDolenta;
        c.ample = AmpleDescriptor(std::string_view(text).substr(p + 1));
        if (!c.text)
            ++c.ample;
        c.inici = inici;
        columnes.push_back(c);
        inici += c.ample + 1;
        p += 5;
    }

    std::size_t q = p + 1;
    for (Columna& c : columnes) {
        if (q >= text.size())
            break;
        const std::size_t tab = text.find('\t', q);
        if (tab == std::string::npos) {
            c.titol = text.substr(q);
            break;
        }
        c.titol = text.substr(q, tab - q);
        q = tab + 1;
    }

    for (const Columna& c : columnes) {
        const std::size_t ample = static_cast<std::size_t>(c.ample);
        if (c.titol.size() >= ample)
            linia += c.titol.substr(0, ample);
        else if (c.text)
            linia += c.titol + std::string(ample - c.titol.size(), ' ');
        else
            linia += std::string(ample - c.titol.size(), ' ') + c.titol;
        linia += ' ';
    }
    llargCapcalera = static_cast<int>(linia.size());
    primeraVisible = 0;
    CalculaUltimaPrimera();
    return Resultat::Definit;
}

void EstatLlistat::CalculaUltimaPrimera()
{
    const int c = static_cast<int>(columnes.size());
    if (c == 0) {
        ultimaPrimera = 0;
        return;
    }
    int k = c - 1;
    long long suma = 0;
    while (k > 0) {
        suma += columnes[k].ample;
        if (suma > ampleVisible)
            break;
        --k;
    }
    ultimaPrimera = k < c - 2 ? k + 1 : c - 1;
}

int EstatLlistat::TriaColumna()
{
    if (columnes.empty()) {
        columnaTriada = 10;
        return columnaTriada;
    }
    const int n = static_cast<int>(columnes.size());
    int k = std::max(primeraVisible, 0);
    // Compared unsigned: a negative x, left of the window, lies past every column.
    while (k < n && static_cast<unsigned>(clicX) > static_cast<unsigned>(columnes[k].pixel))
        ++k;
    columnaTriada = k;
    return columnaTriada;
}

std::vector<EstatLlistat::Tros> EstatLlistat::Disposa(const std::string& linia, double pixelsCaracter, int dreta,
                                                      int graella)
{
    std::vector<Tros> trossos;
    const int primera = std::max(primeraVisible, 0);
    int x = 0;
    for (int k = primera; k < static_cast<int>(columnes.size()); ++k) {
        Columna& c = columnes[k];
        if (x - 4 >= dreta)
            break;
        if (static_cast<std::size_t>(c.inici) > linia.size())
            continue;
        Tros t;
        t.columna = k;
        t.liniaVertical = k > primera && graella > 0;
        x += 4;
        const int fi = static_cast<int>(c.ample * pixelsCaracter + x);
        t.esquerra = x;
        t.dreta = std::min(dreta, fi);
        t.text = linia.substr(static_cast<std::size_t>(c.inici), static_cast<std::size_t>(c.ample));
        t.alDreta = !c.text;
        t.subratllat = graella > 1;
        c.pixel = x - 4;
        x = fi + 4;
        trossos.push_back(std::move(t));
    }
    return trossos;
}

EstatLlistat::Lletra EstatLlistat::LletraDe(int opcion, int n, double escalaX)
{
    switch (opcion) {
    case 0:
        return {0, static_cast<int>(n * 8.23 + 0.5) + 7, 17, escalaX * 5.0};
    case 2:
        return {2, n * 9, 17, escalaX * 7.0};
    case 3:
        return {3, static_cast<int>(n * 12.45 + 0.5), 30, escalaX * 9.0};
    case 4:
        return {4, static_cast<int>(n * 8.32), 17, escalaX * 6.8};
    case 7:
        return {7, static_cast<int>(n * 8.23 + 0.5) + 7, 17, escalaX * 5.0};
    default:
        return {1, static_cast<int>(n * 8.32), 17, escalaX * 6.0};
    }
}

std::string EstatLlistat::NetejaFila(const char* text)
{
    std::string fila = text ? text : "";
    std::replace(fila.begin(), fila.end(), '\r', '*');
    std::replace(fila.begin(), fila.end(), '\n', '*');
    return fila;
}

} // namespace Win
