#include "app/TextConfiguracio.h"

#include "framework/DispError.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Valors = TextConfiguracio::Valors;

// The field of the values named as the file's member table names it, as text.
std::string Camp(const Valors& v, const std::string& nom)
{
    if (nom == "port") return std::to_string(v.port);
    if (nom == "claus") return v.claus;
    if (nom == "ajuda") return v.ajuda;
    if (nom == "navegador") return v.navegador;
    if (nom == "desarrollo")
        return std::to_string(v.modeDesenvolupament) + std::to_string(v.desenvolupamentPermes);
    if (nom == "usuario") return v.usuario;
    if (nom == "empresa") return v.empresa;
    if (nom == "idioma") return v.idioma;
    if (nom == "dirdocs") return v.dirdocs;
    if (nom == "dirficheros") return v.dirficheros;
    if (nom == "exthojac") return v.exthojac;
    if (nom == "dirjfree") return v.dirjfree;
    if (nom == "dirbitmaps") return v.dirbitmaps;
    if (nom == "dirimport") return v.dirimport;
    if (nom == "tvirtual") return v.tvirtual;
    if (nom == "mascaraDebug") return std::to_string(v.mascaraDebug);
    if (nom == "tracaTrames") return std::to_string(v.tracaTrames);
    if (nom == "intermens") return std::to_string(v.intermens);
    if (nom == "servidor_int") return v.servidor_int;
    if (nom == "servidor_ext") return v.servidor_ext;
    if (nom == "grupo") return v.grupo;
    if (nom == "acceso_remoto") return std::to_string(v.acceso_remoto);
    if (nom == "fuente_grid") return std::to_string(v.fuente_grid);
    if (nom == "ipdin") return v.ipdin;
    if (nom == "so") return std::to_string(v.so);
    ADD_FAILURE() << "unknown field " << nom;
    return {};
}

Valors Llegeix(const std::string& text, const std::string& dir = "C:\\app")
{
    Valors v;
    TextConfiguracio::Aplica(text, dir, v);
    return v;
}

// The text of the DispError that reading the text throws, or "" when it reads.
std::string ErrorDe(const std::string& text)
{
    try {
        Llegeix(text);
    } catch (const DispError& e) {
        return e.Texto();
    }
    return "";
}

const std::string linia1 = TextConfiguracio::ErrorLinia(1);

} // namespace

TEST(TextConfiguracio, DefaultsBeforeAnyLine)
{
    const Valors v = Llegeix("");
    const struct { const char* camp; const char* valor; } casos[] = {
        {"port", "0"}, {"claus", "crpt.cfg"}, {"navegador", "defecto"}, {"desarrollo", "00"},
        {"exthojac", "prn"}, {"tvirtual", "osk.exe"}, {"mascaraDebug", "128"}, {"tracaTrames", "0"},
        {"intermens", "60"}, {"servidor_int", "xxx.xxx.xxx.xxx"}, {"servidor_ext", ""},
        {"acceso_remoto", "1"}, {"fuente_grid", "1"}, {"so", "1"}, {"dirdocs", ""},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Camp(v, c.camp), c.valor) << c.camp;
}

TEST(TextConfiguracio, EveryKeySetsItsMember)
{
    const std::string s100(100, 's');
    const std::string s79(79, 'k');
    const struct { std::string linia; const char* camp; std::string valor; } casos[] = {
        {"port=12345;", "port", "12345"},
        {"port=08080;", "port", "8080"},
        {"port=00001;", "port", "1"},
        {"port=65535;", "port", "65535"},
        {"port=123ab;", "port", "123"},
        {"servidor_int=10.0.0.1;", "servidor_int", "10.0.0.1"},
        {"servidor_int=" + s100 + ";", "servidor_int", s100},
        {"servidor_ext=" + s100 + ";", "servidor_ext", s100},
        {"servidor_ext=;", "servidor_ext", ""},
        {"grupo=" + std::string(15, 'g') + ";", "grupo", std::string(15, 'g')},
        {"claus=clau.key;", "claus", "clau.key"},
        {"claus=" + s79 + ";", "claus", s79},
        {"ajuda=ayuda/XX;", "ajuda", "ayuda/XX"},
        {"navegador=firefox;", "navegador", "firefox"},
        {"desarrollo=si;", "desarrollo", "11"},
        {"desarrollo=SI;", "desarrollo", "00"},
        {"usuario=ana;", "usuario", "ana"},
        {"usuario=ana;x=1", "usuario", "ana"},
        {"usuario= ana ;", "usuario", " ana "},
        {"usuario=;", "usuario", ""},
        {"empresa=01;", "empresa", "01"},
        {"idioma=Es;", "idioma", "Es"},
        {"debugtrcli=si;", "tracaTrames", "1"},
        {"debugtrcli=no;", "tracaTrames", "0"},
        {"dirdocs=docs;", "dirdocs", "C:\\app\\docs\\"},
        {"dirficheros=fich;", "dirficheros", "C:\\app\\fich\\"},
        {"dirjfree=D:\\jfree;", "dirjfree", "D:\\jfree\\"},
        {"dirbitmaps=\\bmp\\;", "dirbitmaps", "\\bmp\\"},
        {"dirimport=d:;", "dirimport", "d:\\"},
        {"debugenvreb=si;", "mascaraDebug", "129"},
        {"debugsql=si;", "mascaraDebug", "130"},
        {"debugfunc=si;", "mascaraDebug", "132"},
        {"debugsql=no;", "mascaraDebug", "128"},
        {"exthojac=xls;", "exthojac", "xls"},
        {"intermens=5;", "intermens", "20"},
        {"intermens=20;", "intermens", "20"},
        {"intermens=90;", "intermens", "90"},
        {"intermens=abc;", "intermens", "20"},
        // The period in milliseconds still fits the timer's count.
        {"intermens=2147483;", "intermens", "2147483"},
        {"intermens=2147484;", "intermens", "2147483"},
        {"intermens=99999999999999;", "intermens", "2147483"},
        {"acceso_remoto=si;", "acceso_remoto", "1"},
        {"acceso_remoto=no;", "acceso_remoto", "0"},
        {"acceso_remoto=;", "acceso_remoto", "0"},
        {"fuente_grid=pequeña;", "fuente_grid", "0"},
        // The file is code page 1252: its "ñ" is the one byte 0xF1; the UTF-8 pair is another word.
        {"fuente_grid=peque\xF1" "a;", "fuente_grid", "0"},
        {"fuente_grid=peque\xC3\xB1" "a;", "fuente_grid", "1"},
        {"fuente_grid=grande;", "fuente_grid", "1"},
        {"so=windows;", "so", "1"},
        {"so=linux;", "so", "2"},
        {"tvirtual=teclado.exe;", "tvirtual", "teclado.exe"},
        {"ipdin=http://host/ip;", "ipdin", "http://host/ip"},
        // The address is passed quoted: blanks at its ends go, blanks and quotes within stay.
        {"ipdin=http://host/ip ;", "ipdin", "http://host/ip"},
        {"ipdin=\t http://host/ip\t;", "ipdin", "http://host/ip"},
        {"ipdin=http://h/ -O korvuc.exe;", "ipdin", "http://h/ -O korvuc.exe"},
        {"ipdin=http://h/'x';", "ipdin", "http://h/'x'"},
        {"ipdin= ;", "ipdin", ""},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Camp(Llegeix(c.linia), c.camp), c.valor) << c.linia;
}

TEST(TextConfiguracio, BadValuesAreLineErrors)
{
    const std::string error032 = "Error #ref 032, error cargando configuración";
    const struct { std::string linia; std::string error; } casos[] = {
        {"port=123;", linia1},
        {"port=123456;", linia1},
        {"port=00000;", linia1},
        {"port=abcde;", linia1},
        {"port=65536;", linia1},
        {"port=99999;", linia1},
        {"port=-1234;", linia1},
        {"servidor_int=" + std::string(101, 's') + ";", linia1},
        {"servidor_ext=" + std::string(101, 's') + ";", linia1},
        {"grupo=" + std::string(16, 'g') + ";", linia1},
        {"claus=" + std::string(80, 'k') + ";", linia1},
        {"usuario", linia1},
        {"usuario=ana", linia1},
        {"usuario;=ana", linia1},
        // The address service's value goes quoted on a command line: a quote would end it.
        {"ipdin=\"http://h/\";", linia1},
        {"ipdin=http://h/\" -O korvuc.exe;", linia1},
        {"dirdocs=;", error032},
        {"dirficheros=;", error032},
        {"dirjfree=;", error032},
        {"dirbitmaps=;", error032},
        {"dirimport=;", error032},
    };
    for (const auto& c : casos)
        EXPECT_EQ(ErrorDe(c.linia), c.error) << c.linia;
}

TEST(TextConfiguracio, LineErrorNamesTheLineCountingCommentsAndBlankLines)
{
    EXPECT_EQ(TextConfiguracio::ErrorLinia(3), "Error en el fichero de configuración, línea: 3");
    EXPECT_EQ(ErrorDe("# comentario\nusuario=ana;\nsin igual\n"), TextConfiguracio::ErrorLinia(3));
    EXPECT_EQ(ErrorDe("usuario=ana;\r\n\r\n\r\nport=1;\r\n"), TextConfiguracio::ErrorLinia(4));
}

TEST(TextConfiguracio, LinesAfterBlankLinesAreRead)
{
    const Valors v = Llegeix("usuario=ana;\r\n\r\n# nota\r\n\r\nempresa=01;\r\nidioma=Es;");
    EXPECT_EQ(v.usuario, "ana");
    EXPECT_EQ(v.empresa, "01");
    EXPECT_EQ(v.idioma, "Es"); // a last line without a line end counts
}

TEST(TextConfiguracio, KeysMatchExactly)
{
    const Valors v = Llegeix("usuario =ana;\nUsuario=eva;\n usuario=pep;\ndesconocida=1;\n#usuario=x;\n");
    EXPECT_EQ(v.usuario, "");
}

TEST(TextConfiguracio, LaterValueReplacesEarlierAndDebugBitsAccumulate)
{
    const Valors v = Llegeix("usuario=ana;\nusuario=eva;\ndebugsql=si;\ndebugfunc=si;\ndebugsql=no;\n");
    EXPECT_EQ(v.usuario, "eva");
    EXPECT_EQ(v.mascaraDebug, 0x86);
}

TEST(TextConfiguracio, LongLinesAndLongFilesAreReadWhole)
{
    const std::string ajuda(300, 'a');
    std::string text = "ajuda=" + ajuda + ";\n";
    for (int i = 0; i < 150; ++i)
        text += "# comentario\n";
    text += "usuario=ultimo;\n";
    const Valors v = Llegeix(text);
    EXPECT_EQ(v.ajuda, ajuda);
    EXPECT_EQ(v.usuario, "ultimo");

    text += "mal\n";
    EXPECT_EQ(ErrorDe(text), TextConfiguracio::ErrorLinia(153));
}

TEST(TextConfiguracio, TextLongerThanTheCapIsRefused)
{
    std::string text = "usuario=ana;\n";
    text += "#" + std::string(TextConfiguracio::maxMida - text.size() - 2, 'x') + "\n";
    ASSERT_EQ(text.size(), TextConfiguracio::maxMida);
    EXPECT_EQ(Llegeix(text).usuario, "ana");
    EXPECT_EQ(ErrorDe(text + "\n"), "Error #ref 032, error cargando configuración");
}

TEST(TextConfiguracio, OnlyCrBeforeLfBelongsToTheLineEnd)
{
    const auto linies = TextConfiguracio::Linies("a\r\nb\rc\n\r\n\nd");
    ASSERT_EQ(linies.size(), 5u);
    EXPECT_EQ(linies[0], "a");
    EXPECT_EQ(linies[1], "b\rc");
    EXPECT_EQ(linies[2], "");
    EXPECT_EQ(linies[3], "");
    EXPECT_EQ(linies[4], "d");
    EXPECT_TRUE(TextConfiguracio::Linies("").empty());
}

TEST(TextConfiguracio, FolderCompletion)
{
    const struct { const char* valor; const char* carpeta; } casos[] = {
        {"docs", "C:\\app\\docs\\"},
        {"docs\\", "C:\\app\\docs\\"},
        {"\\data", "\\data\\"},
        {"d:", "d:\\"},
        {"d:\\x", "d:\\x\\"},
        {"ab", "ab\\"},
        {"a", "a\\"},
        {"\\\\srv\\docs", "\\\\srv\\docs\\"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(TextConfiguracio::CompletaCarpeta(c.valor, "C:\\app"), c.carpeta) << c.valor;
}

TEST(TextConfiguracio, HelpAddress)
{
    EXPECT_EQ(TextConfiguracio::ComponRuta("ayuda/XX", "Es"), "ayuda/Es/");
    EXPECT_EQ(TextConfiguracio::ComponRuta("C:\\ayuda\\XX", "Es"), "C:\\ayuda\\Es\\");
    EXPECT_EQ(TextConfiguracio::ComponRuta("http://h/XX/XX", "En"), "http://h/En/XX/");
    EXPECT_EQ(TextConfiguracio::ComponRuta("", "Es"), "/");
}

// Write-back.

namespace {

TextConfiguracio::Canvis CanvisServidor(const std::string& servidor, int port)
{
    TextConfiguracio::Canvis c;
    c.servidorExt = servidor;
    c.port = port;
    return c;
}

} // namespace

TEST(TextConfiguracioReescriu, ReplacesOnlyTheChosenLines)
{
    const std::string abans =
        "# servidor_ext=old\r\n"
        "servidor_ext=old.host; comentario\r\n"
        "port=01234;\r\n"
        "usuario=ana;\r\n"
        "portal=1;\r\n";
    EXPECT_EQ(TextConfiguracio::Reescriu(abans, CanvisServidor("10.1.1.1", 5000)),
              "# servidor_ext=old\r\n"
              "servidor_ext=10.1.1.1;\r\n"
              "port=05000;\r\n"
              "usuario=ana;\r\n"
              "portal=1;\r\n");
    // A key that the file does not hold is not added.
    EXPECT_EQ(TextConfiguracio::Reescriu("usuario=ana;\r\n", CanvisServidor("h", 5000)), "usuario=ana;\r\n");
}

TEST(TextConfiguracioReescriu, LoginValuesAreWrittenWhenGiven)
{
    const std::string abans = "usuario=ana;\nempresa=01;\nidioma=Es;\n";
    TextConfiguracio::Canvis c;
    c.usuario = "eva";
    c.idioma = "En";
    EXPECT_EQ(TextConfiguracio::Reescriu(abans, c), "usuario=eva;\r\nempresa=01;\r\nidioma=En;\r\n");
    c.empresa = ""; // given empty: written empty
    EXPECT_EQ(TextConfiguracio::Reescriu(abans, c), "usuario=eva;\r\nempresa=;\r\nidioma=En;\r\n");
}

TEST(TextConfiguracioReescriu, EveryLineSurvivesWholeAndTwoRewritesAgree)
{
    const std::string llarga = "# " + std::string(200, 'x');
    const std::string abans = "usuario=ana;\n\n" + llarga + "\n\n\nclave_desconocida=" +
                              std::string(150, 'v') + ";\nport=01234;\nultima=1;";
    TextConfiguracio::Canvis c = CanvisServidor("srv", 4321);
    c.usuario = "eva";
    const std::string una = TextConfiguracio::Reescriu(abans, c);
    EXPECT_EQ(una, "usuario=eva;\r\n\r\n" + llarga + "\r\n\r\n\r\nclave_desconocida=" +
                       std::string(150, 'v') + ";\r\nport=04321;\r\nultima=1;\r\n");
    EXPECT_EQ(TextConfiguracio::Reescriu(una, c), una);
}

TEST(TextConfiguracioReescriu, RemoteAccessLineAlwaysReadsBack)
{
    const struct { const char* abans; bool si; const char* despres; } casos[] = {
        {"acceso_remoto=si;", false, "acceso_remoto=no;"},
        {"acceso_remoto=no;", true, "acceso_remoto=si;"},
        {"acceso_remoto=no; # nota", true, "acceso_remoto=si; # nota"},
        {"acceso_remoto=s;", true, "acceso_remoto=si;"},
        {"acceso_remoto=;", true, "acceso_remoto=si;"},
        {"acceso_remoto=nope;", true, "acceso_remoto=si;"},
        {"acceso_remoto=si", false, "acceso_remoto=no;"},
        // Keys the reader ignores stay as they are.
        {"acceso_remoto = si;", false, "acceso_remoto = si;"},
        {"acceso_remotox=si;", false, "acceso_remotox=si;"},
        {"acceso_remoto", false, "acceso_remoto"},
    };
    for (const auto& c : casos) {
        TextConfiguracio::Canvis canvis;
        canvis.accesRemot = c.si;
        const std::string despres = TextConfiguracio::Reescriu(c.abans, canvis);
        EXPECT_EQ(despres, std::string(c.despres) + "\r\n") << c.abans;
        // Whatever the reader took as the remote-access line now reads back as the choice.
        if (std::string(c.abans).rfind("acceso_remoto=", 0) == 0) {
            Valors v;
            v.acceso_remoto = c.si ? 0 : 1;
            TextConfiguracio::Aplica(despres, "C:\\", v);
            EXPECT_EQ(v.acceso_remoto, c.si ? 1 : 0) << c.abans;
        }
    }
}

TEST(TextConfiguracioReescriu, ValuesThatWouldNotReadBackAreNotWritten)
{
    const std::string abans = "usuario=ana;\nservidor_ext=h;\nport=01234;\n";
    TextConfiguracio::Canvis c;
    c.usuario = "a;b";
    c.servidorExt = std::string(101, 's');
    c.port = 70000;
    EXPECT_EQ(TextConfiguracio::Reescriu(abans, c), "usuario=ana;\r\nservidor_ext=h;\r\nport=01234;\r\n");
    c.usuario = "x\ny=1";
    c.servidorExt = std::string(100, 's');
    c.port = 65535;
    const std::string despres = TextConfiguracio::Reescriu(abans, c);
    const Valors v = Llegeix(despres);
    EXPECT_EQ(v.usuario, "ana");
    EXPECT_EQ(v.servidor_ext, std::string(100, 's'));
    EXPECT_EQ(v.port, 65535);
}
