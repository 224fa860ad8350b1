#include "screens/OrdreTabulacio.h"

namespace {

constexpr int kMax = 1000;

bool Dentro(const OrdreTabulacio::Campos& campos, int i)
{
    return i >= 0 && i < static_cast<int>(campos.size()) && i < kMax;
}

int Limite(const OrdreTabulacio::Campos& campos)
{
    return campos.size() < static_cast<unsigned>(kMax) ? static_cast<int>(campos.size()) : kMax;
}

} // namespace

int OrdreTabulacio::Siguiente(const Campos& campos, int c)
{
    if (!Dentro(campos, c))
        return -1;
    const int t = campos[c].orden;
    int siguiente = -1;
    int primero = -1;
    for (int i = 0; i < Limite(campos); ++i) {
        const ControlDef& f = campos[i];
        if (f.estado != '0' || f.orden >= 999)
            continue;
        if (f.orden > t && (siguiente < 0 || f.orden < campos[siguiente].orden))
            siguiente = i;
        if (f.orden >= 1 && (primero < 0 || f.orden < campos[primero].orden))
            primero = i;
    }
    return siguiente >= 0 ? siguiente : primero;
}

int OrdreTabulacio::Anterior(const Campos& campos, int c)
{
    if (!Dentro(campos, c))
        return -1;
    const int t = campos[c].orden;
    int anterior = -1;
    int ultimo = -1;
    for (int i = 0; i < Limite(campos); ++i) {
        const ControlDef& f = campos[i];
        if (f.estado != '0' || f.orden == 0)
            continue;
        if (f.orden < t && (anterior < 0 || f.orden > campos[anterior].orden))
            anterior = i;
        if (f.orden >= 1 && (ultimo < 0 || f.orden > campos[ultimo].orden))
            ultimo = i;
    }
    return anterior >= 0 ? anterior : ultimo;
}

int OrdreTabulacio::CampoDefecto(const Campos& campos)
{
    int candidato = -1;
    int menor = 999;
    for (int i = 0; i < Limite(campos); ++i) {
        const ControlDef& f = campos[i];
        if (f.control && f.orden != 0 && f.estado == '0' && f.orden < menor) {
            menor = f.orden;
            candidato = i;
        }
    }
    // A negative order can win; a candidate past the table's scan limit means none.
    return candidato >= 0 && candidato < 999 ? candidato : -1;
}

bool OrdreTabulacio::PaginaDeTab(const ControlDef& tira, int indice, int& pagina)
{
    for (const ControlDef::Element& e : tira.elementos) {
        if (e.extra == indice) {
            pagina = e.numero;
            return true;
        }
    }
    return false;
}

bool OrdreTabulacio::TabDePagina(const ControlDef& tira, int pagina, int& indice)
{
    for (const ControlDef::Element& e : tira.elementos) {
        if (e.numero == pagina) {
            indice = e.extra;
            return true;
        }
    }
    return false;
}

int OrdreTabulacio::PrimerCampoPagina(const Campos& campos, int c, int tira, int indice)
{
    if (!Dentro(campos, c) || campos[c].pagina == 0 || !Dentro(campos, tira))
        return -1;
    int p = 0;
    if (!PaginaDeTab(campos[tira], indice, p) || p == campos[c].pagina)
        return -1;
    int mejor = -1;
    for (int i = 0; i < Limite(campos); ++i) {
        const ControlDef& f = campos[i];
        if (!f.control || f.estado == '2' || f.pagina != p || f.orden < 1 || f.orden > 999)
            continue;
        if (mejor < 0 || f.orden <= campos[mejor].orden)
            mejor = i;
    }
    return mejor;
}

int OrdreTabulacio::Visibilidad(const ControlDef& campo, int pagina)
{
    if (campo.estado != '2' && campo.pagina == pagina)
        return 1;
    if (campo.estado == '2' || (campo.pagina != pagina && campo.pagina != 0 && campo.tipo != 10))
        return 0;
    return -1;
}

bool OrdreTabulacio::Pulsable(int tipo)
{
    return tipo == 2 || tipo == 7 || tipo == 8 || tipo == 9 || tipo == 14;
}

OrdreTabulacio::Salida OrdreTabulacio::AlSalir(const Campos& campos, int l, int n)
{
    if (!Dentro(campos, l) || !Dentro(campos, n))
        return kNada;
    const ControlDef& deja = campos[l];
    if (deja.accion != 1 || deja.estado == '1' || Pulsable(deja.tipo))
        return kNada;
    return Pulsable(campos[n].tipo) ? kPendiente : kAhora;
}
