#ifndef KORVU_SCREENS_RESPOSTA_H
#define KORVU_SCREENS_RESPOSTA_H

#include "framework/controls/ControlDef.h"

#include <string>
#include <vector>

// Carries a screen reply (the link's frame text) into the field records: state, mark, style and
// value of every field, the sound request of record field 9 and the field to focus. What the
// controls must be told goes to an observer, only for the fields that changed.
class Resposta {
public:
    class Observador {
    public:
        virtual ~Observador() = default;
        virtual void So(int recurs) = 0;                        // a sound is pending
        virtual void Valor(int index, const ControlDef& camp) = 0;  // give the control its value
        virtual void Estat(int index, const ControlDef& camp) = 0;  // apply the new state
        virtual void Log(const std::string& text) = 0;          // one client-log line
    };

    // State character received: '0', '1' or '2'; marca gets 64 when it came above 'o'.
    static int Estat(unsigned char c, int& marca);
    static int Estil(unsigned char c);
    // WAVE resource asked for by record field 9's text; 0 for none.
    static int So(const std::string& text);

    // Applies the reply in text to the fields. Returns the field to focus afterwards. A field
    // whose code the record lacks throws DispError "#ref 018"; the fields before it keep what
    // they received.
    static int Aplica(char* text, std::vector<ControlDef>& camps, int campDefecte,
                      const std::string& idPantalla, bool logActiu, Observador& obs);
};

#endif
