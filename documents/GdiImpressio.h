#ifndef KORVU_DOCUMENTS_GDIIMPRESSIO_H
#define KORVU_DOCUMENTS_GDIIMPRESSIO_H

#include <windows.h>

#include <string>

// The GDI calls of direct printing, one virtual operation each, so that a test can watch them
// (which font draws which line) or make one fail. Sistema() makes the calls themselves.
class GdiImpressio {
public:
    virtual ~GdiImpressio() = default;

    static GdiImpressio& Sistema();

    virtual HDC CreaDc(const std::string& impressora);
    virtual BOOL EsborraDc(HDC dc);
    virtual int IniciaDocument(HDC dc, const char* nom);
    virtual int AcabaDocument(HDC dc);
    virtual int AbandonaDocument(HDC dc);
    virtual int IniciaPagina(HDC dc);
    virtual int AcabaPagina(HDC dc);
    virtual HFONT CreaFont(const std::string& cara, int alcada);
    virtual HGDIOBJ Selecciona(HDC dc, HGDIOBJ objecte);
    virtual BOOL EsborraObjecte(HGDIOBJ objecte);
    virtual BOOL Metriques(HDC dc, TEXTMETRICA* tm);
    virtual int PixelsPerPolzada(HDC dc);
    virtual BOOL EscriuText(HDC dc, int x, int y, const std::string& text);
    // The pass-through escape: dades begins with its 16-bit byte count.
    virtual int PassaDirecte(HDC dc, const char* dades);
};

#endif
