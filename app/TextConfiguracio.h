#ifndef KORVU_APP_TEXTCONFIGURACIO_H
#define KORVU_APP_TEXTCONFIGURACIO_H

#include <optional>
#include <string>
#include <vector>

// The text of korvuc.cfg: reading its lines into settings, and rewriting chosen lines of it.
// Knows nothing of the system: the caller brings the text and the current directory.
class TextConfiguracio {
public:
    // What the file can set; the caller fills it with the values in force before reading.
    struct Valors {
        // The key file when the configuration names none.
        static constexpr char kClausPerDefecte[] = "crpt.cfg";

        int port = 0;
        std::string claus = kClausPerDefecte;
        std::string ajuda;
        std::string navegador = "defecto";
        unsigned char modeDesenvolupament = 0;
        unsigned char desenvolupamentPermes = 0;
        std::string usuario;
        std::string empresa;
        std::string idioma;
        std::string dirdocs;
        std::string dirficheros;
        std::string exthojac = "prn";
        std::string dirjfree;
        std::string dirbitmaps;
        std::string dirimport;
        std::string tvirtual = "osk.exe";
        unsigned char mascaraDebug = 0x80;
        unsigned char tracaTrames = 0;
        int intermens = 60;
        std::string servidor_int = "xxx.xxx.xxx.xxx";
        std::string servidor_ext;
        std::string grupo;
        unsigned char acceso_remoto = 1;
        unsigned char fuente_grid = 1;
        std::string ipdin;
        int so = 1;
    };

    // The lines to replace in a rewrite; an empty optional leaves that key's line alone.
    struct Canvis {
        std::optional<bool> accesRemot;
        std::optional<std::string> usuario;
        std::optional<std::string> empresa;
        std::optional<std::string> idioma;
        std::optional<std::string> servidorExt;
        int port = 0; // 0 leaves the port line alone
    };

    static constexpr std::size_t maxClaus = 79;    // the key-file name lives in an 80-byte field
    static constexpr std::size_t maxServidor = 100;
    static constexpr std::size_t maxGrupo = 15;
    // A configuration is a few dozen lines: a larger file is not one, and is not read whole.
    static constexpr std::size_t maxMida = 1024 * 1024;
    // The refresh timer counts intermens x 1000 milliseconds in a signed 32-bit number.
    static constexpr int minIntermens = 20;
    static constexpr int maxIntermens = 2147483647 / 1000;

    // Applies every line of the file's text to the values; throws DispError on a bad line,
    // and "Error #ref 032" for a text longer than maxMida.
    static void Aplica(const std::string& text, const std::string& dirActual, Valors& valors);

    // The lines of a text: a line ends at LF, a CR just before the LF belongs to the line end,
    // and a last line without a line end still counts.
    static std::vector<std::string> Linies(const std::string& text);

    // A relative folder of more than two characters is placed under the current directory;
    // every folder ends with "\".
    static std::string CompletaCarpeta(const std::string& valor, const std::string& dirActual);

    // The help address: the first "XX" becomes the language, then "\" or "/" after it.
    static std::string ComponRuta(const std::string& ajuda, const std::string& idioma);

    // The file rewritten with the changed lines; every other line is kept whole, and each
    // line ends with CR LF.
    static std::string Reescriu(const std::string& text, const Canvis& canvis);

    static std::string ErrorLinia(std::size_t numero);
};

#endif
