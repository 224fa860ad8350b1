#ifndef KORVU_SCREENS_LECTORPANTALLES_H
#define KORVU_SCREENS_LECTORPANTALLES_H

#include "framework/controls/ControlDef.h"
#include "screens/FontBytes.h"
#include "screens/LectorLinies.h"
#include "screens/SumaPantalla.h"

#include <string>
#include <string_view>
#include <vector>

// Finds one screen in the definitions file and reads its lines into field records. Its
// progress (lines skipped, stage, marker) is kept for the text of a failure.
class LectorPantalles {
public:
    explicit LectorPantalles(FontBytes& font);

    // Skips the lines of other screens up to the first line of `id`; false when the file ends
    // first. An identifier of any length but 15 never matches.
    bool Cerca(std::string_view id);

    // After Cerca, once the caller has emptied its field table: the records of the screen's
    // lines in file order, the tab strip's one record (gathering every tab-strip line as a tab)
    // last. The sum of the lines read is in Suma().
    std::vector<ControlDef> Llegeix(double escalaX, double escalaY);

    std::int32_t Suma() const { return suma_.suma; }

    // How far the load came, in the numbers that the failure's text reports. A line is taken
    // whole and its columns parsed in memory, so a failure inside it reports kLinia; the stages
    // of its single columns (6 to 15), and 2 (a line just passed over), are never reported.
    enum : int {
        kSenseObrir = 0,     // the file did not open
        kCercant = 1,
        kTrobada = 3,
        kTaulaBuidada = 4,   // the caller emptied its field table
        kLinia = 5,
        kLiniaDesada = 16,   // then the next line is read
    };
    // The marker's numbers (0 before the first line).
    enum : int { kMarcaCamp = 97, kMarcaPestanyes = 98 };

    int saltades = 0;  // lines skipped while searching
    int etapa = kSenseObrir;
    int marcador = 0;  // after a field line or a tab-strip line

    // The three numbers joined by "-": lines skipped, stage, marker.
    std::string Progres() const;

private:
    bool EsDeLaPantalla() const;

    LectorLinies linies_;
    std::string id_;
    std::string_view linia_;
    bool teLinia_ = false;
    SumaPantalla suma_;
};

#endif
