#ifndef KORVU_FRAMEWORK_CONTROLS_REGLADATA_H
#define KORVU_FRAMEWORK_CONTROLS_REGLADATA_H

#include <string>

namespace Win {

// How a date field completes and checks what the user typed: day, month and year to the form
// dd/mm/yyyy. Kept apart from the window so that it can be checked and fuzzed on its own.
class ReglaData {
public:
    // Completes the text to dd/mm/yyyy (one-digit day or month, missing separators, a two-digit
    // year in this century); false, leaving the text in any state, when it is no date.
    static bool Normalitza(std::string& text);

    struct Resultat {
        int codi;     // 0 unchanged, 1 invalid, 2 changed and valid
        bool escriu;  // the field must show the kept text
    };

    // The field's validation of its whole text against the last text it accepted, which takes
    // the normalised text when it is a new valid date. An empty date is valid and leaves the
    // kept text alone.
    static Resultat Valida(const std::string& text, std::string& guardat);

    // What the server gets for the text a field shows while it still has the focus: the date
    // that leaving it would show. False, with the text as shown, when leaving would refuse it.
    static bool PerServidor(const std::string& text, const std::string& guardat, std::string& valor);
};

} // namespace Win

#endif
