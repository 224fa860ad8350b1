#include "screens/Peticio.h"

#include "framework/DispError.h"
#include "link/Camps.h"
#include "link/Trama.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int kCamps = 90;

// Replaces field n of the record at text byte 50 by `valor` (cut at a separator, as any field
// taken from a one-field record is).
void PosaCamp(char* text, int n, const std::string& valor)
{
    ReplaceField(valor.c_str(), text + Trama::kIniciRegistre, 1, n,
                 Trama::kMidaText - Trama::kIniciRegistre);
}

std::string Talla(const std::string& s, std::size_t max)
{
    std::string r = s.substr(0, std::strlen(s.c_str()));
    return r.size() > max ? r.substr(0, max) : r;
}

// Length of field n of a record; -1 when the record has fewer fields.
long LongitudCamp(const char* record, int n)
{
    int comptador = 1;
    const char* p = record;
    while (comptador < n) {
        if (*p == '\0')
            return -1;
        if (static_cast<unsigned char>(*p) == Trama::kSeparador)
            ++comptador;
        ++p;
    }
    long len = 0;
    while (p[len] != '\0' && static_cast<unsigned char>(p[len]) != Trama::kSeparador)
        ++len;
    return len;
}

void Tres(char* desti, int valor)
{
    char b[16];
    std::snprintf(b, sizeof b, "%03i", valor);
    CopyBytes(b, desti, 3, 0);
}

const ControlDef* Camp(const std::vector<ControlDef>& camps, int i)
{
    return i >= 0 && static_cast<std::size_t>(i) < camps.size() ? &camps[i] : nullptr;
}

} // namespace

void Peticio::EscriuInici(char* text, const Inici& d)
{
    std::memset(text, 0, Trama::kMidaText);
    text[0] = static_cast<char>(0xFE);
    std::memcpy(text + 1, "0a00", 4);
    text[5] = static_cast<char>(0x80);
    CopyBytes("               ", text + 6, 15, 0);
    CopyBytes("00000000", text + 36, 8, 0);
    CopyBytes("EsKRVINI  01001", text + 21, 15, 0);
    CopyBytes("000", text + 44, 3, 0);
    CopyBytes("000", text + 47, 3, 0);
    char* p = text + Trama::kIniciRegistre;
    for (int i = 0; i < kCamps; ++i) {
        *p++ = '0';
        *p++ = '0';
        *p++ = static_cast<char>(Trama::kSeparador);
    }
    *p = '\0';
    PosaCamp(text, 51, "00" + Talla(d.usuari, kMaxUsuari));
    PosaCamp(text, 52, "10" + Talla(d.clau, kMaxClau));
    PosaCamp(text, 53, "10" + Talla(d.empresa, kMaxEmpresa));
    PosaCamp(text, 54, "10" + Talla(d.idioma, kMaxIdioma));
    text[5] = static_cast<char>(d.mascaraDebug);
    PosaCamp(text, 55, "10WIN" + std::to_string(d.codePage));
    PosaCamp(text, 56, "10" + Talla(d.grup, 100));
    PosaCamp(text, 57, "10" + Talla(d.versio, 100));
}

std::string Peticio::Prefix(const ControlDef& camp)
{
    std::string p(2, '0');
    p[0] = static_cast<char>(static_cast<unsigned char>(camp.estado + camp.marcaValor));
    p[1] = static_cast<char>(camp.estilo);
    return p;
}

std::string Peticio::EscriuValors(char* text, std::vector<ControlDef>& camps, int disparador,
                                  int actual, LectorValor& lector)
{
    // Written on a copy and put in place only whole.
    std::vector<char> nou(text, text + Trama::kMidaText);
    std::vector<std::string> valors(camps.size());
    int progres = 0;
    int codi = 0;
    try {
        char* t = nou.data();
        char* record = t + Trama::kIniciRegistre;
        const ControlDef* dispara = Camp(camps, disparador);
        Tres(t + 44, dispara ? dispara->codigo : 0);
        progres = 1;
        const ControlDef* actiu = Camp(camps, actual);
        Tres(t + 47, actiu ? actiu->codigo : 0);
        progres = 4;
        char codi7[2];
        std::vector<char> resta(Trama::kMidaText);
        GetCodedField(record, resta.data(), codi7, 7, resta.size());
        progres = 6;
        // A field shorter than its code gives what it has: the "0" follows that.
        PosaCamp(t, 7, std::string(codi7, codi7[0] == '\0' ? 0 : codi7[1] == '\0' ? 1 : 2) + "0");
        for (std::size_t i = 0; i < camps.size() && i < 1000; ++i) {
            ControlDef& camp = camps[i];
            progres = 8;
            codi = camp.codigo;
            if (camp.subtipo == 4)
                continue;
            std::string valor = lector.Valor(static_cast<int>(i), camp);
            progres = 9;
            valor = Prefix(camp) + valor.substr(0, std::strlen(valor.c_str()));
            const long vell = LongitudCamp(record, camp.codigo);
            if (vell < 0)
                throw DispError("Error #ref 018, probable error en la definición de pantalla, falta un campo");
            const std::size_t llarg = std::strlen(t) - static_cast<std::size_t>(vell) + valor.size();
            if (llarg > kMaxText)
                throw DispError("request too long for one frame");
            PosaCamp(t, camp.codigo, valor);
            valors[i] = valor.substr(2);
        }
        progres = 9;
        if (dispara && dispara->tipo == 11)
            Tres(t + 47, lector.Columna());
    } catch (...) {
        char b[96];
        std::snprintf(b, sizeof b, "Error #ref 043, Vista.PreparaMisOut: %ictrl: %i", progres, codi);
        return b;
    }
    std::memcpy(text, nou.data(), Trama::kMidaText);
    for (std::size_t i = 0; i < camps.size() && i < 1000; ++i)
        if (camps[i].subtipo != 4)
            camps[i].valor = valors[i];
    return std::string();
}
