#ifndef KORVU_APP_FINESTRAINICIAL_H
#define KORVU_APP_FINESTRAINICIAL_H

// Where the main window first stands: small and centred for the login screen, as large as
// the screen allows (up to 1045 x 768) when the command line logs in at once.
struct FinestraInicial {
    int x;
    int y;
    int ample;
    int alt;

    // cx, cy: the size of a maximised window on this screen.
    static FinestraInicial Calcula(int cx, int cy, bool autoLogin);
};

#endif
