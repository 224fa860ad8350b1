#ifndef KORVU_DOCUMENTS_FITXERNOU_H
#define KORVU_DOCUMENTS_FITXERNOU_H

#include <windows.h>

#include <string>

// A file received under a new name beside its target and put in the target's place only once
// it is whole: until Confirma succeeds any earlier file of that name is left as it was, and a
// file that is not confirmed is deleted. The new files that transfers cut off with the program
// left in a folder are deleted when a new file is next made there; their names have a shape no
// document may take, and a target of that shape is refused, so nothing else goes with them.
class FitxerNou {
public:
    explicit FitxerNou(std::string desti);
    ~FitxerNou();
    FitxerNou(const FitxerNou&) = delete;
    FitxerNou& operator=(const FitxerNou&) = delete;

    // Creates the new file; false when it cannot be made, or when another program holds the
    // target so that it could not be replaced (the last error says why). Nothing is then made.
    bool Obre();
    // Writes every byte or returns false (a failed write may show only at a later call, at the
    // latest at Confirma).
    bool Escriu(const void* bytes, DWORD n);
    // Closes it and renames it over the target. A read-only target is replaced only with
    // `substitueixLectura`. False when any of it failed; the new file is then deleted.
    bool Confirma(bool substitueixLectura);

    // Copies font over desti the same way, through a new file beside desti: a copy cut short
    // (a full disk) leaves any earlier desti whole. A read-only desti, or desti being font
    // itself, is refused as the system's own copy refuses it. False when any of it failed;
    // nothing new is then left behind.
    static bool Copia(const std::string& font, const std::string& desti);

    const std::string& Desti() const { return desti_; }
    bool Confirmat() const { return confirmat_; }

private:
    static constexpr std::size_t kMidaBuffer = 64 * 1024;

    void Descarta();
    bool Buida();

    std::string desti_;
    std::string temporal_;
    HANDLE h_ = INVALID_HANDLE_VALUE;
    bool confirmat_ = false;
    bool fallat_ = false;
    std::string pendent_;
};

#endif
