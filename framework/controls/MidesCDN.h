#ifndef KORVU_FRAMEWORK_CONTROLS_MIDESCDN_H
#define KORVU_FRAMEWORK_CONTROLS_MIDESCDN_H

class ControlDef;

namespace Win {

// The size rules of the date and numeric fields, the multi-line edit, the tool button, the
// labels, the sub-screen frame and the tab strip. Kept apart from the window code so that they
// can be checked on their own. Sizes never come out negative, whatever the record says.
class MidesCDN {
public:
    struct Mida {
        int ample;
        int alt;
    };

    // A date field is as wide as a date in its font: 65, or 91 when the field is tall.
    static int AmpleData(int altBase, double sx);

    // A numeric field takes three quarters of the width the base gives it, less a little.
    static int AmpleNumeric(int ampleBase);

    // The multi-line edit: the record's rectangle, or the base's size for an edge that is 0.
    static Mida Editex(const ControlDef& def, Mida base, double sy);

    // The height cut to whole text lines (no change when the line height is unknown).
    static int AltLinies(int alt, int altLinia);

    // The tool button is square; its label position carries the size code.
    static Mida Heina(int posEtiqueta, double sx, double sy);

    enum class Font { Control, ControlMitjana, ControlGran, Titol, Fixa, FixaGran, Enllac };

    struct Etiqueta {
        Font font;
        int y;      // the label's top, from the base's top
        int ample;
        int alt;
    };

    // A text label (`enllac` false) or a link label: font and size by the record's option, the
    // record's rectangle where it has one, scaled by the record's own scale. `ampleBase` is the
    // width the base computed and `yBase` its top. A text label 20 high is drawn 13 high and 2
    // higher.
    static Etiqueta Etiquetes(const ControlDef& def, bool enllac, int ampleBase, int yBase);

    // The sub-screen frame and the tab strip: the record's rectangle scaled, 0 for a missing
    // edge.
    static Mida Marc(const ControlDef& def, double sx, double sy);
};

} // namespace Win

#endif
