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
#include "framework/Proces.h"
#include "link/Comunicador.h"
#include "screens/Llancador.h"

namespace {

const char kCaption[] = "Korvuc";
const char kJava[] = "javaw.exe";
static_assert(MB_ICONEXCLAMATION == 0x30 && MB_ICONINFORMATION == 0x40, "the output boxes");

void Avisa(const std::string& text)
{
    Win::MsgBox::Show(nullptr, text.c_str(), kCaption, MB_ICONEXCLAMATION);
}

// A received temporary file, deleted once it has been handed on unless an output named after it
// stays (a listing's document, a report's spreadsheet copy): while the program that shows the
// output may have it open, the temporary keeps its name from a later transfer. The purge at
// the next start takes both.
struct Temporal {
    std::string ruta;
    bool conserva = false;
    ~Temporal()
    {
        if (!ruta.empty() && !conserva)
            DeleteFileA(ruta.c_str());
    }
};

// A new unique temporary file of the folder whose outputs are free too. A name passed over stays
// taken until the purge at the next start.
std::string NouTemporal(const char* carpeta)
{
    char unic[MAX_PATH];
    for (int intent = 0; intent < 100; ++intent) {
        if (!GetTempFileNameA(carpeta, "{tm", 0, unic))
            break;
        if (SortidaFitxer::SortidesLliures(unic))
            return unic;
    }
    throw DispError("Error #ref 024, error creando temporal");
}

} // namespace

bool SortidaFitxer::SortidesLliures(const std::string& temporal)
{
    for (const std::string& sortida :
         {NomDocumentRtf(temporal), ConversorInforme::RutaConvertida(temporal, configuracio.exthojac)}) {
        if (lstrcmpiA(sortida.c_str(), temporal.c_str()) != 0 &&
            GetFileAttributesA(sortida.c_str()) != INVALID_FILE_ATTRIBUTES)
            return false;
    }
    return true;
}

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
        linia = std::string(kJava) + " -cp " + Win::Proces::Cita(j) + " -jar " +
                Win::Proces::Cita(j + "reports.jar") + " " + Win::Proces::Cita(rebut);
    } else {
        rebut = NouTemporal(tmp);
        temporal.ruta = rebut;
    }

    FitxerNou fitxer(rebut);
    if (!fitxer.Obre())
        throw DispError("Error #ref 025, error creando temporal");
    if (!Transferencia(com_, finestra_).Rep(fitxer, temporal.ruta == rebut))
        throw DispError("Error #ref 026, error recibiendo datos ");
    temporal.conserva = Lliura(m, rebut, nom, linia);
}

bool SortidaFitxer::Lliura(int m, const std::string& rebut, const std::string& nom,
                           const std::string& linia)
{
    switch (m) {
    case BlocsFitxer::kRtf:
    case BlocsFitxer::kImpressioDirecta:
    case BlocsFitxer::kImpressioRaw:
        return Impressio(m, rebut);
    case BlocsFitxer::kFullCalcul: {
        std::string convertit;
        if (!ConverteixFitxer(rebut, configuracio.exthojac, convertit))
            convertit.clear();
        const bool fet = !convertit.empty();
        // The launcher's start is not looked at.
        if (Programes::ObreInforme(finestra_, convertit) != Programes::Obertura::ShellFallat)
            return fet;
        Avisa("No se ha podido lanzar la aplicación con extensión rtf");
        std::string desti;
        if (DialegFitxer::Desa(finestra_, "informe.txt", configuracio.DirDocuments(), desti) &&
            (convertit.empty() || !FitxerNou::Copia(convertit, desti)))
            Avisa("Error #ref 037, no se ha podido guardar el informe");
        return fet;
    }
    case BlocsFitxer::kJava:
        if (PerLlancador())
            LlancaDocument(rebut);
        else
            Win::Proces::Inicia(kJava, linia);
        return false;
    case BlocsFitxer::kFitxers: {
        std::string copia;
        if (NomSimple::EsNomSimple(nom))
            copia = configuracio.DirFitxers() + nom;
        if (copia.empty() || copia.size() >= MAX_PATH ||
            !FitxerNou::Copia(rebut, copia)) {
            Avisa("Error #ref 046, no se ha podido guardar el fichero");
            return false;
        }
        if (Programes::ObreInforme(finestra_, copia) != Programes::Obertura::Oberta)
            Avisa("Error #ref 048, no se encuentra aplicación asociada para abir el fichero\n" + copia);
        return false;
    }
    case BlocsFitxer::kProvaImpres: {
        const std::string docs = configuracio.DirDocuments();
        WIN32_FIND_DATAA dades;
        const HANDLE h = FindFirstFileA((docs + "*.xml").c_str(), &dades);
        if (h == INVALID_HANDLE_VALUE) {
            Win::MsgBox::Show(nullptr, "No se encuentra ningún impreso para probar", "Aviso",
                              MB_ICONINFORMATION);
            return false;
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
            Win::Proces::Inicia(kJava, linia + " " + Win::Proces::Cita(docs + impres));
        return false;
    }
    default: {
        // The suggestion is only a name: the user picks the folder.
        const std::string suggerit = NomSimple::EsNomSimple(nom) ? nom : std::string();
        std::string desti;
        if (DialegFitxer::Desa(finestra_, suggerit, configuracio.DirFitxers(), desti) &&
            !FitxerNou::Copia(rebut, desti))
            Avisa("Error #ref 047, no se ha podido guardar el fichero");
        return false;
    }
    }
}

bool SortidaFitxer::Impressio(int m, const std::string& rebut)
{
    // Each printing shows its own box on failure; the exchange goes on either way.
    switch (m) {
    case BlocsFitxer::kRtf: {
        // A row whose column definitions never end throws DispError to the exchange.
        std::string rtf;
        const bool fet = ExportaRtf(rebut, rtf);
        // The launcher's start is not looked at.
        if (Programes::ObreInforme(finestra_, fet ? rtf : std::string()) == Programes::Obertura::ShellFallat)
            Avisa("No se ha podido lanzar la aplicación con extensión rtf");
        return fet;
    }
    case BlocsFitxer::kImpressioDirecta:
        ImpresioDirecta::Imprimeix(rebut);
        return false;
    default:
        ImpresioRaw::Imprimeix(rebut);
        return false;
    }
}
