#include "documents/OrdresDocument.h"

#include "app/Configuracio.h"
#include "documents/BlocsFitxer.h"
#include "documents/DialegFitxer.h"
#include "documents/FitxerNou.h"
#include "documents/NomSimple.h"
#include "documents/Programes.h"
#include "documents/Transferencia.h"
#include "framework/DispError.h"
#include "framework/ErrorSistema.h"
#include "framework/MsgBox.h"
#include "link/Camps.h"
#include "link/Comunicador.h"
#include "screens/Llancador.h"

#include <cstring>
#include <vector>

namespace {

static_assert(MB_YESNO + MB_ICONINFORMATION == 0x44 && MB_ICONEXCLAMATION == 0x30,
              "the question and the warnings of the document commands");

// The extension of a file name, dot included; empty without a '.'.
std::string Extensio(const std::string& nom)
{
    const std::size_t punt = nom.rfind('.');
    return punt == std::string::npos ? std::string() : nom.substr(punt);
}

// A document path of the folder for a name from the server, or empty when the name may not
// be joined to it.
std::string RutaDocument(const std::string& nom)
{
    if (!NomSimple::EsNomSimple(nom))
        return std::string();
    const std::string ruta = configuracio.DirDocuments() + nom;
    return ruta.size() < MAX_PATH ? ruta : std::string();
}

struct Cerca {
    char nom[100];
    char titol[200];
    int trobat;
};

BOOL CALLBACK BuscaFinestraPerTitol(HWND finestra, LPARAM dades)
{
    Cerca* cerca = reinterpret_cast<Cerca*>(dades);
    char titol[100] = {};
    GetWindowTextA(finestra, titol, sizeof titol);
    if (std::strstr(titol, cerca->nom)) {
        cerca->trobat = 1;
        lstrcpynA(cerca->titol, titol, sizeof cerca->titol);
    }
    return TRUE;
}

void EsborraCoincidencies(const std::string& carpeta, const char* patro)
{
    WIN32_FIND_DATAA dades;
    const HANDLE h = FindFirstFileA((carpeta + patro).c_str(), &dades);
    if (h == INVALID_HANDLE_VALUE)
        return;
    do {
        DeleteFileA((carpeta + dades.cFileName).c_str());
    } while (FindNextFileA(h, &dades));
    FindClose(h);
}

} // namespace

void OrdresDocument::Obre(const std::string& ruta, bool visorSvg)
{
    const std::string ext = Extensio(NomSimple::NomDeRuta(ruta));
    if (!PerLlancador() && visorSvg && (ext == ".svg" || ext == ".SVG") && !configuracio.visorSvg.empty()) {
        IniciaVisor(configuracio.visorSvg, ruta);
        return;
    }
    Programes::ObreDocument(ruta);
}

void OrdresDocument::RecibeDocumento()
{
    const int m = BlocsFitxer::AccioMode(com_.trama[4]);
    const std::string nom = Transferencia::Camp(com_, 1);
    const std::string ruta = RutaDocument(nom);
    const bool lectura = m == BlocsFitxer::kLectura || m == BlocsFitxer::kLecturaObre;
    const bool substitueix = lectura || m == BlocsFitxer::kSubstitueixObre;
    // Other modes write over the file as it stands: a read-only one refuses them.
    const DWORD abans = ruta.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(ruta.c_str());
    const bool bloquejat = !substitueix && abans != INVALID_FILE_ATTRIBUTES &&
                           (abans & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
    FitxerNou fitxer(ruta);
    if (ruta.empty() || bloquejat || !fitxer.Obre()) {
        com_.Transmit(10, 0);
        return;
    }
    com_.Transmit(3, 0);
    if (!Transferencia(com_, finestra_).Rep(fitxer, substitueix))
        return;
    if (lectura)
        SetFileAttributesA(ruta.c_str(), FILE_ATTRIBUTE_READONLY);
    const std::string ext = Extensio(nom);
    WIN32_FILE_ATTRIBUTE_DATA dades;
    if (!ext.empty() && GetFileAttributesExA(ruta.c_str(), GetFileExInfoStandard, &dades) &&
        dades.nFileSizeLow == 0 && dades.nFileSizeHigh == 0)
        CopyFileA((dirInici_ + "\\default" + ext).c_str(), ruta.c_str(), FALSE);
    if (m == BlocsFitxer::kLecturaObre || m == BlocsFitxer::kSubstitueixObre)
        Obre(ruta, true);
}

void OrdresDocument::AbreDocumento()
{
    const std::string ruta = RutaDocument(Transferencia::Camp(com_, 1));
    const bool existeix = !ruta.empty() && GetFileAttributesA(ruta.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (existeix)
        Obre(ruta, false);
    com_.Transmit(existeix ? 3 : 10, 0);
}

void OrdresDocument::BorraDocumento()
{
    const std::string ruta = RutaDocument(Transferencia::Camp(com_, 1));
    bool be = false;
    if (!ruta.empty()) {
        SetFileAttributesA(ruta.c_str(), FILE_ATTRIBUTE_NORMAL);
        be = DeleteFileA(ruta.c_str()) != 0;
    }
    com_.Transmit(be ? 3 : 10, 0);
}

void OrdresDocument::CopiaDocumento()
{
    const std::string font = RutaDocument(Transferencia::Camp(com_, 1));
    const std::string desti = RutaDocument(Transferencia::Camp(com_, 2));
    bool be = false;
    if (!font.empty() && !desti.empty() && FitxerNou::Copia(font, desti))
        be = SetFileAttributesA(desti.c_str(), FILE_ATTRIBUTE_NORMAL) != 0;
    com_.Transmit(be ? 3 : 10, 0);
}

void OrdresDocument::IncorporaDocumento()
{
    const std::string t = Transferencia::Camp(com_, 1);
    if (!NomSimple::EsNomSimple(t)) {
        com_.Transmit(10, 0);
        return;
    }
    const std::size_t punt = t.rfind('.');
    const std::string arrel = configuracio.DirDocuments() + t.substr(0, punt);
    std::string patro = punt == std::string::npos ? std::string() : "*." + t.substr(punt + 1);
    if (patro.size() <= 2)
        patro = "*.*";

    std::string triat;
    if (!DialegFitxer::Obre(finestra_, patro, configuracio.DirImport(), triat)) {
        com_.Transmit(5, 0);
        return;
    }
    // The extension is the chosen file's own, not a dot of its folder.
    const std::string nomTriat = NomSimple::NomDeRuta(triat);
    const std::string ext = Extensio(nomTriat);
    if (ext.empty()) {
        Win::MsgBox::Show(finestra_, "El documento debe tener extensión", "Error", MB_ICONEXCLAMATION);
        com_.Transmit(10, 0);
        return;
    }
    const std::string desti = arrel + ext;
    if (!NomSimple::EsNomSimple(NomSimple::NomDeRuta(desti)) || desti.size() >= MAX_PATH ||
        !FitxerNou::Copia(triat, desti)) {
        com_.Transmit(10, 0);
        return;
    }
    const std::string dirImport = configuracio.DirImport();
    if (!dirImport.empty() && NomSimple::EsDins(triat, dirImport)) {
        DeleteFileA(triat.c_str());
    } else {
        const std::string pregunta = "Desea borrar el fichero origen: " + triat;
        if (Win::MsgBox::Show(finestra_, pregunta.c_str(), "KORVU",
                              MB_YESNO | MB_ICONINFORMATION) == IDYES)
            DeleteFileA(triat.c_str());
    }

    com_.trama[0] = '0';
    const std::string camp1 = "00" + nomTriat.substr(0, nomTriat.rfind('.'));
    const std::string camp2 = "00" + ext.substr(1);
    const std::size_t capacitat = Trama::kMidaText - Trama::kIniciRegistre;
    std::vector<char> font(camp1.begin(), camp1.end());
    font.push_back('\0');
    ReplaceField(font.data(), com_.trama + Trama::kIniciRegistre, 1, 1, capacitat);
    font.assign(camp2.begin(), camp2.end());
    font.push_back('\0');
    ReplaceField(font.data(), com_.trama + Trama::kIniciRegistre, 1, 2, capacitat);
    com_.Transmit(1, 0);
}

bool OrdresDocument::DocumentoEnUso(const std::string& ruta)
{
    Cerca cerca = {};
    // A longer name cannot be in a title of 99 characters: only its first 99 are looked for.
    const std::size_t barra = ruta.rfind('\\');
    const std::string nom = barra == std::string::npos ? ruta : ruta.substr(barra + 1);
    lstrcpynA(cerca.nom, nom.c_str(), sizeof cerca.nom);
    EnumWindows(BuscaFinestraPerTitol, reinterpret_cast<LPARAM>(&cerca));
    if (cerca.trobat) {
        const std::string text = std::string("El documento está en uso: \n") + cerca.titol;
        Win::MsgBox::Show(nullptr, text.c_str(), "Error", MB_ICONINFORMATION);
        return true;
    }
    const HANDLE h = CreateFileA(ruta.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        std::string text = "El documento està en uso o no se encuentra: \n" + ruta + "\nError: " +
                           Win::TextError(GetLastError());
        if (text.size() > 299)
            text.resize(299);
        Win::MsgBox::Show(nullptr, text.c_str(), "Error", MB_ICONINFORMATION);
        return true;
    }
    CloseHandle(h);
    return false;
}

void OrdresDocument::BorraTemporales()
{
    char tmp[MAX_PATH + 1];
    const DWORD n = GetEnvironmentVariableA("TMP", tmp, sizeof tmp);
    if (n == 0 || n >= sizeof tmp)
        throw DispError("Error #ref 029, error borrando temporales");
    const std::string carpeta = std::string(tmp) + "\\";
    EsborraCoincidencies(carpeta, "{*.rtf");
    // Received files and their conversions: left behind, they would use up the unique names.
    EsborraCoincidencies(carpeta, "{tm*");
    EsborraCoincidencies("", "korvuc_*install.exe");
}
