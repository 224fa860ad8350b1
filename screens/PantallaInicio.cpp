#include "screens/PantallaInicio.h"

namespace {

struct Fila {
    int codigo;
    const char* etiqueta;
    int tipo;
    int subtipo;
    int x1, y1, x2, y2;
    int posEtiqueta;
    int longMax;
    int orden;
    int accion;
};

const Fila kFilas[PantallaInicio::kRegistros] = {
    {2, "", 4, 9, 0, 0, 250, 400, 2, 0, 0, 0},
    {51, "Usuario", 0, 1, 240, 34, 0, 0, 1, 15, 5, 0},
    {52, "Clave", 0, 3, 240, 62, 0, 0, 1, 12, 10, 0},
    {53, "Empresa", 0, 1, 240, 90, 0, 0, 1, 6, 15, 0},
    {54, "Idioma", 0, 1, 240, 118, 0, 0, 1, 2, 20, 0},
    {55, "Acceso remoto", 1, 7, 200, 140, 0, 0, 1, 0, 25, 0},
    {56, "Aceptar", 2, 4, 240, 175, 0, 0, 2, 10, 30, 1},
};

} // namespace

std::vector<ControlDef> PantallaInicio::Registros(double escalaX, double escalaY)
{
    std::vector<ControlDef> campos;
    campos.reserve(kRegistros);
    for (const Fila& f : kFilas) {
        ControlDef d;
        d.codigo = f.codigo;
        d.etiqueta = f.etiqueta;
        d.tipo = f.tipo;
        d.subtipo = f.subtipo;
        d.x1 = f.x1;
        d.y1 = f.y1;
        d.x2 = f.x2;
        d.y2 = f.y2;
        d.posEtiqueta = f.posEtiqueta;
        d.longMax = f.longMax;
        d.longVisible = f.longMax;
        d.orden = f.orden;
        d.accion = f.accion;
        d.escalaX = escalaX;
        d.escalaY = escalaY;
        campos.push_back(d);
    }
    campos[kAceptar].tecla = 18;
    return campos;
}

std::string PantallaInicio::Rellena(std::vector<ControlDef>& campos, const Login& login, bool& poner)
{
    poner = false;
    if (campos.size() < static_cast<unsigned>(kRegistros))
        return std::string();
    campos[kLogo].valor = "247";
    campos[kUsuario].valor = login.usuario;
    campos[kEmpresa].valor = login.empresa;
    campos[kIdioma].valor = login.idioma;
    campos[kAcceso].valor = login.acceso;
    std::string texto;
    if (!login.clave.empty()) {
        campos[kClave].valor = login.clave;
        texto = login.clave;
        poner = true;
    }
    if (EsDemostracion(campos[kUsuario].valor, campos[kEmpresa].valor)) {
        texto = "tavu";
        poner = true;
    }
    return texto;
}

bool PantallaInicio::EsDemostracion(const std::string& usuario, const std::string& empresa)
{
    return usuario == "tavu" && empresa == "k417";
}
