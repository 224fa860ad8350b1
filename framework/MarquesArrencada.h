#ifndef KORVU_FRAMEWORK_MARQUESARRENCADA_H
#define KORVU_FRAMEWORK_MARQUESARRENCADA_H

namespace Win {

// The points of start-up that the start-up benchmark times, in the order they are reached; it
// sees the window visible and the program ready for input itself.
enum class PuntArrencada {
    Entrada,             // the program entry
    ConfiguracioLlegida, // korvuc.cfg read and applied
    AbansImatges,        // fonts, korvui01 and folders done
    FiConfiguracio,      // the preloaded bitmaps and icons done, and the rest of the configuration
    Finestra,            // the main window exists (its creation handler starts)
    PantallaInici,       // the login screen built, the main window made
    Mostrada,            // the main window placed and shown
    Pintada,             // its first paint done
    Enfocada,            // the first field focused
    Bucle,               // the message loop about to take its first message
    kNombre
};

// Set only by the benchmark's build of the program (tools/bench/MarquesArrencada.cpp); the
// program itself leaves it null.
inline void (*marcaArrencada)(PuntArrencada) = nullptr;

inline void MarcaArrencada(PuntArrencada punt)
{
    if (marcaArrencada)
        marcaArrencada(punt);
}

} // namespace Win

#endif
