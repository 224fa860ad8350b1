// A screen reply carried into the controls, and the sound it may ask for.
#include "app/Configuracio.h"
#include "framework/BibliotequesSistema.h"
#include "framework/controls/ControlBase.h"
#include "link/Comunicador.h"
#include "screens/Resposta.h"
#include "screens/Vista.h"

static_assert((SND_RESOURCE | SND_NODEFAULT) == 0x40006, "resource sound flags");
static_assert(SND_ALIAS == 0x10000, "system sound flag");
static_assert(EM_SETREADONLY == 0xCF, "read-only message");

namespace {

class AlsControls : public Resposta::Observador {
public:
    explicit AlsControls(Vista& v) : v_(v) {}

    void So(int recurs) override
    {
        v_.recursoSonido = recurs;
        v_.sonidoPendiente = 1;
    }

    void Valor(int, const ControlDef& camp) override
    {
        v_.repinta = 1;
        if (camp.control)
            camp.control->SetValue(camp.valor.c_str());
    }

    void Estat(int, const ControlDef& camp) override
    {
        v_.repinta = 1;
        if (!camp.control)
            return;
        const HWND w = camp.control->Window();
        const HWND etiqueta = camp.control->LabelWindow();
        switch (camp.estado) {
        case '1':
            SendMessageA(w, EM_SETREADONLY, 1, 0);
            ShowWindow(w, SW_SHOW);
            if (etiqueta)
                ShowWindow(etiqueta, SW_SHOW);
            break;
        case '2':
            ShowWindow(w, SW_HIDE);
            if (etiqueta)
                ShowWindow(etiqueta, SW_HIDE);
            break;
        default:
            SendMessageA(w, EM_SETREADONLY, 0, 0);
            if (etiqueta)
                ShowWindow(etiqueta, SW_SHOW);
            ShowWindow(w, SW_SHOW);
            break;
        }
    }

    void Log(const std::string& text) override { configuracio.AnotaLog(text); }

private:
    Vista& v_;
};

} // namespace

void Vista::CargaDatos()
{
    AlsControls controls(*this);
    campoAFoco = Resposta::Aplica(comunicador->trama, campos, campoDefecto, idPantalla,
                                  configuracio.logClient != 0, controls);
}

bool Vista::AvisoSonoro()
{
    if (sonidoPendiente) {
        if (const Win::Sons* sons = Win::Diferida<Win::Sons>::Get()) {
            if (!sons->PlaySoundA(MAKEINTRESOURCEA(recursoSonido), recursos, SND_RESOURCE | SND_NODEFAULT))
                sons->PlaySoundA("SystemExclamation", nullptr, SND_ALIAS);
        }
        sonidoPendiente = 0;
    }
    if (!alFrente)
        return false;
    if (!SetForegroundWindow(hwnd))
        return false;
    alFrente = 0;
    return true;
}
