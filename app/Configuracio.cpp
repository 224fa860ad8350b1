#include "app/Configuracio.h"

#include "app/LiniaOrdres.h"
#include "app/TextConfiguracio.h"
#include "framework/DispError.h"
#include "framework/ErrorBox.h"
#include "framework/ErrorSistema.h"
#include "framework/ImatgeFitxer.h"
#include "framework/MarquesArrencada.h"
#include "framework/MsgBox.h"
#include "resources/ResourceIds.h"

#include <share.h>

#include <algorithm>
#include <cstring>
#include <vector>

Configuracio configuracio;

void Configuracio::EntregaAjustos()
{
    Win::UsaAjustos(*this);
    UsaAjustosEnllac(*this);
}

namespace {

const char kErrorLog[] = "Error #ref 068,  escribiendo log";

bool DirActual(std::string& dir)
{
    DWORD mida = GetCurrentDirectoryA(0, nullptr);
    std::vector<char> text(mida + 1);
    mida = GetCurrentDirectoryA(static_cast<DWORD>(text.size()), text.data());
    if (mida == 0 || mida >= text.size())
        return false;
    dir.assign(text.data(), mida);
    return true;
}

bool Existeix(const std::string& cami)
{
    return GetFileAttributesA(cami.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool AsseguraCarpeta(const std::string& carpeta)
{
    return Existeix(carpeta) || CreateDirectoryA(carpeta.c_str(), nullptr);
}

// Reads at most one byte more than a configuration may hold, so that a larger file is told
// by its length without being held whole.
bool LlegeixFitxer(const std::string& nom, std::string& text)
{
    std::FILE* f = std::fopen(nom.c_str(), "rb");
    if (!f)
        return false;
    char bloc[4096];
    std::size_t llegits;
    text.clear();
    while (text.size() <= TextConfiguracio::maxMida
           && (llegits = std::fread(bloc, 1, sizeof bloc, f)) > 0)
        text.append(bloc, llegits);
    const bool be = !std::ferror(f);
    std::fclose(f);
    return be;
}

// Writes the whole text into a new file; false when any of it could not be written.
bool EscriuFitxer(const std::string& nom, const std::string& text)
{
    HANDLE f = CreateFileA(nom.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE)
        return false;
    DWORD escrits = 0;
    bool be = text.empty()
              || (WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &escrits, nullptr)
                  && escrits == text.size());
    be = FlushFileBuffers(f) && be;
    return CloseHandle(f) && be;
}

HBITMAP CarregaLogo(const std::string& dirbitmaps)
{
    const std::string cami = dirbitmaps + "logo.bmp";
    if (cami.size() >= MAX_PATH)
        return nullptr;
    // Most installations have no logo: asking the picture loader to find out costs the start-up
    // a library load and a couple of milliseconds.
    if (GetFileAttributesA(cami.c_str()) == INVALID_FILE_ATTRIBUTES)
        return nullptr;
    WCHAR ample[MAX_PATH];
    if (!MultiByteToWideChar(CP_ACP, 0, cami.c_str(), -1, ample, MAX_PATH))
        return nullptr;
    return Win::CopiaImatgeFitxer(ample);
}

// The company's folder inside the base folder, both created when missing.
std::string CarpetaEmpresa(const std::string& base, const std::string& empresa, const char* errorEmpresa)
{
    if (!AsseguraCarpeta(base))
        throw DispError("Error #ref 033, error en directorio de documentos");
    const std::string carpeta = base + empresa + "\\";
    if (!AsseguraCarpeta(carpeta))
        throw DispError(errorEmpresa);
    return carpeta;
}

} // namespace

Configuracio::Configuracio() = default;

Configuracio::~Configuracio()
{
    if (logStream)
        std::fclose(logStream);
    if (recursos)
        FreeLibrary(recursos);
}

void Configuracio::Carrega(const char* fitxer)
{
    try {
        std::string text;
        if (!fitxer || !LlegeixFitxer(fitxer, text))
            throw DispError("Error #ref 030, error abriendo fichero de configuración");
        std::string dir;
        if (!DirActual(dir))
            throw DispError("Error #ref 032, error cargando configuración");
        claus = kClausPerDefecte;
        TextConfiguracio::Aplica(text, dir, *this);
        Win::MarcaArrencada(Win::PuntArrencada::ConfiguracioLlegida);
        std::memset(fitxerClaus, 0, sizeof fitxerClaus);
        std::memcpy(fitxerClaus, claus.data(), std::min(claus.size(), sizeof fitxerClaus - 1));

        const int alt = entorn.altMaximitzada >= 0 ? entorn.altMaximitzada
                                                   : GetSystemMetrics(SM_CYMAXIMIZED);
        escalaX = escalaY = alt > 576 ? 31.0 / 24.0 : 1.0;

        CreaFonts();

        if (recursos)
            FreeLibrary(recursos);
        recursos = LoadLibraryA(entorn.biblioteca.c_str());

        if (!AsseguraCarpeta(dirdocs)) {
            const std::string sistema = Win::TextErrorSistema(GetLastError());
            Win::MsgBox::Show(nullptr, sistema.c_str(), "Error", MB_ICONINFORMATION);
            throw DispError("Error #ref 035_1, error en carpeta de documentos: " + dirdocs);
        }
        if (!dirbitmaps.empty() && !AsseguraCarpeta(dirbitmaps))
            throw DispError("Error #ref 035_2, error en carpeta de bitmaps");
        if (!dirimport.empty() && !AsseguraCarpeta(dirimport))
            throw DispError("Error #ref 035_3, error en carpeta de docs. a incorporar");

        Win::MarcaArrencada(Win::PuntArrencada::AbansImatges);
        CarregaImatges();

        if (!semafor)
            semafor = CreateSemaphoreA(nullptr, 1, 1, nullptr);
        if (!semafor)
            throw DispError("Error #ref 042, error creando indicador");

        visorSvg = dir + "\\svgviewer\\" + "svgviewer.exe";
        if (std::FILE* visor = std::fopen(visorSvg.c_str(), "rb"))
            std::fclose(visor);
        else
            visorSvg.clear();

        ProcessaLiniaOrdres();
        Win::MarcaArrencada(Win::PuntArrencada::FiConfiguracio);
    } catch (const DispError&) {
        throw;
    } catch (...) {
        throw DispError("Error #ref 032, error cargando configuración");
    }
}

void Configuracio::CreaFonts()
{
    const bool gran = escalaX > 1.0;
    const char* fixa = so == 2 ? "Courier" : "Lucida Console";
    struct Font {
        HFONT Configuracio::*membre;
        const char* cara;
        int alt;
        int altGran;
        int pes;
        BYTE subratllat;
    };
    const Font fonts[] = {
        {&Configuracio::fontFixa, fixa, -11, -14, 400, 0},
        {&Configuracio::fontFixaPetita, fixa, -8, -10, 400, 0},
        {&Configuracio::fontFixaGran, fixa, -16, -20, 400, 0},
        {&Configuracio::fontControl, "Tahoma", -9, -11, 400, 0},
        {&Configuracio::fontControlMitjana, "Tahoma", -10, -12, 400, 0},
        {&Configuracio::fontLlista, "Tahoma", -12, -15, 400, 0},
        {&Configuracio::fontSubratllada, "Tahoma", -10, -12, 400, 1},
        {&Configuracio::fontTitol, "Tahoma", -21, -23, 400, 0},
        {&Configuracio::fontControlGran, "Tahoma", -16, -18, 400, 0},
        {&Configuracio::fontArial, "Arial", -14, -16, 400, 0},
        {&Configuracio::fontEnllac, "Arial", -14, -16, 500, 0},
    };
    for (const Font& f : fonts) {
        LOGFONTA lf = {};
        lf.lfHeight = gran ? f.altGran : f.alt;
        lf.lfWeight = f.pes;
        lf.lfUnderline = f.subratllat;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
        lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        lf.lfQuality = ANTIALIASED_QUALITY;
        lf.lfPitchAndFamily = FIXED_PITCH;
        lstrcpynA(lf.lfFaceName, f.cara, LF_FACESIZE);
        this->*f.membre = CreateFontIndirectA(&lf);
    }
}

void Configuracio::CarregaImatges()
{
    // Without the library every image stays empty; nothing is reported.
    auto bitmap = [this](int id) {
        return recursos ? LoadBitmapA(recursos, MAKEINTRESOURCEA(id)) : nullptr;
    };
    auto icona = [this](int id) {
        return recursos ? LoadIconA(recursos, MAKEINTRESOURCEA(id)) : nullptr;
    };
    bmpCapLlista = bitmap(IDB_LIST_HEADER);
    bmpCapLlista50 = bitmap(IDB_LIST_HEADER_50);
    bmpCapLlista150 = bitmap(IDB_LIST_HEADER_150);
    bmpCapLlista53 = bitmap(IDB_LIST_HEADER_53);
    bmpBandaEtiqueta = bitmap(IDB_LABEL_BAND);
    bmpImatge133 = bitmap(IDB_PICTURE_133);
    bmpFonsText = bitmap(IDB_TEXT_BACK);
    bmpFonsText2 = bitmap(IDB_TEXT_BACK_2);
    bmpFonsText3 = bitmap(IDB_TEXT_BACK_3);
    bmpLogo = CarregaLogo(dirbitmaps);
    icoMes = icona(IDI_MENU_PLUS);
    icoMenys = icona(IDI_MENU_MINUS);
    icoEntrada = icona(IDI_MENU_ENTRY);
    bmpBandaMenu = bitmap(IDB_MENU_BAND);
    brFonsText = bmpFonsText ? CreatePatternBrush(bmpFonsText) : nullptr;
    brFonsText2 = bmpFonsText2 ? CreatePatternBrush(bmpFonsText2) : nullptr;
    brFonsText3 = bmpFonsText3 ? CreatePatternBrush(bmpFonsText3) : nullptr;
}

void Configuracio::ProcessaLiniaOrdres()
{
    const char* linia = entorn.liniaOrdres ? entorn.liniaOrdres : GetCommandLineA();
    LiniaOrdres::Login login{rutaPrograma, usuario, empresa, idioma, password, autoLogin};
    LiniaOrdres::Aplica(linia ? linia : "", login);
    rutaPrograma = login.rutaPrograma;
    usuario = login.usuario;
    empresa = login.empresa;
    idioma = login.idioma;
    password = login.password;
    autoLogin = login.autoLogin;
}

std::string Configuracio::ArgumentsNovaInstancia() const
{
    return LiniaOrdres::ArgumentsNovaInstancia({rutaPrograma, usuario, empresa, idioma, password, autoLogin});
}

std::string Configuracio::DirDocuments()
{
    if (primerDocuments) {
        dirdocs = CarpetaEmpresa(dirdocs, empresa, "Error #ref 035_4, error en directorio de documentos");
        primerDocuments = 0;
    }
    return dirdocs;
}

std::string Configuracio::DirFitxers()
{
    if (primerFitxers) {
        dirficheros = CarpetaEmpresa(dirficheros.empty() ? std::string("ficheros\\") : dirficheros,
                                     empresa, "Error #ref 035_5, error en directorio de documentos");
        primerFitxers = 0;
    }
    return dirficheros;
}

void Configuracio::ComponRuta(char* buffer) const
{
    const std::string ruta = TextConfiguracio::ComponRuta(ajuda, idioma);
    // A longer address does not fit the caller's buffer and is cut.
    lstrcpynA(buffer, ruta.c_str(), MAX_PATH);
}

bool Configuracio::Desa(const std::string& acces, const std::string& usuarioNou,
                        const std::string& empresaNova, const std::string& idiomaNou,
                        const std::string& servidorExt, int portNou)
{
    bool canvi = false;
    if (acces == "S" && !acceso_remoto) {
        acceso_remoto = 1;
        canvi = true;
    } else if (acces == "N" && acceso_remoto) {
        acceso_remoto = 0;
        canvi = true;
    }
    if ((usuarioNou != usuario || empresaNova != empresa || idiomaNou != idioma) && !usuarioNou.empty()
        && !empresaNova.empty() && !idiomaNou.empty())
        canvi = true;
    // A port that the next start would refuse is not written.
    if (portNou < 1 || portNou > 65535)
        portNou = 0;
    if (!canvi && (servidorExt.empty() || portNou == 0))
        return false;

    std::string dir;
    if (!DirActual(dir))
        return false;
    const std::string fitxer = dir + "\\korvuc.cfg";
    const std::string copia = dir + "\\korvuc.cfg.sav";
    const std::string nou = dir + "\\korvuc.cfg.new";
    if (!CopyFileA(fitxer.c_str(), copia.c_str(), FALSE))
        return false;
    std::string text;
    // A file cut at the cap would be written back without its end.
    if (!LlegeixFitxer(copia, text) || text.size() > TextConfiguracio::maxMida)
        return false;

    TextConfiguracio::Canvis canvis;
    if (!empresaNova.empty())
        canvis.accesRemot = acces == "S";
    if (!usuarioNou.empty())
        canvis.usuario = usuario;
    if (!empresaNova.empty())
        canvis.empresa = empresa;
    if (!idiomaNou.empty())
        canvis.idioma = idioma;
    if (!servidorExt.empty())
        canvis.servidorExt = servidorExt;
    canvis.port = portNou;

    // The old file stays whole until the new one is complete beside it.
    if (!EscriuFitxer(nou, TextConfiguracio::Reescriu(text, canvis))
        || !MoveFileExA(nou.c_str(), fitxer.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(nou.c_str());
        return false;
    }
    return true;
}

void Configuracio::PosaServidorExtern(const std::string& adreca, int portNou)
{
    servidor_ext = adreca;
    port = portNou;
}

void Configuracio::DesaServidor()
{
    Desa("", "", "", "", Servidor(), port);
}

bool Configuracio::EstatTransmissio(unsigned char take)
{
    try {
        if (take == 1) {
            const DWORD estat = WaitForSingleObject(semafor, 0);
            if (estat == WAIT_OBJECT_0)
                return true;
            if (estat == WAIT_TIMEOUT)
                return false;
            throw DispError("Error #ref 053,  estableciendo estado transmisión");
        }
        if (!ReleaseSemaphore(semafor, 1, nullptr))
            throw DispError("Error #ref 045,  estableciendo estado transmisión");
        return true;
    } catch (const DispError&) {
        throw;
    } catch (...) {
        throw DispError("Error #ref 043,  estableciendo estado transmisión");
    }
}

void Configuracio::EscriuLog(std::string text)
{
    if (!logStream || text.empty())
        return;
    // Flushed at once: others may be reading the log while the client runs.
    if (std::fwrite(text.data(), 1, text.size(), logStream) != text.size() || std::fflush(logStream) != 0)
        throw DispError(kErrorLog);
}

void Configuracio::AnotaLog(const std::string& text)
{
    try {
        EscriuLog(text);
    } catch (const DispError& e) {
        TancaLog();
        Win::ErrorBox::Show(e.Texto());
    }
}

void Configuracio::TancaLog()
{
    if (logStream)
        std::fclose(logStream);
    logStream = nullptr;
    logClient = 0;
}

void Configuracio::CambiaLog()
{
    // Switching off always succeeds; a last line that cannot be written is only reported.
    if (logClient) {
        AnotaLog("<===");
        TancaLog();
        Win::MsgBox::Show(nullptr, "Se ha desactivado el log", "Aviso", MB_ICONINFORMATION);
        return;
    }
    // A log that cannot be written stays off, and says so once: the keyboard command goes on,
    // and nothing claims that the log is on.
    if (!logStream)
        logStream = _fsopen("korvucli.log", "w", _SH_DENYNO);
    if (!logStream) {
        Win::ErrorBox::Show(kErrorLog);
        return;
    }
    AnotaLog(empresa + "===>\n");
    if (!logStream)
        return;
    Win::MsgBox::Show(nullptr, "Se ha activado el log", "Aviso", MB_ICONINFORMATION);
    logClient = 1;
}
