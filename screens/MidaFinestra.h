#ifndef KORVU_SCREENS_MIDAFINESTRA_H
#define KORVU_SCREENS_MIDAFINESTRA_H

// Where the main window stands once the first server screen is shown: the maximised size,
// but at most 1045 x 768 and then centred.
struct MidaFinestra {
    int x;
    int y;
    int ancho;
    int alto;

    static MidaFinestra Calcula(int anchoMax, int altoMax);
};

#endif
