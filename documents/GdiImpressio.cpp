#include "documents/GdiImpressio.h"

static_assert(PASSTHROUGH == 19, "the pass-through escape");
static_assert(DEFAULT_CHARSET == 1, "the character set of printer fonts");
static_assert(FW_NORMAL == 400, "the weight of printer fonts");

GdiImpressio& GdiImpressio::Sistema()
{
    static GdiImpressio sistema;
    return sistema;
}

HDC GdiImpressio::CreaDc(const std::string& impressora)
{
    return CreateDCA("WINSPOOL", impressora.c_str(), nullptr, nullptr);
}

BOOL GdiImpressio::EsborraDc(HDC dc) { return DeleteDC(dc); }

int GdiImpressio::IniciaDocument(HDC dc, const char* nom)
{
    DOCINFOA di = {};
    di.cbSize = sizeof di;
    di.lpszDocName = nom;
    return StartDocA(dc, &di);
}

int GdiImpressio::AcabaDocument(HDC dc) { return EndDoc(dc); }
int GdiImpressio::AbandonaDocument(HDC dc) { return AbortDoc(dc); }
int GdiImpressio::IniciaPagina(HDC dc) { return StartPage(dc); }
int GdiImpressio::AcabaPagina(HDC dc) { return EndPage(dc); }

HFONT GdiImpressio::CreaFont(const std::string& cara, int alcada)
{
    return CreateFontA(alcada, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, cara.c_str());
}

HGDIOBJ GdiImpressio::Selecciona(HDC dc, HGDIOBJ objecte) { return SelectObject(dc, objecte); }
BOOL GdiImpressio::EsborraObjecte(HGDIOBJ objecte) { return DeleteObject(objecte); }
BOOL GdiImpressio::Metriques(HDC dc, TEXTMETRICA* tm) { return GetTextMetricsA(dc, tm); }
int GdiImpressio::PixelsPerPolzada(HDC dc) { return GetDeviceCaps(dc, LOGPIXELSY); }

BOOL GdiImpressio::EscriuText(HDC dc, int x, int y, const std::string& text)
{
    return TextOutA(dc, x, y, text.data(), static_cast<int>(text.size()));
}

int GdiImpressio::PassaDirecte(HDC dc, const char* dades)
{
    // The byte count travels in the data; the size argument stays 0.
    return Escape(dc, PASSTHROUGH, 0, dades, nullptr);
}
