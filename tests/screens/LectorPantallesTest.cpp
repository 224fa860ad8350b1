#include "screens/LectorPantalles.h"

#include "screens/LiniaPantalla.h"
#include "screens/SumaPantalla.h"
#include "tests/screens/BytesMemoria.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using prova::Columnes;
using prova::Linia;

const char kMenu[] = "EsKRVMEN  01001";
const char kInici[] = "EsKRVINI  01001";

std::string Fitxer(const std::vector<Columnes>& linies, const char* fi = "\r\n")
{
    std::string text;
    for (const Columnes& c : linies)
        text += c.Linia() + fi;
    return text;
}

struct Carrega {
    bool trobada = false;
    std::vector<ControlDef> taula;
    int saltades = 0;
    std::int32_t suma = 0;
};

Carrega Llegeix(const std::string& text, const std::string& id, std::size_t tros = 1 << 20)
{
    prova::FontMemoria font(text, tros);
    LectorPantalles lector(font);
    Carrega c;
    c.trobada = lector.Cerca(id);
    if (c.trobada)
        c.taula = lector.Llegeix(1.0, 1.0);
    c.saltades = lector.saltades;
    c.suma = lector.Suma();
    return c;
}

std::vector<int> Numeros(const ControlDef& d)
{
    std::vector<int> n;
    for (const auto& e : d.elementos)
        n.push_back(e.numero);
    return n;
}

} // namespace

TEST(LectorPantalles, OnlyTheRequestedIdentifierIsFound)
{
    const std::string dues = Fitxer({Linia("EsKRVART  01001", 1, 'T'), Linia(kMenu, 2, 'T')});
    struct Cas {
        const char* que;
        std::string text;
        std::string id;
        bool trobada;
        int saltades;
    } casos[] = {
        {"empty file", "", kMenu, false, 0},
        {"identifier absent", dues, "EsKRVMEN  01002", false, 2},
        {"14 characters", dues, "EsKRVMEN  0100", false, 0},
        {"16 characters", dues + "EsKRVMEN  010011\r\n", "EsKRVMEN  010011", false, 0},
        {"second screen", dues, kMenu, true, 1},
        {"blank lines ahead", "\r\n\n" + dues, kMenu, true, 3},
    };
    for (const Cas& c : casos) {
        const Carrega r = Llegeix(c.text, c.id);
        EXPECT_EQ(r.trobada, c.trobada) << c.que;
        EXPECT_EQ(r.saltades, c.saltades) << c.que;
        EXPECT_EQ(r.taula.size(), c.trobada ? 1u : 0u) << c.que;
    }
}

TEST(LectorPantalles, ScreenEdgeCases)
{
    Columnes blanca = Linia(kMenu, 3, 'T');
    blanca.etiqueta = std::string(80, ' ');
    Columnes quadre = Linia(kInici, 4, 'P');
    quadre.orden = 7;
    Columnes multi = Linia(kMenu, 5, 'X');
    multi.variante = '2';
    multi.dato = 'M';
    Columnes import = Linia(kMenu, 6, 'C');
    import.longMax = 9;
    import.dato = '2';
    import.marca = '1';
    import.variante = '1';
    Columnes pest2b = Linia(kMenu, 50, 'N', 2);
    pest2b.etiqueta = "Segunda";

    struct Cas {
        const char* que;
        std::string text;
        const char* id;
        std::function<void(const std::vector<ControlDef>&)> comprova;
    } casos[] = {
        {"last line without its line end",
         Fitxer({Linia(kMenu, 1, 'T')}) + Linia(kMenu, 2, 'T', 9).Linia(), kMenu,
         [](const std::vector<ControlDef>& t) {
             ASSERT_EQ(t.size(), 2u);
             EXPECT_EQ(t[1].codigo, 2);
             EXPECT_EQ(t[1].pagina, 9);
         }},
        {"80-blank label", Fitxer({blanca}), kMenu,
         [](const std::vector<ControlDef>& t) { EXPECT_EQ(t.at(0).etiqueta, " "); }},
        {"style 9 only for frames of the client's own series",
         Fitxer({quadre, Linia(kInici, 5, 'T'), Linia(kMenu, 6, 'P')}) , kInici,
         [](const std::vector<ControlDef>& t) {
             ASSERT_EQ(t.size(), 2u);
             EXPECT_EQ(t[0].estilo, '9');
             EXPECT_EQ(t[0].orden, 0);
             EXPECT_TRUE(t[0].marcaPanel);
             EXPECT_EQ(t[1].estilo, '0');
         }},
        {"frame of another series", Fitxer({Linia(kMenu, 6, 'P')}), kMenu,
         [](const std::vector<ControlDef>& t) {
             EXPECT_EQ(t.at(0).estilo, '0');
             EXPECT_FALSE(t.at(0).marcaPanel);
         }},
        {"tab strip 3, 1, 2 gathered last",
         Fitxer({Linia(kMenu, 50, 'N', 3), Linia(kMenu, 1, 'C'), Linia(kMenu, 50, 'N', 1),
                 Linia(kMenu, 50, 'N', 2), Linia(kMenu, 2, 'C')}),
         kMenu,
         [](const std::vector<ControlDef>& t) {
             ASSERT_EQ(t.size(), 3u);
             EXPECT_EQ(t[0].codigo, 1);
             EXPECT_EQ(t[1].codigo, 2);
             EXPECT_EQ(t[2].tipo, 10);
             EXPECT_EQ(Numeros(t[2]), (std::vector<int>{1, 2, 3}));
             EXPECT_EQ(t[2].marca, 0);
         }},
        {"a tab numbered as an earlier one goes ahead of it",
         Fitxer({Linia(kMenu, 50, 'N', 2), Linia(kMenu, 50, 'N', 1), pest2b}), kMenu,
         [](const std::vector<ControlDef>& t) {
             ASSERT_EQ(t.size(), 1u);
             ASSERT_EQ(Numeros(t[0]), (std::vector<int>{1, 2, 2}));
             EXPECT_EQ(t[0].elementos[1].texto, "Segunda");
         }},
        {"tab strip with field code 0 is no tab strip",
         Fitxer({Linia(kMenu, 0, 'N', 1), Linia(kMenu, 1, 'C')}), kMenu,
         [](const std::vector<ControlDef>& t) {
             ASSERT_EQ(t.size(), 1u);
             EXPECT_EQ(t[0].tipo, 0);
         }},
        {"multi-line edit with variant 2 is kind 15", Fitxer({multi}), kMenu,
         [](const std::vector<ControlDef>& t) {
             EXPECT_EQ(t.at(0).tipo, 15);
             EXPECT_EQ(t.at(0).variante, 2);
             EXPECT_EQ(t.at(0).opcion, 1);
         }},
        {"signed numeric with groups shows 13", Fitxer({import}), kMenu,
         [](const std::vector<ControlDef>& t) {
             EXPECT_EQ(t.at(0).subtipo, 0);
             EXPECT_EQ(t.at(0).decimales, 2);
             EXPECT_EQ(t.at(0).longVisible, 13);
         }},
        {"the block ends at the first line of another screen",
         Fitxer({Linia(kMenu, 1, 'T'), Linia("EsKRVART  01001", 2, 'T'), Linia(kMenu, 3, 'T')}), kMenu,
         [](const std::vector<ControlDef>& t) {
             ASSERT_EQ(t.size(), 1u);
             EXPECT_EQ(t[0].codigo, 1);
         }},
    };
    for (const Cas& c : casos) {
        SCOPED_TRACE(c.que);
        const Carrega r = Llegeix(c.text, c.id);
        ASSERT_TRUE(r.trobada);
        c.comprova(r.taula);
    }
}

TEST(LectorPantalles, LettersGiveKindSubKindAndOptions)
{
    struct Cas {
        char tipoL, opcionL, datoL;
        int tipo, subtipo, posEtiqueta, opcion, modoImagen, decimales;
    } casos[] = {
        {'C', ' ', ' ', 0, 1, 0, 0, 1, 0},
        {'C', 'I', '3', 0, 0, 1, 0, 1, 3},
        {'C', 'N', 'C', 0, 3, 2, 0, 1, 0},
        {'C', 'G', 'F', 0, 2, 0, 3, 1, 0},
        {'K', 'D', 'B', 1, 7, 3, 0, 1, 0},
        {'R', 'x', ' ', 13, 6, 1, 0, 1, 0},
        {'B', 'U', ' ', 2, 4, 0, 6, 1, 0},
        {'U', 'S', ' ', 4, 4, 0, 0, 0, 0},
        {'U', 'R', ' ', 4, 4, 2, 0, 1, 0},
        {'U', ' ', 'B', 4, 9, 0, 0, 2, 0},
        {'U', ' ', 'V', 4, 11, 0, 0, 2, 0},
        {'P', 'F', ' ', 5, 4, 0, 4, 1, 0},
        {'X', 'G', ' ', 6, 1, 0, 0, 1, 0},
        {'H', 'P', 'Y', 7, 5, 4, 0, 1, 0},
        {'H', 'G', 'I', 7, 8, 6, 0, 1, 0},
        {'H', 'N', 'T', 7, 12, 7, 0, 1, 0},
        {'H', ' ', ' ', 7, 1, 5, 0, 1, 0},
        {'D', 'P', ' ', 12, 4, 4, 0, 1, 0},
        {'M', 'L', ' ', 8, 1, 0, 5, 1, 0},
        {'I', 'T', ' ', 9, 1, 0, 7, 1, 0},
        {'S', 'x', ' ', 11, 1, 0, 1, 1, 0},
        {'S', 'L', ' ', 11, 1, 0, 3, 1, 0},
        {'N', 'E', ' ', 10, 1, 0, 0, 1, 0},
        {'L', 'M', ' ', 14, 1, 0, 1, 1, 0},
        {'T', 'I', ' ', 3, 1, 1, 0, 1, 0},
        {'?', 'P', ' ', 3, 1, 0, 0, 1, 0},
    };
    for (const Cas& c : casos) {
        Columnes col;
        col.tipo = c.tipoL;
        col.opcion = c.opcionL;
        col.dato = c.datoL;
        const ControlDef d = LiniaPantalla::Llegeix(col.Linia(), kMenu, 1.0, 1.0);
        SCOPED_TRACE(std::string("letters ") + c.opcionL + c.tipoL + c.datoL);
        EXPECT_EQ(d.tipo, c.tipo);
        EXPECT_EQ(d.subtipo, c.subtipo);
        EXPECT_EQ(d.posEtiqueta, c.posEtiqueta);
        EXPECT_EQ(d.opcion, c.opcion);
        EXPECT_EQ(d.modoImagen, c.modoImagen);
        EXPECT_EQ(d.decimales, c.decimales);
    }
}

TEST(LectorPantalles, NumbersHotKeysAndTooltips)
{
    struct Cas {
        char tipo;
        int x2, y2;
        char accion;
        int orden;
        int x2Esperat, tecla, imagen, accionEsperada, ordenEsperat;
        const char* ayuda1;
        const char* ayuda2;
    } casos[] = {
        {'B', 5, 77, '1', 3, 0, 5, 77, 1, 3, "12,3,100,40,F5", "F5"},
        {'B', 0, 77, '9', 3, 0, 0, 77, 9, 3, "12,3,100,40", ""},
        {'H', 7, 0, '1', 2, 0, 7, 0, 1, 2, "12,2,100,40,F7", "Ayuda,F7"},
        {'H', 0, 0, '1', 2, 0, 0, 0, 1, 2, "12,2,100,40", "Ayuda"},
        {'D', 4, 9, '1', 2, 0, 4, 9, 0, 2, "12,2,100,40", ""},
        {'C', 300, 20, '1', 5, 300, 0, 0, 1, 5, "12,5,100,40", ""},
        {'U', 300, 20, '1', 5, 300, 0, 0, 1, 0, "12,0,100,40", ""},
        {'M', 300, 20, '1', 5, 300, 0, 0, 1, 0, "12,0,100,40", ""},
    };
    for (const Cas& c : casos) {
        Columnes col;
        col.codigo = 12;
        col.etiqueta = "Ayuda";
        col.x1 = 100;
        col.y1 = 40;
        col.x2 = c.x2;
        col.y2 = c.y2;
        col.tipo = c.tipo;
        col.accion = c.accion;
        col.orden = c.orden;
        const ControlDef d = LiniaPantalla::Llegeix(col.Linia(), kMenu, 31.0 / 24, 1.5);
        SCOPED_TRACE(std::string("kind letter ") + c.tipo);
        EXPECT_EQ(d.x2, c.x2Esperat);
        EXPECT_EQ(d.y2, c.y2);
        EXPECT_EQ(d.tecla, c.tecla);
        EXPECT_EQ(d.imagen, c.imagen);
        EXPECT_EQ(d.accion, c.accionEsperada);
        EXPECT_EQ(d.orden, c.ordenEsperat);
        EXPECT_EQ(d.ayuda1, c.ayuda1);
        EXPECT_EQ(d.ayuda2, c.ayuda2);
        EXPECT_EQ(d.escalaX, 31.0 / 24);
        EXPECT_EQ(d.escalaY, 1.5);
        EXPECT_EQ(d.estado, '0');
        EXPECT_EQ(d.control, nullptr);
    }
}

TEST(LectorPantalles, DisplayLength)
{
    struct Cas {
        char dato, marca, variante;
        int longMax, esperat;
    } casos[] = {
        {' ', '1', '1', 30, 30},  // text: the mark and variant add nothing
        {'0', '0', '0', 9, 9},
        {'0', '1', '0', 9, 10},
        {'2', '0', '0', 9, 10},
        {'0', '0', '1', 9, 11},   // 9 integer digits: two separators
        {'0', '0', '1', 7, 9},    // 7: two
        {'2', '1', '1', 9, 13},
        {'F', '1', '1', 4, 10},   // a date always shows 10
    };
    for (const Cas& c : casos) {
        Columnes col;
        col.tipo = 'C';
        col.dato = c.dato;
        col.marca = c.marca;
        col.variante = c.variante;
        col.longMax = c.longMax;
        EXPECT_EQ(LiniaPantalla::Llegeix(col.Linia(), kMenu, 1, 1).longVisible, c.esperat)
            << c.dato << c.marca << c.variante << " " << c.longMax;
    }
}

// Lines crossing the reader's block ends, LF-only line ends and damaged lines give the same
// records: every line is read on its own, so a short or long line spoils only itself.
TEST(LectorPantalles, LinesAreReadOnTheirOwnWhateverTheBlocks)
{
    std::vector<Columnes> linies;
    for (int i = 0; i < 40; ++i)
        linies.push_back(Linia(i % 2 ? "CaKRVMEN  01001" : "EsKRVART  01001", i, 'C', i));
    std::vector<Columnes> menu;
    for (int i = 0; i < 30; ++i)
        menu.push_back(Linia(kMenu, 100 + i, 'C', i));
    const std::string base = Fitxer(linies) + Fitxer(menu);
    const Carrega referencia = Llegeix(base, kMenu);
    ASSERT_EQ(referencia.taula.size(), 30u);
    for (const std::size_t tros : {1u, 7u, 16u, 133u, 4096u}) {
        const Carrega r = Llegeix(base, kMenu, tros);
        ASSERT_EQ(r.taula.size(), 30u) << tros;
        EXPECT_EQ(r.saltades, 40) << tros;
        EXPECT_EQ(r.suma, referencia.suma) << tros;
        for (std::size_t i = 0; i < r.taula.size(); ++i)
            EXPECT_EQ(r.taula[i].pagina, static_cast<int>(i)) << tros;
    }
    const Carrega lf = Llegeix(Fitxer(linies, "\n") + Fitxer(menu, "\n"), kMenu);
    EXPECT_EQ(lf.suma, referencia.suma);
    EXPECT_EQ(lf.taula.size(), 30u);

    const std::string curta = std::string(kMenu) + "007Corta";
    const std::string llarga = Linia(kMenu, 8, 'C', 4).Linia() + std::string(500, 'x');
    const Carrega danyat = Llegeix(curta + "\r\n" + llarga + "\r\n" + Linia(kMenu, 9, 'K', 5).Linia(), kMenu, 64);
    ASSERT_EQ(danyat.taula.size(), 3u);
    EXPECT_EQ(danyat.taula[0].codigo, 7);
    EXPECT_EQ(danyat.taula[0].etiqueta, "Corta");
    EXPECT_EQ(danyat.taula[0].tipo, 3);
    EXPECT_EQ(danyat.taula[1].pagina, 4);
    EXPECT_EQ(danyat.taula[2].tipo, 1);
    EXPECT_EQ(danyat.taula[2].pagina, 5);
}

// Two short lines whose ends fall where one line of the usual width would end: the reader
// must still see two lines, and find the screen that starts the second.
TEST(LectorPantalles, ShortLinesHiddenInTheUsualWidth)
{
    const std::string a = std::string("EsKRVART  01001") + std::string(45, 'a');
    const std::string b = std::string(kMenu) + "004" + std::string(133 - 4 - a.size() - 18, 'b');
    ASSERT_EQ(a.size() + b.size() + 4, 133u);
    std::string text;
    for (int i = 0; i < 3; ++i)
        text += Linia("EsKRVART  01001", 1, 'T').Linia() + "\r\n";
    text += a + "\r\n" + b + "\r\n";
    for (int i = 0; i < 3; ++i)
        text += Linia(kMenu, 5 + i, 'T').Linia() + "\r\n";
    for (const std::size_t tros : {1u << 20, 133u * 3, 100u}) {
        const Carrega r = Llegeix(text, kMenu, tros);
        ASSERT_TRUE(r.trobada) << tros;
        EXPECT_EQ(r.saltades, 4) << tros;
        ASSERT_EQ(r.taula.size(), 4u) << tros;
        EXPECT_EQ(r.taula[0].codigo, 4) << tros;
        EXPECT_EQ(r.taula[3].codigo, 7) << tros;
    }
}

TEST(LectorPantalles, ReadFailureKeepsHowFarTheLoadCame)
{
    const std::string text = Fitxer({Linia("EsKRVART  01001", 1, 'T'), Linia(kMenu, 2, 'T'), Linia(kMenu, 3, 'T')});
    {
        prova::FontTallada font(text, 140);
        LectorPantalles lector(font);
        EXPECT_THROW(lector.Cerca(kMenu), std::runtime_error);
        EXPECT_EQ(lector.saltades, 1);
        EXPECT_EQ(lector.etapa, 1);
    }
    {
        prova::FontTallada font(text, 300);
        LectorPantalles lector(font);
        ASSERT_TRUE(lector.Cerca(kMenu));
        EXPECT_THROW(lector.Llegeix(1, 1), std::runtime_error);
        EXPECT_EQ(lector.etapa, 16);
        EXPECT_EQ(lector.marcador, 97);
    }
}

TEST(SumaPantalla, ColumnsWeightedByPosition)
{
    // The fed columns '001' '0010' '0020' '0100' '0030' 'E' 'C' ' ' '0' '00020' '0' '1' '001'
    // '000' add 32,648; the identifier and the label count for nothing.
    Columnes c;
    c.codigo = 1;
    c.x1 = 10;
    c.y1 = 20;
    c.x2 = 100;
    c.y2 = 30;
    c.opcion = 'E';
    c.tipo = 'C';
    c.dato = ' ';
    c.marca = '0';
    c.longMax = 20;
    c.variante = '0';
    c.accion = '1';
    c.orden = 1;
    c.pagina = 0;
    SumaPantalla s;
    LiniaPantalla::Suma(c.Linia(), s);
    EXPECT_EQ(s.suma, 32648);
    c.id = "CaOTRA    99999";
    c.etiqueta = "Cualquier cosa";
    SumaPantalla t;
    LiniaPantalla::Suma(c.Linia(), t);
    EXPECT_EQ(t.suma, 32648);

    // Each line restarts the weights; a byte of 0x80 or more counts as negative.
    LiniaPantalla::Suma(c.Linia(), t);
    EXPECT_EQ(t.suma, 2 * 32648);
    SumaPantalla alta;
    alta.Afegeix("\xE9" "A");
    EXPECT_EQ(alta.suma, (0xE9 - 256) * 1 + 'A' * 2);
    alta.suma = INT32_MAX;
    alta.NovaLinia();
    alta.Afegeix("\x01");
    EXPECT_EQ(alta.suma, INT32_MIN);
}

// Column by column, as the loader feeds a line: the sum and the position run on across calls.
TEST(SumaPantalla, RunsOnAcrossColumns)
{
    SumaPantalla s;
    for (const char* columna : {"001", "0010", "0020", "0100", "0030", "E", "C", " ", "0", "00020", "0", "1", "001",
                                "000"})
        s.Afegeix(columna);
    EXPECT_EQ(s.suma, 32648);
    EXPECT_EQ(s.posicio, 36);
    s.NovaLinia();
    s.Afegeix("\x80");
    EXPECT_EQ(s.suma, 32648 - 128);
}

TEST(SumaPantalla, CheckNumberZeroAcceptsAnyLines)
{
    EXPECT_TRUE(SumaPantalla::Accepta(32648, 0));
    EXPECT_TRUE(SumaPantalla::Accepta(-5, 0));
    EXPECT_TRUE(SumaPantalla::Accepta(32648, 32648));
    EXPECT_FALSE(SumaPantalla::Accepta(32648, 32649));
    EXPECT_FALSE(SumaPantalla::Accepta(0, 1));
}
