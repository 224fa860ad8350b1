#ifndef KORVU_DOCUMENTS_CORREU_H
#define KORVU_DOCUMENTS_CORREU_H

#include <windows.h>

class Comunicador;

// Server command 'A': a mail message that the server composes, opened in the user's mail
// program through a "mailto:" link.
class Correu {
public:
    Correu(Comunicador& com, HWND finestra) : com_(com), finestra_(finestra) {}

    // Always answers the server: "0" once the link went to the shell (also when the shell
    // failed, which is shown), "9" after an internal error. False after an internal error.
    bool EnviaMail();

private:
    Comunicador& com_;
    HWND finestra_;
};

#endif
