#ifndef KORVU_FRAMEWORK_CONTROLS_NOMIMATGE_H
#define KORVU_FRAMEWORK_CONTROLS_NOMIMATGE_H

#include <string>

namespace Win {

// What a picture frame's value names, and the small number rules of the frame: which file of a
// slide folder is shown, and the level of a gauge.
class NomImatge {
public:
    enum class Classe {
        Cap,        // empty or "0": the picture stays as it is
        Recurs,     // all digits: a bitmap of the resource library by number
        Imatge133,  // the configuration's preloaded pictures
        FonsText,
        Logo,
        Fitxer,     // a picture file: cami is its path
        Carpeta     // a folder of pictures: cami is the folder, without the final "\"
    };

    // Names longer than this are cut: what a frame keeps of a value.
    static constexpr std::size_t kMaxNom = 260;

    Classe classe = Classe::Cap;
    unsigned numero = 0;
    std::string cami;

    // A name without ":" lies in `dirBitmaps` (which ends with its separator).
    static NomImatge Classifica(const std::string& nom, const std::string& dirBitmaps);

    // The entry (1 to count) of a slide folder shown when the clock's seconds end in `digit`.
    static int Diapositiva(int digit, int count);

    // Level line of a gauge: the first two characters of the value as a percentage of `alt`.
    static int NivellGauge(const std::string& valor, int alt);

    // The percentage of a click at `y` in a gauge `alt` pixels high, as the value holds it
    // (two digits at most: 0 to 99).
    static int PercentatgeClic(int y, int alt);
};

} // namespace Win

#endif
