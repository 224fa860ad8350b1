#include "documents/SortidaFitxer.h"

#include "app/Configuracio.h"
#include "documents/BlocsFitxer.h"
#include "documents/ConversorInforme.h"
#include "documents/DialegFitxer.h"
#include "documents/ExportaRtf.h"
#include "documents/FitxerNou.h"
#include "documents/FluxRegistres.h"
#include "documents/ImpresioDirecta.h"
#include "documents/ImpresioRaw.h"
#include "documents/NomSimple.h"
#include "documents/Programes.h"
#include "documents/Transferencia.h"
#include "framework/DispError.h"
#include "framework/MsgBox.h"
#include "link/Comunicador.h"

namespace {

const char kCaption[] = "Korvuc";
const char kVisor[] = "runvexa.exe";
const char kJava[] = "javaw.exe";
static_assert(MB_ICONEXCLAMATION == 0x30 && MB_ICONINFORMATION == 0x40, "the output boxes");

void Avisa(const std::string& text)
{
    Win::MsgBox::Show(nullptr, text.c_str(), kCaption, MB_ICONEXCLAMATION);
}

// Deletes a received temporary file once its consumer is done with it.
struct Temporal {
    std::string ruta;
    ~Temporal()
    {
        if (!ruta.empty())
            DeleteFileA(ruta.c_str());
    }
};

} // namespace

bool SortidaFitxer::ConverteixFitxer(const std::string& font, const std::string& extensio,
                                     std::string& convertit)
{
    convertit = ConversorInforme::RutaConvertida(font, extensio);
    std::string informe;
    if (!FluxRegistres::LlegeixFitxer(font, informe))
        return false;
    const std::string text = ConversorInforme::Converteix(informe);
    FitxerNou sortida(convertit);
    return sortida.Obre() && sortida.Escriu(text.data(), static_cast<DWORD>(text.size())) &&
           sortida.Confirma(false);
}

void SortidaFitxer::TrataFicheroRecibido()
{
    const int m = BlocsFitxer::AccioMode(com_.trama[4]);
    const std::string nom = Transferencia::Camp(com_, 1);
    com_.Transmit(3, 0);

    char tmp[MAX_PATH + 1];
    const DWORD n = GetEnvironmentVariableA("TMP", tmp, sizeof tmp);
    if (n == 0 || n >= sizeof tmp)
        throw DispError("Error #ref 023, error solicitando variable de entorno");

    std::string rebut;
    std::string linia;
    Temporal temporal;
    if (m == BlocsFitxer::kJava || m == BlocsFitxer::kProvaImpres) {
        rebut = std::string(tmp) + "\\" + nom;
        if (!NomSimple::EsNomSimple(nom) || rebut.size() >= MAX_PATH)
            throw DispError("Error #ref 025, error creando temporal");
        const std::string j = configuracio.DirJfree();
        linia = std::string(kJava) + " -cp " + Programes::Cita(j) + " -jar " +
                Programes::Cita(j + "reports.jar") + " " + Programes::Cita(rebut);
    } else {
        char unic[MAX_PATH];
        if (!GetTempFileNameA(tmp, "{tm", 0, unic))
            throw DispError("Error #ref 024, error creando temporal");
        rebut = unic;
        temporal.ruta = rebut;
    }

    FitxerNou fitxer(rebut);
    if (!fitxer.Obre())
        throw DispError("Error #ref 025, error creando temporal");
    if (!Transferencia(com_, finestra_).Rep(fitxer, temporal.ruta == rebut))
        throw DispError("Error #ref 026, error recibiendo datos ");
    Lliura(m, rebut, nom, linia);
}

void SortidaFitxer::Lliura(int m, const std::string& rebut, const std::string& nom,
                           const std::string& linia)
{
    switch (m) {
    case BlocsFitxer::kRtf:
    case BlocsFitxer::kImpressioDirecta:
    case BlocsFitxer::kImpressioRaw:
        Impressio(m, rebut);
        return;
    case BlocsFitxer::kFullCalcul: {
        std::string convertit;
        if (!ConverteixFitxer(rebut, configuracio.exthojac, convertit))
            convertit.clear();
        if (configuracio.so == 2) {
            Programes::IniciaVisor(kVisor, convertit);
            return;
        }
        if (!convertit.empty() && Programes::ObreAmbFinestra(finestra_, convertit))
            return;
        Avisa("No se ha podido lanzar la aplicación con extensión rtf");
        std::string desti;
        if (DialegFitxer::Desa(finestra_, "informe.txt", configuracio.DirDocuments(), desti) &&
            (convertit.empty() || !FitxerNou::Copia(convertit, desti)))
            Avisa("Error #ref 037, no se ha podido guardar el informe");
        return;
    }
    case BlocsFitxer::kJava:
        if (configuracio.so == 2)
            Programes::IniciaVisor(kVisor, rebut);
        else
            Programes::Inicia(kJava, linia);
        return;
    case BlocsFitxer::kFitxers: {
        std::string copia;
        if (NomSimple::EsNomSimple(nom))
            copia = configuracio.DirFitxers() + nom;
        if (copia.empty() || copia.size() >= MAX_PATH ||
            !FitxerNou::Copia(rebut, copia)) {
            Avisa("Error #ref 046, no se ha podido guardar el fichero");
            return;
        }
        const bool obert = configuracio.so == 2 ? Programes::IniciaVisor(kVisor, copia)
                                                : Programes::ObreAmbFinestra(finestra_, copia);
        if (!obert)
            Avisa("Error #ref 048, no se encuentra aplicación asociada para abir el fichero\n" + copia);
        return;
    }
    case BlocsFitxer::kProvaImpres: {
        const std::string docs = configuracio.DirDocuments();
        WIN32_FIND_DATAA dades;
        const HANDLE h = FindFirstFileA((docs + "*.xml").c_str(), &dades);
        if (h == INVALID_HANDLE_VALUE) {
            Win::MsgBox::Show(nullptr, "No se encuentra ningún impreso para probar", "Aviso",
                              MB_ICONINFORMATION);
            return;
        }
        std::string impres;
        do {
            if (dades.dwFileAttributes != FILE_ATTRIBUTE_READONLY) {
                impres = dades.cFileName;
                break;
            }
        } while (FindNextFileA(h, &dades));
        FindClose(h);
        if (!impres.empty())
            Programes::Inicia(kJava, linia + " " + Programes::Cita(docs + impres));
        return;
    }
    default: {
        // The suggestion is only a name: the user picks the folder.
        const std::string suggerit = NomSimple::EsNomSimple(nom) ? nom : std::string();
        std::string desti;
        if (DialegFitxer::Desa(finestra_, suggerit, configuracio.DirFitxers(), desti) &&
            !FitxerNou::Copia(rebut, desti))
            Avisa("Error #ref 047, no se ha podido guardar el fichero");
        return;
    }
    }
}

void SortidaFitxer::Impressio(int m, const std::string& rebut)
{
    // Each printing shows its own box on failure; the exchange goes on either way.
    switch (m) {
    case BlocsFitxer::kRtf: {
        // A row whose column definitions never end throws DispError to the exchange.
        std::string rtf;
        const bool ok = ExportaRtf(rebut, rtf);
        const std::string document = ok ? rtf : std::string();
        if (configuracio.so == 2) {
            Programes::IniciaVisor(kVisor, document);
            return;
        }
        if (document.empty() || !Programes::ObreAmbFinestra(finestra_, document))
            Avisa("No se ha podido lanzar la aplicación con extensión rtf");
        return;
    }
    case BlocsFitxer::kImpressioDirecta:
        ImpresioDirecta::Imprimeix(rebut);
        return;
    default:
        ImpresioRaw::Imprimeix(rebut);
        return;
    }
}
