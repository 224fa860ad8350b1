// The two requests of the view: the login request and the values request.
#include "app/Configuracio.h"
#include "framework/DispError.h"
#include "framework/ErrorBox.h"
#include "framework/controls/ControlBase.h"
#include "link/Comunicador.h"
#include "screens/PantallaInicio.h"
#include "screens/Peticio.h"
#include "screens/Vista.h"

#include <vector>

namespace {

// The text of a login-screen control, read as its window gives it (count with the terminator).
std::string TextControl(const std::vector<ControlDef>& campos, int i, int count)
{
    char b[16] = {};
    if (static_cast<std::size_t>(i) < campos.size() && campos[i].control && campos[i].control->Window())
        GetWindowTextA(campos[i].control->Window(), b, count);
    return b;
}

} // namespace

void Vista::EnviaInicio()
{
    if (campos.size() < PantallaInicio::kRegistros)
        throw DispError("Error #ref 001, cargando pantalla inicial");
    Peticio::Inici d;
    d.usuari = TextControl(campos, PantallaInicio::kUsuario, 15);
    configuracio.usuario = d.usuari;
    d.clau = TextControl(campos, PantallaInicio::kClave, 15);
    configuracio.password = d.clau;
    d.empresa = TextControl(campos, PantallaInicio::kEmpresa, 9);
    configuracio.empresa = d.empresa;
    CanviaTitFinrestra();
    d.idioma = TextControl(campos, PantallaInicio::kIdioma, 3);
    configuracio.idioma = d.idioma;
    d.mascaraDebug = configuracio.mascaraDebug;

    ControlDef& acceso = campos[PantallaInicio::kAcceso];
    if (acceso.control) {
        char b[8] = {};
        acceso.control->GetValue(b, sizeof b);
        acceso.valor = b;
    }
    configuracio.Desa(acceso.valor, campos[PantallaInicio::kUsuario].valor,
                      campos[PantallaInicio::kEmpresa].valor, campos[PantallaInicio::kIdioma].valor, "", 0);

    d.codePage = GetACP();
    d.grup = configuracio.Grup();
    d.versio = configuracio.versio;
    Peticio::EscriuInici(comunicador->trama, d);
}

bool Vista::PreparaMisOut()
{
    class Lector : public Peticio::LectorValor {
    public:
        explicit Lector(Vista& v) : v_(v) {}
        std::string Valor(int, const ControlDef& camp) override
        {
            if (!camp.control)
                return camp.valor;
            buffer_[0] = '\0';
            camp.control->GetValue(buffer_.data(), static_cast<int>(buffer_.size()));
            buffer_.back() = '\0';
            return buffer_.data();
        }
        int Columna() override { return v_.estatLlistat.columnes.empty() ? 10 : v_.estatLlistat.columnaTriada; }

    private:
        Vista& v_;
        std::vector<char> buffer_ = std::vector<char>(8196);  // one for every field
    } lector(*this);
    const std::string error =
        Peticio::EscriuValors(comunicador->trama, campos, campoDisparo, campoActual, lector);
    if (error.empty())
        return true;
    MuestraDispError(error);
    return false;
}
