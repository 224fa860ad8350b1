#ifndef KORVU_SCREENS_PANTALLAINICIO_H
#define KORVU_SCREENS_PANTALLAINICIO_H

#include "framework/controls/ControlDef.h"

#include <string>
#include <vector>

// The client's own login screen: its seven records and the values they start with.
class PantallaInicio {
public:
    static constexpr const char* kId = "KRVINI  01001";
    enum { kLogo, kUsuario, kClave, kEmpresa, kIdioma, kAcceso, kAceptar, kRegistros };

    static std::vector<ControlDef> Registros(double escalaX, double escalaY);

    // What the configuration and the command line give.
    struct Login {
        std::string usuario;
        std::string clave;  // only from the command line
        std::string empresa;
        std::string idioma;
        std::string acceso;  // "S" or "N"
    };

    // Writes the values of the records; returns the text for the password control (empty
    // with `poner` false: the control is left as it is).
    static std::string Rellena(std::vector<ControlDef>& campos, const Login& login, bool& poner);

    // The demonstration account, compared exactly.
    static bool EsDemostracion(const std::string& usuario, const std::string& empresa);
};

#endif
