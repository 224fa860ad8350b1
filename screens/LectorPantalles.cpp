#include "screens/LectorPantalles.h"

#include "screens/LiniaPantalla.h"

#include <cstdint>
#include <cstring>
#include <utility>

namespace {

// The 15 bytes of an identifier compared in words: every line of the file ahead of the screen
// is compared, and the library's comparison is a call per line.
bool MateixId(const char* a, const char* b)
{
    std::uint32_t x[3], y[3];
    std::memcpy(x, a, 12);
    std::memcpy(y, b, 12);
    return x[0] == y[0] && x[1] == y[1] && x[2] == y[2] && a[12] == b[12] && a[13] == b[13] && a[14] == b[14];
}

} // namespace

LectorPantalles::LectorPantalles(FontBytes& font) : linies_(font)
{
}

bool LectorPantalles::EsDeLaPantalla() const
{
    return teLinia_ && linia_.size() >= LiniaPantalla::kLongitudId && MateixId(linia_.data(), id_.data());
}

bool LectorPantalles::Cerca(std::string_view id)
{
    id_ = std::string(id);
    if (id_.size() != LiniaPantalla::kLongitudId)
        return false;
    etapa = kCercant;
    teLinia_ = linies_.CercaInici(id_, linia_, saltades);
    if (!teLinia_)
        return false;
    etapa = kTrobada;
    return true;
}

std::string LectorPantalles::Progres() const
{
    return std::to_string(saltades) + "-" + std::to_string(etapa) + "-" + std::to_string(marcador);
}

std::vector<ControlDef> LectorPantalles::Llegeix(double escalaX, double escalaY)
{
    etapa = kTaulaBuidada;
    std::vector<ControlDef> taula;
    ControlDef pestanyes;  // field code 0: no tab strip yet
    suma_ = SumaPantalla();
    while (EsDeLaPantalla()) {
        etapa = kLinia;
        LiniaPantalla::Suma(linia_, suma_);
        ControlDef d = LiniaPantalla::Llegeix(linia_, id_, escalaX, escalaY);
        etapa = kLiniaDesada;
        if (d.tipo == 10) {
            if (pestanyes.codigo == 0)
                pestanyes = d;
            pestanyes.AfegeixElement(d.pagina, d.etiqueta);
            marcador = kMarcaPestanyes;
        } else {
            taula.push_back(std::move(d));
            marcador = kMarcaCamp;
        }
        teLinia_ = linies_.Seguent(linia_);
    }
    if (pestanyes.codigo != 0)
        taula.push_back(std::move(pestanyes));
    return taula;
}
