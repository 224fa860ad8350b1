#include "documents/Correu.h"

#include "documents/EnllacCorreu.h"
#include "documents/Transferencia.h"
#include "framework/BibliotequesSistema.h"
#include "framework/ErrorBox.h"
#include "framework/MsgBox.h"
#include "link/Comunicador.h"

static_assert(SW_SHOWMAXIMIZED == 3 && MB_ICONEXCLAMATION == 0x30, "the mail's window and box");

bool Correu::EnviaMail()
{
    try {
        const std::string enllac = EnllacCorreu::Enllac(Transferencia::Camp(com_, 1));
        const HINSTANCE r = Win::ShellExecuta(finestra_, nullptr, enllac.c_str(), nullptr, nullptr,
                                               SW_SHOWMAXIMIZED);
        if (reinterpret_cast<INT_PTR>(r) <= 32)
            Win::MsgBox::Show(nullptr, "No se ha\tpodido enviar el mail", "Korvuc",
                              MB_ICONEXCLAMATION);
        com_.Transmit(3, 0);
        return true;
    } catch (...) {
        Win::ErrorBox::Show("Internal Error:\nVista.EnviaMail.");
    }
    // The server waits for an answer: without one both sides would wait for ever.
    try {
        com_.Transmit(10, 0);
    } catch (...) {
    }
    return false;
}
