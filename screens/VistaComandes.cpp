// Keyboard commands, the refresh timer and the paging of listings.
#include "app/Configuracio.h"
#include "framework/controls/ControlBase.h"
#include "link/Comunicador.h"
#include "screens/Comandes.h"
#include "screens/Vista.h"

int Vista::TrataComando(int comanda)
{
    if (comanda == Comandes::kCtrlD) {
        configuracio.modeDesenvolupament =
            configuracio.modeDesenvolupament ? 0 : configuracio.desenvolupamentPermes;
        SetToolTips();
        return kMaxCamps;
    }
    if (comanda == Comandes::kCtrlL) {
        configuracio.CambiaLog();
    } else if (configuracio.modeDesenvolupament) {
        if (const unsigned char byte = Comandes::ByteDepuracio(comanda)) {
            comunicador->trama[5] = static_cast<char>(byte);
            return kMaxCamps;
        }
    }
    const int i = Comandes::Camp(campos, comanda);
    if (i != kMaxCamps)
        campoDisparo = i;
    return i;
}

bool Vista::DisparaCampoCodigo24()
{
    // 0 stands both for "none" and for the first record: the record itself tells them apart.
    if (campoRefresco >= NumCampos() || campos[campoRefresco].codigo != 24)
        return false;
    campoDisparo = campoRefresco;
    return true;
}

void Vista::IniciaTemporizador()
{
    if (configuracio.intermens != 0)
        SetTimer(hwnd, kTemporizador, static_cast<UINT>(configuracio.intermens) * 1000u, nullptr);
}

bool Vista::PaginaListado(int codigo)
{
    try {
        Win::EstatLlistat& e = estatLlistat;
        if (!Comandes::Pagina(codigo, e.primeraVisible, static_cast<int>(e.columnes.size()), e.ultimaPrimera))
            return false;
        for (Win::EstatLlistat::Columna& c : e.columnes)
            c.pixel = 0;
        for (std::size_t i = 0; i < campos.size() && i < kMaxCamps; ++i)
            if ((campos[i].tipo == 9 || campos[i].tipo == 11) && campos[i].control)
                campos[i].control->Clear();
        return true;
    } catch (...) {
        return false;
    }
}
