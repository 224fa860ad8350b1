#ifndef KORVU_DOCUMENTS_FLUXREGISTRES_H
#define KORVU_DOCUMENTS_FLUXREGISTRES_H

#include <cstddef>
#include <string>
#include <string_view>

// Reads the record files of received output (listings and print files) from their bytes in
// memory. Fi() turns true once a read has looked for a byte past the end, as a stream's end flag
// does: a record that runs into the end is known as such, one ended by its delimiter is not.
class FluxRegistres {
public:
    // Received reports and listings are records: a kind byte, at most kMaxRegistre bytes of
    // text and the byte kFinalRegistre.
    static constexpr char kFinalRegistre = '\x01';
    static constexpr std::size_t kMaxRegistre = 299;

    explicit FluxRegistres(std::string_view dades) : dades_(dades) {}

    // The text of a report's record, stopping before its final byte, which stays unread.
    std::string_view Registre() { return Fins(kFinalRegistre, kMaxRegistre); }

    // A record's text as the readers show it: each carriage return that does not begin the
    // text becomes "**" together with the byte after it.
    static std::string MarcaRetorns(std::string text);

    // At most max bytes, stopping before delimitador, which stays unread.
    std::string_view Fins(char delimitador, std::size_t max);

    // As Fins, and consumes delimitador when it ends the text: true then; false when the text
    // was cut at max bytes or ran into the end.
    bool Linia(char delimitador, std::size_t max, std::string_view& text);

    // The next byte (0 to 255), or -1 at the end.
    int Byte();

    // Drops one byte; false at the end.
    bool Salta() { return Byte() >= 0; }

    bool Fi() const { return fi_; }

    // No byte is left to read (Fi() may not be set yet).
    bool Esgotat() const { return pos_ == dades_.size(); }

    // The bytes of a file exactly as stored; false when it cannot be read.
    static bool LlegeixFitxer(const std::string& cami, std::string& dades);

private:
    std::string_view dades_;
    std::size_t pos_ = 0;
    bool fi_ = false;
};

#endif
