#ifndef KORVU_TESTS_SCREENS_BYTESMEMORIA_H
#define KORVU_TESTS_SCREENS_BYTESMEMORIA_H

// Byte sources and destinations in memory for the definitions-file readers and writers, and
// a builder of definition lines column by column.

#include "screens/DestiBytes.h"
#include "screens/FontBytes.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>

namespace prova {

// Hands out the text in slices of at most `tros` bytes, so that lines cross block ends.
class FontMemoria : public FontBytes {
public:
    explicit FontMemoria(std::string text, std::size_t tros = 1 << 20) : text_(std::move(text)), tros_(tros) {}
    std::size_t Llegeix(char* desti, std::size_t max) override
    {
        const std::size_t n = std::min({max, tros_, text_.size() - pos_});
        std::memcpy(desti, text_.data() + pos_, n);
        pos_ += n;
        return n;
    }

private:
    std::string text_;
    std::size_t tros_;
    std::size_t pos_ = 0;
};

// Fails once `limit` bytes have been given.
class FontTallada : public FontMemoria {
public:
    FontTallada(std::string text, std::size_t limit) : FontMemoria(std::move(text), 7), limit_(limit) {}
    std::size_t Llegeix(char* desti, std::size_t max) override
    {
        if (donats_ >= limit_)
            throw std::runtime_error("read failed");
        const std::size_t n = FontMemoria::Llegeix(desti, std::min(max, limit_ - donats_));
        donats_ += n;
        return n;
    }

private:
    std::size_t limit_;
    std::size_t donats_ = 0;
};

class DestiMemoria : public DestiBytes {
public:
    void Escriu(const char* bytes, std::size_t n) override { text.append(bytes, n); }
    std::string text;
};

// The columns of one definition line, with the values of an ordinary text label.
struct Columnes {
    std::string id = "EsKRVMEN  01001";
    int codigo = 1;
    std::string etiqueta = "Texto";
    int x1 = 10, y1 = 20, x2 = 0, y2 = 0;
    char opcion = ' ', tipo = 'T', dato = ' ', marca = '0';
    int longMax = 0;
    char variante = '0', accion = '0';
    int orden = 0, pagina = 0;

    // The 131 columns, without a line end.
    std::string Linia() const
    {
        char b[200];
        std::snprintf(b, sizeof b, "%-15.15s%03d%-80.80s%04d%04d%04d%04d%c%c%c%c%05d%c%c%03d%03d",
                      id.c_str(), codigo, etiqueta.c_str(), x1, y1, x2, y2, opcion, tipo, dato, marca,
                      longMax, variante, accion, orden, pagina);
        if (std::strlen(b) != 131)
            throw std::logic_error("a column overflows");
        return b;
    }
};

// A line of the screen `id` for the control `codigo` of kind `tipo` on page `pagina`.
inline Columnes Linia(const char* id, int codigo, char tipo, int pagina = 0)
{
    Columnes c;
    c.id = id;
    c.codigo = codigo;
    c.tipo = tipo;
    c.pagina = pagina;
    return c;
}

} // namespace prova

#endif
