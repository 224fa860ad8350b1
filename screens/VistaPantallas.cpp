// The view's screen-definitions file: loading a screen from PANT1.DAT and replacing the file
// with the definitions the server sends.
#include "screens/Vista.h"

#include "app/Configuracio.h"
#include "framework/DispError.h"
#include "link/Comunicador.h"
#include "link/Trama.h"
#include "screens/EscriptorLinies.h"
#include "screens/FitxerDisc.h"
#include "screens/FusioPantalles.h"
#include "screens/LectorLinies.h"
#include "screens/LectorPantalles.h"
#include "screens/LiniaPantalla.h"
#include "screens/SumaPantalla.h"

#include <cstring>
#include <memory>
#include <optional>

namespace {

const char kErrorCarrega[] = "Error #ref 038, error tratando fichero de pantallas, línea: ";
const char kError055[] = "Error #ref 055, actualizando pantallas";
const char kError056[] = "Error #ref 056, actualizando pantallas";
const char kError057[] = "Error #ref 057, actualizando pantallas";
const char kError058[] = "Error #ref 058, actualizando pantallas";
const char kError059[] = "Error #ref 059, actualizando pantallas";
const char kError060[] = "Error #ref 060, actualizando pantallas";

constexpr int kIntents = 5;

bool NoHiEs(DWORD codi)
{
    return codi == ERROR_FILE_NOT_FOUND || codi == ERROR_PATH_NOT_FOUND;
}

bool Existeix(const std::string& nom, FILETIME* escrit = nullptr)
{
    WIN32_FILE_ATTRIBUTE_DATA dades;
    if (!GetFileAttributesExA(nom.c_str(), GetFileExInfoStandard, &dades)
        || (dades.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    if (escrit)
        *escrit = dades.ftLastWriteTime;
    return true;
}

// The copy an update left beside the file: ".SAV" (mode 1) or ".OLD" (mode 2), whichever was
// taken last; empty when there is none.
std::string DarreraCopia(const std::string& dir)
{
    const std::string sav = dir + "\\PANT1.SAV";
    const std::string old = dir + "\\PANT1.OLD";
    FILETIME tSav, tOld;
    const bool hiHaSav = Existeix(sav, &tSav);
    const bool hiHaOld = Existeix(old, &tOld);
    if (hiHaOld && (!hiHaSav || CompareFileTime(&tOld, &tSav) > 0))
        return old;
    return hiHaSav ? sav : std::string();
}

// Opens the definitions file. One that another program holds is waited for; one that stays
// closed, or is missing, is restored from the last copy. False when there is no file and no
// copy to restore it from: the definitions are then asked of the server.
bool ObreDefinicions(FitxerDisc& fitxer, const std::string& nom, const std::string& dir, DWORD espera)
{
    if (fitxer.ObreLectura(nom))
        return true;
    if (!NoHiEs(GetLastError())) {
        for (int i = 0; i < kIntents; ++i) {
            Sleep(espera);
            if (fitxer.ObreLectura(nom))
                return true;
        }
    }
    const std::string copia = DarreraCopia(dir);
    if (!copia.empty())
        CopyFileA(copia.c_str(), nom.c_str(), FALSE);
    if (fitxer.ObreLectura(nom))
        return true;
    if (NoHiEs(GetLastError()))
        return false;
    throw DispError(kErrorCarrega);
}

// Removes the new file unless it has taken the old one's place.
struct EsborraNou {
    const std::string& nom;
    bool posat = false;
    ~EsborraNou()
    {
        if (!posat)
            DeleteFileA(nom.c_str());
    }
};

} // namespace

bool Vista::LeePantalla(std::string id, int numero)
{
    sumaDefinicion = 0;
    FitxerDisc fitxer;
    std::optional<LectorPantalles> lector;
    try {
        if (!ObreDefinicions(fitxer, fichPantallas, dirTrabajo, esperaPantallas))
            return false;
        lector.emplace(fitxer);
        if (!lector->Cerca(id))
            return false;
        campoActual = -1;
        campoAnterior = -1;
        BorraCampos();
        campos.clear();
        campos = lector->Llegeix(escalaX, escalaY);
        sumaDefinicion = lector->Suma();
        if (!SumaPantalla::Accepta(sumaDefinicion, numero))
            return false;
        idPantalla = id;
        if (filtreCaracters)
            *filtreCaracters = IdSinPrefijoEs() ? 0 : 1;
        return true;
    } catch (...) {
    }
    // Whatever failed, the text tells how far the load came (all 0: the file did not open).
    throw DispError(kErrorCarrega + (lector ? lector->Progres() : std::string("0-0-0")));
}

bool Vista::FormataLiniaPantalla(std::string& linea)
{
    const char* text = comunicador->trama;
    linea = LiniaPantalla::Formata(Trama::Registre(text));
    linea += '\n';
    return true;
}

bool Vista::ActualizaPantallas(std::string id, int modo)
{
    const bool totIdioma = modo == 2;
    const std::string copia = dirTrabajo + (totIdioma ? "\\PANT1.OLD" : "\\PANT1.SAV");
    const std::string nou = dirTrabajo + "\\PANT1.NEW";
    try {
        // A file not made yet counts as empty; an existing one is copied aside first.
        const bool hiHaAntic = Existeix(fichPantallas);
        if (hiHaAntic && !CopyFileA(fichPantallas.c_str(), copia.c_str(), FALSE))
            throw DispError(totIdioma ? kError056 : kError057);

        EsborraNou esborra{nou};
        FitxerDisc fitxerNou;
        if (!fitxerNou.CreaEscriptura(nou))
            throw DispError(kError058);
        FitxerDisc fitxerAntic;
        std::unique_ptr<LectorLinies> antic;
        if (hiHaAntic) {
            if (!fitxerAntic.ObreLectura(copia))
                throw DispError(kError059);
            antic = std::make_unique<LectorLinies>(fitxerAntic);
        }
        EscriptorLinies escriptor(fitxerNou);
        FusioPantalles fusio(totIdioma ? 2 : 1, totIdioma ? configuracio.idioma : id, antic.get(), escriptor);
        fusio.Inici();

        char* text = comunicador->trama;
        text[2] = totIdioma ? 'c' : 'b';
        std::memcpy(text + 44, "001", 3);
        comunicador->Transmit(1, 0);
        comunicador->Transmit(2, 0);
        std::string linia;
        while (text[2] == 'b' || text[2] == 'c') {
            FormataLiniaPantalla(linia);
            fusio.Afegeix(std::string_view(linia).substr(0, LiniaPantalla::kLongitud));
            std::memset(text + Trama::kIniciRegistre, 0, Trama::kMidaText - Trama::kIniciRegistre);
            comunicador->Transmit(1, 0);
            comunicador->Transmit(2, 0);
        }
        fusio.Final();
        escriptor.Buida();
        if (!fitxerNou.TancaEscrit())
            throw DispError(kError060);
        fitxerAntic.Tanca();
        if (!MoveFileExA(nou.c_str(), fichPantallas.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            throw DispError(kError055);
        esborra.posat = true;
        return true;
    } catch (const DispError&) {
        throw;
    } catch (const FitxerDisc::ErrorEscriptura&) {
        throw DispError(kError060);
    } catch (...) {
        throw DispError(kError055);
    }
}
