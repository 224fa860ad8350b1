#ifndef KORVU_DOCUMENTS_TRANSFERENCIA_H
#define KORVU_DOCUMENTS_TRANSFERENCIA_H

#include <windows.h>

#include <string>

class Comunicador;
class FitxerNou;

// Files carried in blocks over the open server connection, both ways.
class Transferencia {
public:
    Transferencia(Comunicador& com, HWND finestra) : com_(com), finestra_(finestra) {}

    // Receives one file into `fitxer` (already open), answering "0" after every block. The file
    // is confirmed in its target's place before the last block is answered, so the server
    // hears "9" instead when it is not whole: a block that claims more bytes than it holds, a
    // failed write or a failed rename. False on any failure, shown in the error box.
    bool Rep(FitxerNou& fitxer, bool substitueixLectura);

    // How the file being sent is read; tests stand a failing read in.
    using Llegidor = BOOL(WINAPI*)(HANDLE, LPVOID, DWORD, LPDWORD, LPOVERLAPPED);

    // Server command 6: sends the file that the reply names (from the documents folder, or
    // picked in the Open dialog when the name is a pattern). Throws DispError "#ref 027" when
    // the last block cannot be sent or the file cannot be read to its end; the server then
    // never gets the end mark.
    void Envia(Llegidor llegeix = ReadFile);

    // The whole text of field n of the reply record (after its 2-character code); empty when
    // the reply has no record. A missing field throws DispError "#ref 018".
    static std::string Camp(const Comunicador& com, int n);

private:
    Comunicador& com_;
    HWND finestra_;
};

#endif
