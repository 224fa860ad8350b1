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

    // After Cerca: the records of the screen's lines in file order, the tab strip's one record
    // (gathering every tab-strip line as a tab) last. The sum of the lines read is in Suma().
    std::vector<ControlDef> Llegeix(double escalaX, double escalaY);

    std::int32_t Suma() const { return suma_.suma; }

    int saltades = 0;  // lines skipped while searching
    int etapa = 0;     // how far the load came: 1-2 searching, 3 found, 5-16 reading a line
    int marcador = 0;  // 97 after a field line, 98 after a tab-strip line

private:
    bool EsDeLaPantalla() const;

    LectorLinies linies_;
    std::string id_;
    std::string_view linia_;
    bool teLinia_ = false;
    SumaPantalla suma_;
};

#endif
