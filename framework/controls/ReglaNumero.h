#ifndef KORVU_FRAMEWORK_CONTROLS_REGLANUMERO_H
#define KORVU_FRAMEWORK_CONTROLS_REGLANUMERO_H

#include <string>

namespace Win {

// How a numeric field cleans up, cuts, pads and groups what the user typed, and how its text
// travels to and from the server ("." decimal sign, no thousands signs). Kept apart from the
// window so that it can be checked and fuzzed on its own.
class ReglaNumero {
public:
    struct Signes {
        char decimal;
        char milers;
    };

    // "," decimal and "." thousands for the language "Es" (as written), the other way round
    // for every other language.
    static Signes PerIdioma(const std::string& idioma);

    struct Format {
        Signes signes;
        int decimales;    // digits after the decimal sign
        int longMax;      // digit positions, decimal sign included
        int longVisible;  // longest text
        bool agrupa;      // thousands signs are shown
    };

    // Formats the text in place and returns 2, or returns 1 with the text untouched when the
    // number has too many integer digits or its text would be too long.
    static int Formata(std::string& text, const Format& format);

    // The value the server gets for a text the field shows.
    static std::string PerServidor(const std::string& text, Signes signes);

    // The text the field shows for a value from the server, before it is formatted.
    static std::string Rebut(const std::string& valor, Signes signes);
};

} // namespace Win

#endif
