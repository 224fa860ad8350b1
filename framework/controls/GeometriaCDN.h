#ifndef KORVU_FRAMEWORK_CONTROLS_GEOMETRIACDN_H
#define KORVU_FRAMEWORK_CONTROLS_GEOMETRIACDN_H

#include <cstddef>

class ControlDef;

namespace Win {

// The number rules by which form controls are placed and sized from their field record and the
// screen scale. Kept apart from the window code so that they can be checked on their own.
class GeometriaCDN {
public:
    struct Rect {
        int x;
        int y;
        int ample;
        int alt;
    };
    struct Punt {
        int x;
        int y;
    };
    struct Mida {
        int ample;
        int alt;
    };

    // Screen coordinates are rounded by adding one half and truncating toward zero.
    static int Arrodoneix(double v);

    // Position and size of a control: the record's rectangle, or a size derived from its
    // visible length when the right or bottom edge is 0; then scaled.
    static Rect Base(const ControlDef& def, double sx, double sy);

    // Top-left corner of the label, whose measured width is `amplada`, by the record's label
    // position (0 above, 1 left, anything else where the control starts).
    static Punt Etiqueta(const ControlDef& def, int amplada, double sx, double sy);

    // A push button: its width follows the visible length only; `altBase` is the height already
    // computed by Base, which is raised to 24 and scaled once more.
    static Mida Boto(const ControlDef& def, int altBase, double sx, double sy);

    // A check box: its label text plus room for the box.
    static Mida Checkbox(int ampladaText, double sx, double sy);

    // Width of a text from the advance widths measured for it: only the `mesurats` glyphs that
    // the measurement reports count, and never more than the `capacitat` slots it could fill.
    static int SumaAmplades(const int* amplades, std::size_t capacitat, std::size_t mesurats);
};

} // namespace Win

#endif
