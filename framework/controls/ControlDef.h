#ifndef KORVU_FRAMEWORK_CONTROLS_CONTROLDEF_H
#define KORVU_FRAMEWORK_CONTROLS_CONTROLDEF_H

#include <string>
#include <vector>

namespace Win {
class ControlBase;
}

// One field of a screen: where it sits, which control shows it, how its value travels and the
// texts around it. Filled by the screen loader (or in code for the login screen) and kept in the
// view's field table; the control built for it keeps a pointer to it for its whole life.
class ControlDef {
public:
    // One tab of a tab strip.
    struct Element {
        int numero = 0;
        std::string texto;
        int extra = 0;
    };

    int codigo = 0;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int opcion = 0;
    int posEtiqueta = 0;
    int tipo = 3;
    int subtipo = 1;
    int marca = 0;
    int longMax = 0;
    int longVisible = 0;
    int variante = 0;
    int accion = 0;
    int estado = '0';
    int estilo = '0';
    int orden = 0;
    int decimales = 0;
    std::string valor;
    std::string etiqueta;
    Win::ControlBase* control = nullptr; // not owned: the view owns the controls
    int pagina = 0;
    std::vector<Element> elementos;
    double escalaX = 1.0;
    double escalaY = 1.0;
    int marcaValor = 0;
    double reservado = 0.0;
    bool marcaPanel = false;
    std::string ayuda1;
    std::string ayuda2;
    int tecla = 0;
    int imagen = 0;
    int modoImagen = 1;

    // Adds a tab in ascending order of number, ahead of any tab with the same number, and
    // clears `marca`.
    void AfegeixElement(int numero, std::string texto);
};

#endif
