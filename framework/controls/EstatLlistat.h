#ifndef KORVU_FRAMEWORK_CONTROLS_ESTATLLISTAT_H
#define KORVU_FRAMEWORK_CONTROLS_ESTATLLISTAT_H

#include <string>
#include <string_view>
#include <vector>

namespace Win {

// What all the listings of one screen share: the column table that the header defines and the
// rows are cut by, and the scroll and click state. The view owns one and hands it to every
// listing it builds, so that header and rows line up and the chosen column can be sent.
class EstatLlistat {
public:
    struct Columna {
        bool text = true;     // text column (left-aligned), else numeric (right-aligned)
        int ample = 0;        // characters; a numeric column counts one more than declared
        int inici = 0;        // offset in a line of text
        std::string titol;
        int pixel = 0;        // x of the left edge where it was last painted
    };

    enum class Resultat {
        Definit,      // the table and the title line are new
        Curt,         // shorter than 7 characters: only the title line was emptied
        LletraDolenta,// a descriptor with an unknown kind letter
        SensePuntIComa// the descriptors never end with ";"
    };

    // One stretch of a painted line: the text of column `columna` between `esquerra` and `dreta`,
    // with the grid lines the mode asks for.
    struct Tros {
        int columna;
        bool liniaVertical;   // at x = esquerra - 4
        bool subratllat;      // under the text, from esquerra - 2 to dreta + 2
        int esquerra;
        int dreta;
        std::string text;
        bool alDreta;
    };

    std::vector<Columna> columnes;
    int columnaTriada = 0;
    int ampleVisible = 0;    // characters that fit in a listing window
    int ultimaPrimera = 0;   // highest first column from which the rest still fill the window
    int clicX = 0;
    int primeraVisible = 0;
    int llargCapcalera = 0;

    // Reads a column-definition text: five unread characters, one 5-character descriptor a
    // column (kind letter and a 4-digit width), ";" and the titles separated by tabs. On success
    // `linia` is the title line. On a failure the table keeps the columns read so far.
    Resultat DefineixColumnes(const std::string& text, std::string& linia);

    // The column under the last click, counted from 1, from the pixel starts of the last paint;
    // 10 without columns. Also stored in columnaTriada.
    int TriaColumna();

    // Lays out `linia` over the columns from the first visible one, in a client area that ends
    // at `dreta`, with `pixelsCaracter` pixels a character and grid-line mode `graella`.
    // Writes each painted column's pixel start, as painting does.
    std::vector<Tros> Disposa(const std::string& linia, double pixelsCaracter, int dreta, int graella);

    // Font kind of a listing (the record's option 0-7; 1, 5, 6 and any other share one), its
    // default size from the visible length and the pixel width of one character.
    struct Lletra {
        int tipus;           // 0, 1, 2, 3, 4 or 7
        int ample;
        int alt;
        double pixelsCaracter;
    };
    static Lletra LletraDe(int opcion, int longVisible, double escalaX);

    // The width of a column descriptor: the up to four characters at the start of `desde` as a
    // decimal integer, leading blanks and a sign allowed; a negative one is 0. Whatever else
    // reads a column table reads its widths with this, so that it lines up with the listing.
    static int AmpleDescriptor(std::string_view desde);

    // A row as shown: line breaks become "*".
    static std::string NetejaFila(const char* text);

private:
    void CalculaUltimaPrimera();
};

} // namespace Win

#endif
