#ifndef KORVU_SCREENS_PETICIO_H
#define KORVU_SCREENS_PETICIO_H

#include "framework/controls/ControlDef.h"

#include <string>
#include <vector>

// The two requests the client sends, written into the link's frame text (Trama::kMidaText
// bytes): the login request, built from nothing, and the values request, which edits in place
// the reply that the last exchange left there.
class Peticio {
public:
    // What the login request carries; the texts are cut here to what the login screen can hold.
    struct Inici {
        std::string usuari;
        std::string clau;
        std::string empresa;
        std::string idioma;
        std::string grup;
        std::string versio;
        unsigned codePage = 1252;
        unsigned char mascaraDebug = 0x80;
    };
    static constexpr std::size_t kMaxUsuari = 14;
    static constexpr std::size_t kMaxClau = 14;
    static constexpr std::size_t kMaxEmpresa = 8;
    static constexpr std::size_t kMaxIdioma = 2;

    static void EscriuInici(char* text, const Inici& dades);

    // Reads the value of a sent field from its control; may throw.
    class LectorValor {
    public:
        virtual ~LectorValor() = default;
        virtual std::string Valor(int index, const ControlDef& camp) = 0;
        // The listing column chosen by the last click, asked after every value was read
        // (reading a listing's value sets it).
        virtual int Columna() { return 10; }
    };

    // The longest text (without its NUL) that one frame can carry.
    static constexpr std::size_t kMaxText = 8196;

    // Writes the values request for the triggering and current fields (indexes into camps; -1
    // none). Returns an empty text when the request is whole;
    // otherwise the message to show, and then neither the text nor the records have changed,
    // so nothing half-written can be sent.
    static std::string EscriuValors(char* text, std::vector<ControlDef>& camps, int disparador,
                                    int actual, LectorValor& lector);

    // The two characters that lead a sent field's value: state (with its mark) and style.
    static std::string Prefix(const ControlDef& camp);
};

#endif
