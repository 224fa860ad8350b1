#include "screens/LiniaPantalla.h"

#include "link/Camps.h"
#include "link/Trama.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <vector>

namespace LiniaPantalla {

namespace {

// The line's 131 columns, blanks where the line is short.
class Columnes {
public:
    explicit Columnes(std::string_view linia)
    {
        std::memset(c_, ' ', sizeof c_);
        std::memcpy(c_, linia.data(), std::min(linia.size(), kLongitud));
        c_[kLongitud] = '\0';
    }
    char operator[](std::size_t i) const { return c_[i]; }
    std::string_view Tros(std::size_t inici, std::size_t amplada) const
    {
        return std::string_view(c_ + inici, amplada);
    }
    int Num(std::size_t inici, int amplada) const
    {
        return static_cast<int>(Trama::LlegeixEnter(c_ + inici, amplada));
    }

private:
    char c_[kLongitud + 1];
};

void TipusDeLletra(char lletra, ControlDef& d)
{
    switch (lletra) {
    case 'C': d.tipo = 0; d.subtipo = 1; break;
    case 'K': d.tipo = 1; d.subtipo = 1; break;
    case 'B': d.tipo = 2; d.subtipo = 4; break;
    case 'U': d.tipo = 4; d.subtipo = 4; break;
    case 'P': d.tipo = 5; d.subtipo = 4; break;
    case 'X': d.tipo = 6; d.subtipo = 1; break;
    case 'H': d.tipo = 7; d.subtipo = 1; break;
    case 'M': d.tipo = 8; d.subtipo = 1; break;
    case 'I': d.tipo = 9; d.subtipo = 1; break;
    case 'N': d.tipo = 10; d.subtipo = 1; break;
    case 'S': d.tipo = 11; d.subtipo = 1; break;
    case 'D': d.tipo = 12; d.subtipo = 4; break;
    case 'R': d.tipo = 13; d.subtipo = 1; break;
    case 'L': d.tipo = 14; d.subtipo = 1; break;
    default: d.tipo = 3; d.subtipo = 1; break;
    }
}

void AplicaOpcio(char lletra, ControlDef& d)
{
    switch (d.tipo) {
    case 1:
    case 13:
        d.posEtiqueta = lletra == 'D' ? 3 : lletra == 'N' ? 2 : 1;
        break;
    case 7:
    case 12:
        d.posEtiqueta = lletra == 'P' ? 4 : lletra == 'G' ? 6 : lletra == 'N' ? 7 : 5;
        break;
    case 4:
        d.modoImagen = lletra == 'R' ? 1 : lletra == 'S' ? 0 : 2;
        break;
    case 9:
    case 11:
        switch (lletra) {
        case 'P': d.opcion = 0; break;
        case 'G': d.opcion = 2; break;
        case 'L': d.opcion = 3; break;
        case 'S': d.opcion = 4; break;
        case 'T': d.opcion = 7; break;
        default: d.opcion = 1; break;
        }
        break;
    default:
        switch (lletra) {
        case 'E': d.posEtiqueta = 0; break;
        case 'I': d.posEtiqueta = 1; break;
        case 'N': d.posEtiqueta = 2; break;
        case 'P': d.opcion = 0; break;
        case 'M': d.opcion = 1; break;
        case 'G': d.opcion = 3; break;
        case 'F': d.opcion = 4; break;
        case 'L': d.opcion = 5; break;
        case 'U': d.opcion = 6; break;
        default: break;
        }
        break;
    }
}

void AplicaDada(char lletra, char opcio, ControlDef& d)
{
    switch (d.tipo) {
    case 0:
        if (lletra >= '0' && lletra <= '9') {
            d.subtipo = 0;
            d.decimales = lletra - '0';
        } else {
            d.subtipo = lletra == 'C' ? 3 : lletra == 'F' ? 2 : 1;
        }
        break;
    case 4:
        if (lletra == 'B') {
            d.subtipo = 9;
        } else if (lletra == 'V') {
            d.subtipo = 11;
        } else {
            d.subtipo = 4;
            d.posEtiqueta = opcio == 'S' ? 0 : 2;
        }
        break;
    case 6:
        d.opcion = lletra == 'M' ? 1 : 0;
        break;
    case 7:
        if (lletra == 'Y')
            d.subtipo = 5;
        else if (lletra == 'I')
            d.subtipo = 8;
        else if (lletra == 'T')
            d.subtipo = 12;
        break;
    case 1:
    case 13:
        d.subtipo = lletra == 'B' ? 7 : 6;
        break;
    default:
        break;
    }
}

int LongitudVisible(const ControlDef& d)
{
    int n = d.longMax;
    const bool numeric = d.tipo == 0 && d.subtipo == 0;
    if (numeric) {
        if (d.decimales != 0)
            ++n;
        if (d.marca == 1)
            ++n;
    }
    if (d.subtipo == 2)
        n = 10;
    if (d.variante != 0 && numeric) {
        const int enters = d.longMax - d.decimales;
        n += enters / 3;
        if (enters % 3 == 0)
            --n;
    }
    return n;
}

bool PortaTecla(int tipo)
{
    return tipo == 2 || tipo == 7 || tipo == 12;
}

// Field n of the record, whole (GetField bounded by the record's own length).
std::string Camp(const char* registre, int n)
{
    std::vector<char> buffer(std::strlen(registre) + 1);
    GetField(registre, buffer.data(), n, 1, 0, buffer.size());
    return buffer.data();
}

int Nombre(const char* registre, int n)
{
    const std::string text = Camp(registre, n);
    const long valor = Trama::LlegeixEnter(text.c_str());
    return static_cast<int>(std::clamp<long>(valor, INT_MIN, INT_MAX));
}

// The number with leading zeros to `amplada` digits; a longer one keeps its first characters.
std::string AmbZeros(int valor, int amplada)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", amplada, valor);
    return std::string(text, std::min<std::size_t>(std::strlen(text), static_cast<std::size_t>(amplada)));
}

// The text cut to `amplada` and padded with blanks to it.
std::string Ajusta(std::string text, std::size_t amplada)
{
    text.resize(amplada, ' ');
    return text;
}

} // namespace

ControlDef Llegeix(std::string_view linia, std::string_view id, double escalaX, double escalaY)
{
    const Columnes c(linia);
    ControlDef d;
    d.codigo = c.Num(15, 3);
    std::string_view etiqueta = c.Tros(18, 80);
    const std::size_t darrer = etiqueta.find_last_not_of(' ');
    d.etiqueta = std::string(etiqueta.substr(0, darrer == std::string_view::npos ? 1 : darrer + 1));
    d.x1 = c.Num(98, 4);
    d.y1 = c.Num(102, 4);
    d.x2 = c.Num(106, 4);
    d.y2 = c.Num(110, 4);
    const char opcio = c[114];
    TipusDeLletra(c[115], d);
    AplicaOpcio(opcio, d);
    AplicaDada(c[116], opcio, d);
    d.marca = c.Num(117, 1);
    d.longMax = c.Num(118, 5);
    d.variante = c.Num(123, 1);
    if (d.tipo == 6 && d.variante != 0)
        d.tipo = 15;
    d.longVisible = LongitudVisible(d);
    d.accion = d.tipo == 12 ? 0 : c.Num(124, 1);
    const int ordre = c.Num(125, 3);
    d.orden = d.tipo == 4 || d.tipo == 5 || d.tipo == 8 ? 0 : ordre;
    d.marcaPanel = d.tipo == 5 && ordre != 0;
    d.pagina = c.Num(128, 3);
    // The client's own screens draw their sub-screen frames in a style of their own.
    d.estilo = d.tipo == 5 && id.size() >= 12 && id.substr(2, 10) == "KRVINI  01" ? '9' : '0';
    if (PortaTecla(d.tipo)) {
        d.tecla = d.x2;
        d.imagen = d.y2;
        d.x2 = 0;
    }
    d.ayuda1 = std::to_string(d.codigo) + "," + std::to_string(d.orden) + "," + std::to_string(d.x1)
               + "," + std::to_string(d.y1);
    const std::string tecla = std::to_string(d.tecla);
    if ((d.tipo == 2 || d.tipo == 7) && d.tecla != 0)
        d.ayuda1 += ",F" + tecla;
    if (d.tipo == 7)
        d.ayuda2 = d.tecla != 0 ? d.etiqueta + ",F" + tecla : d.etiqueta;
    else if (d.tipo == 2 && d.tecla != 0)
        d.ayuda2 = "F" + tecla;
    d.escalaX = escalaX;
    d.escalaY = escalaY;
    return d;
}

void Suma(std::string_view linia, SumaPantalla& suma)
{
    const Columnes c(linia);
    suma.NovaLinia();
    suma.Afegeix(c.Tros(15, 3));
    suma.Afegeix(c.Tros(98, kLongitud - 98));
}

std::string Formata(const char* registre)
{
    std::string linia;
    linia.reserve(kLongitud);
    std::string id = Camp(registre, 1).substr(0, 2) + Camp(registre, 2).substr(0, 10)
                     + AmbZeros(Nombre(registre, 3), 3);
    linia += Ajusta(std::move(id), kLongitudId);
    linia += AmbZeros(Nombre(registre, 4), 3);
    linia += Ajusta(Camp(registre, 5), 80);
    for (int n = 6; n <= 9; ++n)
        linia += AmbZeros(Nombre(registre, n), 4);
    auto lletra = [&](int n) {
        const std::string camp = Camp(registre, n);
        linia += camp.empty() ? ' ' : camp[0];
    };
    for (int n = 10; n <= 13; ++n)
        lletra(n);
    linia += AmbZeros(Nombre(registre, 14), 5);
    lletra(15);
    lletra(16);
    linia += AmbZeros(Nombre(registre, 17), 3);
    linia += AmbZeros(Nombre(registre, 18), 3);
    // A line end sent inside a field would split the line in two.
    std::replace(linia.begin(), linia.end(), '\n', ' ');
    std::replace(linia.begin(), linia.end(), '\r', ' ');
    return linia;
}

} // namespace LiniaPantalla
