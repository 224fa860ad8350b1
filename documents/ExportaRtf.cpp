#include "documents/ExportaRtf.h"

#include "documents/FluxRegistres.h"
#include "framework/DispError.h"
#include "framework/controls/EstatLlistat.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace {

struct Columna {
    bool numerica;
    std::size_t amplada;
};

const char* MidaLletra(std::size_t llarg)
{
    if (llarg <= 73)
        return "\\fs24 ";
    if (llarg <= 88)
        return "\\fs20 ";
    if (llarg <= 98)
        return "\\fs18 ";
    if (llarg <= 108)
        return "\\fs16 ";
    if (llarg == 109)
        return "\\fs20 ";
    if (llarg <= 124)
        return "\\fs18 ";
    if (llarg <= 142)
        return "\\fs16 ";
    return "\\fs14 ";
}

// Listing text as RTF text: markup characters escaped, bytes outside ASCII as \'hh.
std::string Escapa(std::string_view text)
{
    static const char kHex[] = "0123456789abcdef";
    std::string document;
    document.reserve(text.size());
    for (const char c : text) {
        const unsigned char b = static_cast<unsigned char>(c);
        if (c == '\\' || c == '{' || c == '}') {
            document += '\\';
            document += c;
        } else if (b >= 0x80 || (b < 0x20 && c != '\t' && c != '\r' && c != '\n')) {
            document += "\\'";
            document += kHex[b >> 4];
            document += kHex[b & 0x0F];
        } else {
            document += c;
        }
    }
    return document;
}

} // namespace

std::string NomDocumentRtf(const std::string& cami)
{
    const std::size_t barra = cami.find_last_of("\\/:");
    const std::size_t inici = barra == std::string::npos ? 0 : barra + 1;
    const std::size_t punt = cami.find('.', inici);
    return cami.substr(0, punt) + ".rtf";
}

std::string FormataFilaRtf(std::string_view fila)
{
    if (fila.size() < 7)
        return " ";
    std::vector<Columna> columnes;
    std::size_t p = 5;
    for (;;) {
        if (p >= fila.size())
            throw DispError("Error\tinterno\t#ref 052");
        const char lletra = fila[p];
        if (lletra == ';')
            break;
        if (lletra != 'X' && lletra != 'N' && lletra != 'n' && lletra != 'E' && lletra != 'e')
            return "---";
        if (p + 5 > fila.size())
            throw DispError("Error\tinterno\t#ref 052");
        const auto amplada = static_cast<std::size_t>(Win::EstatLlistat::AmpleDescriptor(fila.substr(p + 1)));
        const bool numerica = lletra != 'X';
        columnes.push_back({numerica, amplada + (numerica ? 1 : 0)});
        p += 5;
    }

    std::string linia;
    std::size_t v = p + 1;
    for (const Columna& c : columnes) {
        // Once the values run out, the remaining columns are blank.
        std::string_view valor;
        if (v <= fila.size()) {
            const std::size_t tab = fila.find('\t', v);
            valor = fila.substr(v, tab == std::string_view::npos ? std::string_view::npos : tab - v);
            v = tab == std::string_view::npos ? fila.size() + 1 : tab + 1;
        }
        if (valor.size() >= c.amplada) {
            linia += valor.substr(0, c.amplada);
        } else if (c.numerica) {
            linia.append(c.amplada - valor.size(), ' ');
            linia += valor;
        } else {
            linia += valor;
            linia.append(c.amplada - valor.size(), ' ');
        }
        linia += ' ';
    }
    return linia;
}

bool EscriuRtf(std::string_view llistat, std::ostream& sortida)
{
    std::size_t llarg = 0;
    FluxRegistres primera(llistat);
    while (!primera.Fi()) {
        llarg = std::max(llarg, primera.Registre().size());
        primera.Salta();
    }
    const std::string mida = MidaLletra(llarg);

    int grups = 1;
    sortida << "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang3082"
               "{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset0 Courier New;}}";
    if (llarg >= 109)
        sortida << "\\paperw15840\\paperh12240\\landscape ";
    sortida << "\\margl800\\margr474 ";

    // Written a record at a time: a row of wide columns alone can take hundreds of kilobytes.
    bool correcte = true;
    FluxRegistres f(llistat);
    int tipus = f.Byte();
    bool capcaleraOberta = false;
    while (!f.Fi() && sortida) {
        if (tipus == 'A' || tipus == 'B' || tipus == 'D') {
            if (!capcaleraOberta) {
                sortida << "{\\header " << mida;
                ++grups;
                capcaleraOberta = true;
            }
        } else if (tipus == 'E') {
            if (capcaleraOberta) {
                sortida << std::string(llarg, '-') << "\\par }{" << mida;
                capcaleraOberta = false;
            }
        } else {
            correcte = false;
            break;
        }
        std::string text(f.Registre());
        if (tipus == 'D')
            text = FormataFilaRtf(text);
        sortida << Escapa(FluxRegistres::MarcaRetorns(std::move(text))) << "\\par ";
        f.Salta();
        tipus = f.Byte();
    }
    sortida << std::string(static_cast<std::size_t>(grups), '}');
    return correcte;
}

bool EscriuRtf(std::string_view llistat, std::string& document)
{
    std::ostringstream sortida;
    const bool correcte = EscriuRtf(llistat, sortida);
    document = sortida.str();
    return correcte;
}
