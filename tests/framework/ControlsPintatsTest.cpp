// The owner-painted controls: listing, menu panel and picture frame, in real windows.
#include "framework/DcFinestra.h"
#include "framework/DcMemoria.h"
#include "framework/MissatgesPrivats.h"
#include "framework/MsgLoop.h"
#include "framework/ObjecteGdi.h"
#include "framework/controls/CDNLlistatn.h"
#include "framework/controls/CDNMenu.h"
#include "framework/controls/CDNQuadre.h"
#include "framework/controls/CDNEditex.h"
#include "framework/controls/CDNStatic.h"
#include "framework/controls/CercaFitxers.h"
#include "resources/ResourceIds.h"
#include "framework/controls/ControlDef.h"
#include "tests/framework/ControlsProva.h"
#include "tests/framework/EspiaDc.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

ControlDef DefRect(int tipo, int subtipo, int x1, int y1, int x2, int y2, const char* etiqueta = "")
{
    ControlDef d;
    d.tipo = tipo;
    d.subtipo = subtipo;
    d.x1 = x1;
    d.y1 = y1;
    d.x2 = x2;
    d.y2 = y2;
    d.etiqueta = etiqueta;
    d.posEtiqueta = 2;
    return d;
}

HFONT Font(int height, bool underline = false)
{
    return CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, underline, 0, ANSI_CHARSET, 0, 0, 0, 0, "Tahoma");
}

// Paints a control's background into a bitmap of its size and reads pixels back.
class Pintura {
public:
    explicit Pintura(HWND control) : screen_(nullptr), dc_(screen_.Get())
    {
        RECT r = {};
        GetClientRect(control, &r);
        bitmap_.Posa(CreateCompatibleBitmap(screen_.Get(), r.right > 0 ? r.right : 1, r.bottom > 0 ? r.bottom : 1));
        dc_.Selecciona(bitmap_.Get());
        RECT all = {0, 0, r.right, r.bottom};
        FillRect(dc_.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        handled = SendMessageA(control, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc_.Get()), 0) != 0;
    }
    COLORREF At(int x, int y) const { return GetPixel(dc_.Get(), x, y); }
    bool handled;

private:
    Win::DcFinestra screen_;
    Win::ObjecteGdi<HBITMAP> bitmap_;
    Win::DcMemoria dc_;  // gives the bitmap back before it goes
};

// A 24-bit bitmap file whose pixel (x, y), top-down, has the colour `colour(x, y)`.
template <typename Colour>
void EscriuBmp(const std::string& path, int w, int h, Colour colour)
{
    const int row = (w * 3 + 3) & ~3;
    std::vector<unsigned char> pixels(static_cast<std::size_t>(row * h), 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const COLORREF c = colour(x, y);
            unsigned char* p = &pixels[static_cast<std::size_t>((h - 1 - y) * row + x * 3)];
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    BITMAPFILEHEADER fh = {};
    BITMAPINFOHEADER ih = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof ih;
    fh.bfSize = fh.bfOffBits + static_cast<DWORD>(pixels.size());
    ih.biSize = sizeof ih;
    ih.biWidth = w;
    ih.biHeight = h;
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    ih.biCompression = BI_RGB;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&fh), sizeof fh);
    out.write(reinterpret_cast<const char*>(&ih), sizeof ih);
    out.write(reinterpret_cast<const char*>(pixels.data()), static_cast<std::streamsize>(pixels.size()));
}

const COLORREF kVermell = RGB(255, 0, 0);
const COLORREF kBlau = RGB(0, 0, 255);

// A 1 x 1 GIF whose only pixel is red.
void EscriuGif(const std::string& path)
{
    static const unsigned char gif[] = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0, 0, 0, 0,
                                        0,   ',', 0,   0,   0,   0,   1, 0, 1, 0, 0,    2, 2, 0x44, 1, 0, ';'};
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(gif), sizeof gif);
}

std::string CarpetaActual()
{
    char dir[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof dir, dir);
    return dir;
}

void MouAlPunt(HWND w, int x, int y)
{
    POINT p = {x, y};
    ClientToScreen(w, &p);
    SetCursorPos(p.x, p.y);
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &in, sizeof in);
}

void ClicA(HWND w, int x, int y)
{
    MouAlPunt(w, x, y);
    INPUT in[2] = {};
    in[0].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].type = INPUT_MOUSE;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof in[0]);
}

void Tecla(WORD vk, WORD scan)
{
    INPUT in[2] = {};
    for (INPUT& i : in) {
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = vk;
        i.ki.wScan = scan;
    }
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof in[0]);
}

void Boto(DWORD flags)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof in);
}

// The texts a window is given while this lives, seen in front of its own procedure (an
// owner-painted static does not hand its text back).
class TextsDonats {
public:
    explicit TextsDonats(HWND w) : w_(w)
    {
        Actiu() = this;
        anterior_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
    }
    ~TextsDonats()
    {
        SetWindowLongPtrA(w_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(anterior_));
        Actiu() = nullptr;
    }
    TextsDonats(const TextsDonats&) = delete;
    TextsDonats& operator=(const TextsDonats&) = delete;
    std::vector<std::string> texts;

private:
    static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp)
    {
        TextsDonats* t = Actiu();
        if (msg == WM_SETTEXT && lp)
            t->texts.emplace_back(reinterpret_cast<const char*>(lp));
        return CallWindowProcA(t->anterior_, h, msg, wp, lp);
    }
    static TextsDonats*& Actiu()
    {
        static TextsDonats* actiu = nullptr;
        return actiu;
    }
    HWND w_;
    WNDPROC anterior_;
};

struct Desplacaments : Win::CDNLlistatn::Desplacador {
    std::vector<std::pair<int, int>> passos;
    void AjustaDesplazamiento(int dx, int dy) override { passos.emplace_back(dx, dy); }
};

class Pintats : public ParentCompartit {
protected:
    void SetUp() override
    {
        fonts_ = {{&ajustosProva.fontControl, Font(-11)},      {&ajustosProva.fontControlMitjana, Font(-12)},
                  {&ajustosProva.fontControlGran, Font(-18)},  {&ajustosProva.fontLlista, Font(-15)},
                  {&ajustosProva.fontFixa, Font(-14)},         {&ajustosProva.fontFixaPetita, Font(-10)},
                  {&ajustosProva.fontSubratllada, Font(-12, true)}};
        for (auto& f : fonts_)
            *f.first = f.second;
        SetScale(1.0);
        ReiniciaParent();
    }
    void TearDown() override
    {
        SetScale(1.0);
        for (auto& f : fonts_) {
            DeleteObject(f.second);
            *f.first = nullptr;
        }
    }
    // The library's pictures as the configuration holds them.
    static void SetUpTestSuite()
    {
        ParentCompartit::SetUpTestSuite();
        ajustosProva.recursos = LoadLibraryA("korvui01.dll");
        auto bitmap = [](int id) { return LoadBitmapA(ajustosProva.recursos, MAKEINTRESOURCEA(id)); };
        ajustosProva.bmpCapLlista = bitmap(IDB_LIST_HEADER);
        ajustosProva.bmpCapLlista50 = bitmap(IDB_LIST_HEADER_50);
        ajustosProva.bmpCapLlista53 = bitmap(IDB_LIST_HEADER_53);
        ajustosProva.bmpCapLlista150 = bitmap(IDB_LIST_HEADER_150);
        ajustosProva.bmpBandaMenu = bitmap(IDB_MENU_BAND);
        ajustosProva.bmpImatge133 = bitmap(IDB_PICTURE_133);
        ajustosProva.bmpFonsText = bitmap(IDB_TEXT_BACK);
        ajustosProva.icoMes = LoadIconA(ajustosProva.recursos, MAKEINTRESOURCEA(IDI_MENU_PLUS));
        ajustosProva.icoMenys = LoadIconA(ajustosProva.recursos, MAKEINTRESOURCEA(IDI_MENU_MINUS));
        ajustosProva.icoEntrada = LoadIconA(ajustosProva.recursos, MAKEINTRESOURCEA(IDI_MENU_ENTRY));
        ajustosProva.dirbitmaps = CarpetaActual() + "\\";
    }
    static void TearDownTestSuite()
    {
        ParentCompartit::TearDownTestSuite();
        for (HBITMAP* b : {&ajustosProva.bmpCapLlista, &ajustosProva.bmpCapLlista50, &ajustosProva.bmpCapLlista53,
                           &ajustosProva.bmpCapLlista150, &ajustosProva.bmpBandaMenu, &ajustosProva.bmpImatge133,
                           &ajustosProva.bmpFonsText}) {
            DeleteObject(*b);
            *b = nullptr;
        }
    }
    std::vector<std::pair<HFONT*, HFONT>> fonts_;
};

} // namespace

// ---- listing ----

TEST_F(Pintats, ListingFontSizeAndCharacterWidthByFontKind)
{
    // 10 x 12.45 lies on the rounding boundary: the 32-bit program's extended precision gives
    // 124, a 64-bit build 125. The width follows the same expression either way.
    volatile double n = 10;
    const int kAmpleTitol = static_cast<int>(n * 12.45 + 0.5);
    const struct {
        int opcion;
        HFONT* font;
        int ample;
        int alt;
        double f;
    } table[] = {
        {0, &ajustosProva.fontControl, 89, 17, 5.0},        {2, &ajustosProva.fontLlista, 90, 17, 7.0},
        {3, &ajustosProva.fontControlGran, kAmpleTitol, 30, 9.0},   {4, &ajustosProva.fontFixa, 83, 17, 6.8},
        {7, &ajustosProva.fontFixaPetita, 89, 17, 5.0},     {5, &ajustosProva.fontControlMitjana, 83, 17, 6.0},
    };
    for (double scale : {1.0, kGran}) {
        SetScale(scale);
        for (const auto& row : table) {
            SCOPED_TRACE(testing::Message() << "font kind " << row.opcion << " at scale " << scale);
            Win::EstatLlistat estat;
            ControlDef d = DefRect(9, 1, 20, 30, 0, 0, "Listado");
            d.longVisible = 10;
            d.opcion = row.opcion;
            d.escalaX = scale;
            d.escalaY = scale;
            Win::CDNLlistatn l(Parent(), 0, &d, estat, nullptr);
            const int w = static_cast<int>(row.ample * scale + 0.5);
            ExpectPlaced(l.Window(), static_cast<int>(20 * scale + 0.5), static_cast<int>(30 * scale + 0.5), w,
                         static_cast<int>(row.alt * scale + 0.5));
            EXPECT_EQ(l.Controlador().Font(), *row.font);
            EXPECT_DOUBLE_EQ(d.reservado, row.f * scale);
            EXPECT_EQ(estat.ampleVisible, static_cast<int>(w / (row.f * scale)));
            EXPECT_EQ(Style(l.Window()), 0x5000010Au);
            EXPECT_TRUE(GetWindowLongA(l.Window(), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
            EXPECT_EQ(l.LabelWindow(), nullptr);
        }
    }
    // The record's edges win over the default size.
    SetScale(1.0);
    Win::EstatLlistat estat;
    ControlDef d = DefRect(9, 1, 10, 10, 310, 40);
    Win::CDNLlistatn l(Parent(), 0, &d, estat, nullptr);
    ExpectPlaced(l.Window(), 10, 10, 300, 30);
}

TEST_F(Pintats, ListingWindowFailureThrowsItsOwnText)
{
    Win::EstatLlistat estat;
    ControlDef d = DefRect(9, 1, 10, 10, 100, 30);
    try {
        Win::CDNLlistatn l(reinterpret_cast<HWND>(0x1234), 0, &d, estat, nullptr);
        ADD_FAILURE();
    } catch (const char* text) {
        EXPECT_STREQ(text, "Internal error: Control Statuc, la creación a fallado.");
    }
}

TEST_F(Pintats, HeaderAndRowsShareTheColumnsAndAClickChoosesOne)
{
    Win::EstatLlistat estat;
    ControlDef hd = DefRect(11, 1, 10, 10, 390, 27);
    ControlDef rd = DefRect(9, 1, 10, 27, 390, 44);
    rd.valor = "Barcelona    12,5";
    rd.variante = 2;
    rd.opcion = 1; // 6 pixels a character
    Win::CDNLlistatn header(Parent(), 0, &hd, estat, nullptr);
    Win::CDNLlistatn row(Parent(), 1, &rd, estat, nullptr);
    header.SetValue("00000X0010N0005;Ciudad\tImporte");
    row.SetValue(rd.valor.c_str());
    EXPECT_EQ(header.Linia(), "Ciudad     Import ");
    EXPECT_EQ(header.Controlador().LiniaPintada(), "Ciudad     Import ");
    EXPECT_EQ(row.Controlador().LiniaPintada(), rd.valor);
    ASSERT_EQ(estat.columnes.size(), 2u);

    {
        // 6 pixels a character: the numeric column starts 4 + 60 + 4 pixels in; its grid line
        // is drawn in the line colour, and so is the line under each column's text.
        const Pintura p(row.Window());
        EXPECT_TRUE(p.handled);
        EXPECT_EQ(estat.columnes[0].pixel, 0);
        EXPECT_EQ(estat.columnes[1].pixel, 68);
        EXPECT_EQ(p.At(68, 8), RGB(0xC8, 0xC8, 0xC8));
        EXPECT_EQ(p.At(30, 17 - 2), RGB(0xC8, 0xC8, 0xC8));
    }
    rd.variante = 0;
    {
        const Pintura p(row.Window());
        EXPECT_NE(p.At(68, 8), RGB(0xC8, 0xC8, 0xC8)) << "grid mode 0 draws no lines";
    }

    // A real click in the second column.
    SetForegroundWindow(Parent());
    ClicA(row.Window(), 100, 8);
    ASSERT_TRUE(PumpUntil([&] { return estat.clicX == 100; }, 5000)) << "the click never arrived";
    char value[64] = {};
    EXPECT_EQ(row.GetValue(value, sizeof value), static_cast<int>(rd.valor.size()));
    EXPECT_STREQ(value, rd.valor.c_str());
    EXPECT_EQ(estat.columnaTriada, 2);
    ClicA(row.Window(), 20, 8);
    ASSERT_TRUE(PumpUntil([&] { return estat.clicX == 20; }, 5000));
    row.GetValue(value, sizeof value);
    EXPECT_EQ(estat.columnaTriada, 1);

    // A small buffer gets what fits.
    char small[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(row.GetValue(small, 3), static_cast<int>(rd.valor.size()));
    EXPECT_STREQ(small, "Ba");
}

TEST_F(Pintats, ListingRowsAndBrokenHeaders)
{
    Win::EstatLlistat estat;
    ControlDef hd = DefRect(11, 1, 10, 10, 390, 27);
    ControlDef rd = DefRect(9, 1, 10, 27, 390, 44);
    Win::CDNLlistatn header(Parent(), 0, &hd, estat, nullptr);
    Win::CDNLlistatn row(Parent(), 1, &rd, estat, nullptr);

    // Without columns a row paints nothing new.
    row.SetValue("abc");
    EXPECT_EQ(row.Controlador().LiniaPintada(), "");

    header.SetValue("00000X0004N0002;a\tb");
    // Line breaks show as "*"; the record keeps what the server sent.
    rd.valor = "uno\r\ndos";
    row.SetValue(rd.valor.c_str());
    EXPECT_EQ(row.Controlador().LiniaPintada(), "uno**dos");
    EXPECT_EQ(rd.valor, "uno\r\ndos");
    // A blank row spans the header, so that all its columns and lines are drawn.
    row.SetValue(" ");
    EXPECT_EQ(row.Controlador().LiniaPintada(), std::string(1 + 9, ' '));
    row.SetValue(nullptr);
    EXPECT_EQ(row.Controlador().LiniaPintada(), "");

    // A broken header fails quietly ("---" as the window's text, which an owner-painted
    // static keeps to itself); the table holds what was read.
    const struct {
        const char* text;
        std::size_t columnes;
        const char* finestra;
    } table[] = {
        {"00000X0004Q0002;a", 1, "---"},   // bad letter
        {"00000X0004N0002", 2, "---"},     // no ";"
        {"00000X", 2, nullptr},            // too short: the table stays
    };
    for (const auto& r : table) {
        SCOPED_TRACE(r.text);
        header.SetValue("00000X0004N0002;a\tb");
        const TextsDonats texts(header.Window());
        EXPECT_NO_THROW(header.SetValue(r.text));
        EXPECT_EQ(estat.columnes.size(), r.columnes);
        EXPECT_EQ(header.Linia(), "");
        EXPECT_EQ(texts.texts, r.finestra ? std::vector<std::string>{r.finestra} : std::vector<std::string>{});
    }
}

TEST_F(Pintats, ListingKeysAndDrag)
{
    Win::EstatLlistat estat;
    Desplacaments vista;
    ControlDef d = DefRect(9, 1, 10, 10, 390, 27);
    Win::CDNLlistatn l(Parent(), 0, &d, estat, &vista);
    SendMessageA(l.Window(), WM_KEYDOWN, VK_TAB, 1);
    EXPECT_TRUE(UserMessages().empty()) << "Tab does nothing in a listing";
    SendMessageA(l.Window(), WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_EQ(UserMessages(), std::vector<std::string>{Call("OnUserMessage", static_cast<long long>(WM_USER + 6),
                                                            static_cast<long long>(reinterpret_cast<WPARAM>(l.Window())),
                                                            0LL)});

    SendMessageA(l.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 5));
    EXPECT_EQ(estat.clicX, 50);
    SendMessageA(l.Window(), WM_MOUSEMOVE, 0, MAKELPARAM(60, 5));
    SendMessageA(l.Window(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(58, 9));
    SendMessageA(l.Window(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(61, 8));
    EXPECT_EQ(vista.passos, (std::vector<std::pair<int, int>>{{8, 4}, {3, -1}}));
}

TEST_F(Pintats, ListingRealKeysAndDrag)
{
    Win::EstatLlistat estat;
    Desplacaments vista;
    ControlDef d = DefRect(9, 1, 10, 100, 390, 140);
    Win::CDNLlistatn l(Parent(), 0, &d, estat, &vista);
    ASSERT_TRUE(TakeKeyboard(Parent(), l.Window())) << "the test window could not take the keyboard focus";
    parent->ctrl.calls.clear();
    Tecla(VK_TAB, 0x0F);
    Tecla(VK_DOWN, 0x50);
    PumpUntil([&] { return !UserMessages().empty(); }, 5000);
    PumpUntil([] { return false; }, 100); // room for any message that should not come
    EXPECT_EQ(UserMessages(), std::vector<std::string>{Call("OnUserMessage", static_cast<long long>(WM_USER + 6),
                                                            static_cast<long long>(reinterpret_cast<WPARAM>(l.Window())),
                                                            0LL)});

    // Pressed, moved and released: the screen is asked to move by each step.
    MouAlPunt(l.Window(), 100, 10);
    Boto(MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(PumpUntil([&] { return estat.clicX == 100; }, 5000));
    MouAlPunt(l.Window(), 110, 15);
    ASSERT_TRUE(PumpUntil([&] { return !vista.passos.empty(); }, 5000));
    Boto(MOUSEEVENTF_LEFTUP);
    int dx = 0;
    int dy = 0;
    for (const auto& p : vista.passos) {
        dx += p.first;
        dy += p.second;
    }
    EXPECT_EQ(dx, 10);
    EXPECT_EQ(dy, 5);
}

TEST_F(Pintats, ListingStyleChoosesColoursAndStrip)
{
    Win::EstatLlistat estat;
    ControlDef hd = DefRect(11, 1, 10, 10, 390, 27);
    hd.variante = 1;
    hd.opcion = 1; // 6 pixels a character
    Win::CDNLlistatn header(Parent(), 0, &hd, estat, nullptr);
    header.SetValue("00000X0010X0010;WWWWWWWWWW\tMMMMMMMMMM");
    const COLORREF negre = RGB(0, 0, 0);
    const COLORREF blanc = RGB(0xFF, 0xFF, 0xFF);
    const COLORREF gris = RGB(0xC8, 0xC8, 0xC8);
    const struct {
        int estilo;
        HBITMAP strip;
        COLORREF text;
        COLORREF linia;
    } table[] = {{'0', ajustosProva.bmpCapLlista, negre, gris},
                 {'2', ajustosProva.bmpCapLlista50, negre, gris},
                 {'5', ajustosProva.bmpCapLlista53, blanc, RGB(0x96, 0x96, 0x96)},
                 {0x96, ajustosProva.bmpCapLlista150, blanc, gris},
                 {static_cast<signed char>(0x97), ajustosProva.bmpCapLlista150, blanc, gris},
                 {'3', ajustosProva.bmpCapLlista, negre, gris}};
    for (const auto& row : table) {
        SCOPED_TRACE(row.estilo);
        hd.estilo = row.estilo;
        header.Clear();
        // Three of the strips look alike once stretched: the one in use is asked for.
        EXPECT_EQ(header.Controlador().Franja(), row.strip);
        const Pintura p(header.Window());
        HDC screen = GetDC(nullptr);
        HDC mem = CreateCompatibleDC(screen);
        HGDIOBJ old = SelectObject(mem, row.strip);
        const COLORREF stripPixel = GetPixel(mem, 0, 0);
        SelectObject(mem, old);
        DeleteDC(mem);
        ReleaseDC(nullptr, screen);
        // The strip fills the corner that no text reaches.
        EXPECT_EQ(p.At(0, 0), stripPixel);
        EXPECT_EQ(p.At(estat.columnes[1].pixel, 8), row.linia) << "the line between the columns";
        // No strip is as dark as black text or as light as white text.
        bool found = false;
        for (int x = 4; x < 64 && !found; ++x)
            for (int y = 0; y < 17 && !found; ++y)
                found = p.At(x, y) == row.text;
        EXPECT_TRUE(found) << "no pixel of the first title in the text colour";
    }
}

// ---- menu panel ----

TEST_F(Pintats, MenuEntrySizeStyleAndMarkers)
{
    const int alt = GetSystemMetrics(SM_CXMAXIMIZED) > 1031 ? 16 : 14;
    for (double scale : {1.0, kGran}) {
        SCOPED_TRACE(scale);
        SetScale(scale);
        ControlDef d = DefRect(8, 1, 10, 20, 0, 0, "+ Ventas");
        d.longVisible = 10;
        d.escalaX = scale;
        d.escalaY = scale;
        Win::CDNMenu m(Parent(), 0, &d);
        // The size computed by the base is scaled once more by the record.
        const int base = static_cast<int>(93 * scale + 0.5);
        ExpectPlaced(m.Window(), static_cast<int>(10 * scale + 0.5), static_cast<int>(20 * scale + 0.5),
                     static_cast<int>(base * scale + 0.5), static_cast<int>(alt * scale + 0.5));
        EXPECT_EQ(Style(m.Window()), 0x5000010Au);
        EXPECT_EQ(m.LabelWindow(), nullptr);
        EXPECT_EQ(m.Controlador().IconaY(), (static_cast<int>(alt * scale + 0.5) - 16) / 2);
    }
    SetScale(1.0);
    ControlDef d = DefRect(8, 1, 10, 20, 210, 46, "+ Ventas");
    Win::CDNMenu m(Parent(), 0, &d);
    ExpectPlaced(m.Window(), 10, 20, 200, 26);
    const Win::CtrlNMenu& c = m.Controlador();
    EXPECT_EQ(c.Text(), "Ventas");
    EXPECT_EQ(c.Icona(), ajustosProva.icoMes);
    EXPECT_EQ(c.IconaX(), 6);

    m.SetValue("  -  Compras");
    EXPECT_EQ(c.Text(), "Compras");
    EXPECT_EQ(c.Icona(), ajustosProva.icoMenys);
    EXPECT_EQ(c.IconaX(), 15);
    m.SetValue("Clientes");
    EXPECT_EQ(c.Icona(), ajustosProva.icoEntrada);
    EXPECT_EQ(c.IconaX(), 0);
    m.SetValue("-x"); // too short for its marker: an empty entry, no failure
    EXPECT_EQ(c.Text(), "");
    EXPECT_EQ(c.Icona(), ajustosProva.icoMenys);
    m.SetValue("   ");
    EXPECT_EQ(c.Icona(), nullptr);
    EXPECT_EQ(c.IconaX(), 9) << "an entry of blanks keeps its place";

    d.valor = "0012";
    char value[8] = {};
    EXPECT_EQ(m.GetValue(value, sizeof value), 8);
    EXPECT_STREQ(value, "0012");
    char small[3] = {'x', 'x', 'x'};
    m.GetValue(small, 2);
    EXPECT_STREQ(small, "0");
}

TEST_F(Pintats, MenuEntryPaintsBandIconAndText)
{
    ControlDef d = DefRect(8, 1, 10, 20, 210, 46, "+ Ventas");
    Win::CDNMenu m(Parent(), 0, &d);
    const Pintura plus(m.Window());
    EXPECT_TRUE(plus.handled);
    m.SetValue("   ");
    const Pintura none(m.Window());
    // The plus icon is drawn at x = 6, 26 pixels wide, and the text from 30 + 6 on.
    const auto differs = [&](int from, int to) {
        for (int x = from; x < to; ++x)
            for (int y = 0; y < 26; ++y)
                if (plus.At(x, y) != none.At(x, y))
                    return true;
        return false;
    };
    EXPECT_FALSE(differs(0, 6));
    EXPECT_TRUE(differs(6, 32));
    EXPECT_FALSE(differs(32, 36));
    EXPECT_TRUE(differs(36, 200));

    // Hovered, the same text is drawn in the underlined font.
    m.SetValue("+ Ventas");
    const Pintura normal(m.Window());
    SendMessageA(m.Window(), WM_MOUSEMOVE, 0, MAKELPARAM(50, 10));
    ASSERT_TRUE(m.Controlador().Subratllat());
    const Pintura hover(m.Window());
    bool underlined = false;
    for (int x = 36; x < 200 && !underlined; ++x)
        for (int y = 0; y < 26 && !underlined; ++y)
            underlined = normal.At(x, y) != hover.At(x, y);
    EXPECT_TRUE(underlined);
}

TEST_F(Pintats, MenuEntryUnderlinesWhileTheMouseIsOverIt)
{
    ControlDef d = DefRect(8, 1, 10, 200, 210, 226, "Clientes");
    ControlDef away = DefRect(8, 1, 10, 250, 210, 276, "Otro");
    Win::CDNMenu m(Parent(), 0, &d);
    Win::CDNMenu other(Parent(), 1, &away);
    SetForegroundWindow(Parent());
    MouAlPunt(other.Window(), 5, 5);
    PumpUntil([] { return false; }, 100);
    MouAlPunt(m.Window(), 50, 10);
    EXPECT_TRUE(PumpUntil([&] { return m.Controlador().Subratllat(); }, 5000));
    MouAlPunt(Parent(), 300, 100);
    EXPECT_TRUE(PumpUntil([&] { return !m.Controlador().Subratllat(); }, 5000)) << "a tick outside ends it";
}

// ---- picture frame ----

TEST_F(Pintats, FrameSizeStyleAndLabel)
{
    const struct {
        int subtipo;
        DWORD style;
    } table[] = {{9, 0x5000000A}, {11, 0x5000010A}, {1, 0x50000008}};
    for (const auto& row : table) {
        SCOPED_TRACE(row.subtipo);
        ControlDef d = DefRect(4, row.subtipo, 20, 30, 120, 90, "Foto");
        d.posEtiqueta = 0;
        Win::CDNQuadre q(Parent(), 0, &d);
        ExpectPlaced(q.Window(), 20, 30, 100, 60);
        EXPECT_EQ(Style(q.Window()), row.style);
        ASSERT_NE(q.LabelWindow(), nullptr);
        EXPECT_EQ(Text(q.LabelWindow()), "Foto");
    }
    SetScale(kGran);
    ControlDef d = DefRect(4, 9, 20, 30, 120, 90);
    Win::CDNQuadre q(Parent(), 0, &d);
    ExpectPlaced(q.Window(), 26, 39, 129, 78);
    // No edge, no size: never a negative one.
    ControlDef sense = DefRect(4, 1, 20, 30, 0, 0);
    Win::CDNQuadre s(Parent(), 1, &sense);
    ExpectPlaced(s.Window(), 26, 39, 0, 0);
}

TEST_F(Pintats, FrameShowsNumberedAndPreloadedPicturesAndOwnsOnlyItsOwn)
{
    ControlDef d = DefRect(4, 9, 10, 10, 60, 60);
    d.valor = "138";
    auto q = std::make_unique<Win::CDNQuadre>(Parent(), 0, &d);
    const auto& c = q->Controlador();
    HBITMAP own = c.Imatge();
    ASSERT_NE(own, nullptr);
    EXPECT_TRUE(c.Propi());

    // A missing number, "0" and an empty value keep the picture.
    for (const char* v : {"9999", "0", ""}) {
        q->SetValue(v);
        EXPECT_EQ(c.Imatge(), own) << v;
    }
    char value[16] = {};
    EXPECT_EQ(q->GetValue(value, sizeof value), 16);
    EXPECT_STREQ(value, "") << "the value as last set";

    // A preloaded picture replaces it: the frame's own copy is deleted, once.
    q->SetValue("133");
    EXPECT_EQ(c.Imatge(), ajustosProva.bmpImatge133);
    EXPECT_FALSE(c.Propi());
    EXPECT_EQ(GetObjectType(own), 0u);
    q->SetValue("139");
    EXPECT_EQ(c.Imatge(), ajustosProva.bmpFonsText);
    q->SetValue("1130");
    HBITMAP second = c.Imatge();
    EXPECT_TRUE(c.Propi());
    q->SetValue("1130");
    EXPECT_EQ(GetObjectType(second), 0u) << "a reload frees the copy it replaces";
    HBITMAP third = c.Imatge();
    q.reset();
    EXPECT_EQ(GetObjectType(third), 0u) << "the control deletes its own copy";

    // The configuration's pictures outlive every frame that showed them.
    d.valor = "133";
    q = std::make_unique<Win::CDNQuadre>(Parent(), 0, &d);
    q->Release();
    q.reset();
    EXPECT_EQ(GetObjectType(ajustosProva.bmpImatge133), static_cast<DWORD>(OBJ_BITMAP));
    EXPECT_EQ(GetObjectType(ajustosProva.bmpFonsText), static_cast<DWORD>(OBJ_BITMAP));
}

TEST_F(Pintats, FrameLoadsPictureFilesAndDrawsThemByMode)
{
    const std::string dir = CarpetaActual() + "\\";
    // Left half red, right half blue, 8 x 8.
    EscriuBmp(dir + "mitats.bmp", 8, 8, [](int x, int) { return x < 4 ? kVermell : kBlau; });
    EscriuBmp(dir + "1.bmp", 2, 2, [](int, int) { return kBlau; });
    EscriuGif(dir + "punt.gif");

    const struct {
        int mode;
        COLORREF at3;   // pixel (3, 1) of a 4 x 4 frame
    } modes[] = {{0, kBlau}, {1, kVermell}, {2, kVermell}};
    for (const auto& m : modes) {
        SCOPED_TRACE(m.mode);
        ControlDef d = DefRect(4, 9, 10, 10, 14, 14);
        d.modoImagen = m.mode;
        d.valor = "mitats.bmp";
        Win::CDNQuadre q(Parent(), 0, &d);
        ASSERT_NE(q.Controlador().Imatge(), nullptr);
        EXPECT_TRUE(q.Controlador().Propi());
        EXPECT_EQ(q.Controlador().NomImatge(), dir + "mitats.bmp");
        const Pintura p(q.Window());
        EXPECT_TRUE(p.handled);
        EXPECT_EQ(p.At(3, 1), m.at3);
    }

    ControlDef d = DefRect(4, 9, 10, 10, 30, 30);
    Win::CDNQuadre q(Parent(), 0, &d);
    q.SetValue("1.bmp"); // a file, not resource 1
    HBITMAP first = q.Controlador().Imatge();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Pintura(q.Window()).At(0, 0), kBlau);
    q.SetValue((dir + "punt.gif").c_str()); // a full path, and not a bitmap file
    EXPECT_EQ(GetObjectType(first), 0u);
    ASSERT_NE(q.Controlador().Imatge(), nullptr);
    EXPECT_EQ(Pintura(q.Window()).At(0, 0), kVermell);
    HBITMAP gif = q.Controlador().Imatge();
    q.SetValue("noexiste.bmp");
    EXPECT_EQ(q.Controlador().Imatge(), gif) << "a failed load keeps the picture";
    const std::string llarg = "C:\\" + std::string(400, 'a') + ".bmp";
    q.SetValue(llarg.c_str());
    EXPECT_EQ(q.Controlador().Imatge(), gif);
    char value[300] = {};
    q.GetValue(value, sizeof value);
    EXPECT_EQ(std::string(value).size(), 260u) << "a name from the server is bounded";
}

TEST_F(Pintats, FrameShowsOnePictureOfAFolder)
{
    // The working folder's own name holds a ".": only the last component tells a folder.
    const std::string dir = CarpetaActual() + "\\diapos";
    CreateDirectoryA(dir.c_str(), nullptr);
    CreateDirectoryA((dir + "\\sub").c_str(), nullptr);
    const char* noms[] = {"a.bmp", "b.bmp", "c.bmp"};
    for (const char* n : noms)
        EscriuBmp(dir + "\\" + n, 2, 2, [](int, int) { return kVermell; });
    const std::string buida = CarpetaActual() + "\\buida";
    CreateDirectoryA(buida.c_str(), nullptr);

    ControlDef d = DefRect(4, 9, 10, 10, 30, 30);
    Win::CDNQuadre q(Parent(), 0, &d);
    const int obertes = Win::CercaFitxers::Obertes();
    ASSERT_NE(dir.find('.'), std::string::npos);
    q.SetValue(dir.c_str());
    EXPECT_TRUE(q.Controlador().Diapositiva());
    const std::string shown = q.Controlador().NomImatge();
    bool one = false;
    for (const char* n : noms)
        one = one || shown == dir + "\\" + n;
    EXPECT_TRUE(one) << shown;
    EXPECT_NE(q.Controlador().Imatge(), nullptr);
    EXPECT_EQ(Win::CercaFitxers::Obertes(), obertes) << "each search is closed";

    HBITMAP before = q.Controlador().Imatge();
    q.SetValue(buida.c_str());
    EXPECT_EQ(q.Controlador().Imatge(), before) << "an empty folder keeps the picture";
    EXPECT_EQ(Win::CercaFitxers::Obertes(), obertes);
}

TEST_F(Pintats, GaugeShowsItsLevelAndTakesAClick)
{
    ControlDef d = DefRect(4, 11, 100, 60, 140, 260);
    Win::CDNQuadre g(Parent(), 0, &d);
    EXPECT_EQ(g.Controlador().Imatge(), ajustosProva.bmpImatge133);
    d.valor = "255";
    g.SetValue("ignored");
    EXPECT_EQ(g.Controlador().NivellY(), 50) << "the first two characters, of 200 pixels";
    {
        const Pintura p(g.Window());
        EXPECT_TRUE(p.handled);
        EXPECT_EQ(p.At(20, 50), RGB(0, 0, 0)) << "the level line";
    }
    char value[8] = {};
    EXPECT_EQ(g.GetValue(value, sizeof value), 3);
    EXPECT_STREQ(value, "255");

    SetForegroundWindow(Parent());
    ClicA(g.Window(), 20, 80);
    ASSERT_TRUE(PumpUntil([&] { return d.valor != "255"; }, 5000)) << "the click never arrived";
    EXPECT_EQ(d.valor, "40");
    SendMessageA(g.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 199));
    EXPECT_EQ(d.valor, "99") << "two digits at most";

    // A plain frame has no value.
    ControlDef pd = DefRect(4, 1, 10, 10, 50, 50);
    pd.valor = "xx";
    Win::CDNQuadre plain(Parent(), 1, &pd);
    char untouched[4] = "abc";
    EXPECT_EQ(plain.GetValue(untouched, sizeof untouched), 0);
    EXPECT_STREQ(untouched, "abc");
}

// ---- ownership ----

TEST_F(Pintats, BuildingAndDestroyingLeavesNoObjectsDCsOrSearches)
{
    const std::string dir = CarpetaActual() + "\\fuga";
    CreateDirectoryA(dir.c_str(), nullptr);
    EscriuBmp(dir + "\\x.bmp", 4, 4, [](int, int) { return kBlau; });
    EscriuBmp(CarpetaActual() + "\\fuga.bmp", 4, 4, [](int, int) { return kVermell; });

    const int objectes = Win::ObjectesGdiVius();
    const int dcs = Win::DcsVius();
    const int cerques = Win::CercaFitxers::Obertes();
    for (int i = 0; i < 200; ++i) {
        Win::EstatLlistat estat;
        ControlDef hd = DefRect(11, 1, 10, 10, 390, 27);
        ControlDef rd = DefRect(9, 1, 10, 27, 390, 44);
        rd.variante = 2;
        ControlDef md = DefRect(8, 1, 10, 50, 200, 76, "+ Ventas");
        ControlDef f1 = DefRect(4, 9, 10, 80, 50, 120);
        f1.valor = "138";
        ControlDef f2 = DefRect(4, 9, 60, 80, 100, 120);
        f2.valor = "fuga.bmp";
        ControlDef f3 = DefRect(4, 9, 110, 80, 150, 120);
        f3.valor = "fuga";
        ControlDef f4 = DefRect(4, 11, 160, 80, 200, 120);
        std::vector<std::unique_ptr<Win::ControlBase>> screen;
        screen.push_back(std::make_unique<Win::CDNLlistatn>(Parent(), 0, &hd, estat, nullptr));
        screen.push_back(std::make_unique<Win::CDNLlistatn>(Parent(), 1, &rd, estat, nullptr));
        screen.push_back(std::make_unique<Win::CDNMenu>(Parent(), 2, &md));
        screen.push_back(std::make_unique<Win::CDNQuadre>(Parent(), 3, &f1));
        screen.push_back(std::make_unique<Win::CDNQuadre>(Parent(), 4, &f2));
        screen.push_back(std::make_unique<Win::CDNQuadre>(Parent(), 5, &f3));
        screen.push_back(std::make_unique<Win::CDNQuadre>(Parent(), 6, &f4));
        screen[0]->SetValue("00000X0010N0005;a\tb");
        screen[1]->SetValue("uno");
        screen[4]->SetValue("138");
        for (const auto& c : screen)
            Pintura p(c->Window());
        if (i == 0) {
            EXPECT_GT(Win::ObjectesGdiVius(), objectes) << "the frames hold their own bitmaps";
        }
        for (const auto& c : screen)
            c->Release();
    }
    EXPECT_EQ(Win::ObjectesGdiVius(), objectes);
    EXPECT_EQ(Win::DcsVius(), dcs);
    EXPECT_EQ(Win::CercaFitxers::Obertes(), cerques);
}

// The leak checks count through the owners: a context that a control makes and gives back
// itself, past them, would leak unseen. Every one it makes while it is built, painted (its
// strips, bands and pictures) and destroyed must be counted.
TEST_F(Pintats, EveryContextTheControlsMakeIsCounted)
{
    ajustosProva.bmpBandaEtiqueta = LoadBitmapA(ajustosProva.recursos, MAKEINTRESOURCEA(IDB_LABEL_BAND));
    EspiaDc espia;
    ASSERT_TRUE(espia.Activa());
    {
        Win::EstatLlistat estat;
        ControlDef hd = DefRect(11, 1, 10, 10, 390, 27);
        ControlDef md = DefRect(8, 1, 10, 50, 200, 76, "+ Ventas");
        ControlDef fd = DefRect(4, 9, 10, 80, 50, 120);
        fd.valor = "138";
        ControlDef bd = DefRect(3, 0, 10, 130, 200, 150, "Banda");
        bd.estilo = 52;
        bd.valor = "Total";
        ControlDef ed = DefRect(15, 0, 10, 160, 200, 200, "Notas");
        std::vector<std::unique_ptr<Win::ControlBase>> screen;
        screen.push_back(std::make_unique<Win::CDNLlistatn>(Parent(), 0, &hd, estat, nullptr));
        screen.push_back(std::make_unique<Win::CDNMenu>(Parent(), 1, &md));
        screen.push_back(std::make_unique<Win::CDNQuadre>(Parent(), 2, &fd));
        screen.push_back(std::make_unique<Win::CDNStatic>(Parent(), 3, &bd));
        screen.push_back(std::make_unique<Win::CDNEditex>(Parent(), 4, &ed));
        for (const auto& c : screen)
            const Pintura p(c->Window());
        for (const auto& c : screen)
            c->Release();
    }
    EXPECT_EQ(espia.NoComptats(), 0);
    EXPECT_GE(espia.Comptats(), 14) << "the spy saw the painting: the test's own two and one of the control, each";
    DeleteObject(ajustosProva.bmpBandaEtiqueta);
    ajustosProva.bmpBandaEtiqueta = nullptr;
}

TEST_F(Pintats, OwnersCountWhatTheyHoldUntilTheyReleaseIt)
{
    // The check above counts through the owners: one that kept its object would show.
    const int before = Win::ObjectesGdiVius();
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    {
        const Win::ObjecteGdi<HPEN> held(pen);
        EXPECT_EQ(Win::ObjectesGdiVius(), before + 1);
    }
    EXPECT_EQ(Win::ObjectesGdiVius(), before);
    EXPECT_EQ(GetObjectType(pen), 0u) << "and the object is gone";

    HDC screen = GetDC(nullptr);
    HBITMAP b = CreateCompatibleBitmap(screen, 2, 2);
    const int dcs = Win::DcsVius();
    {
        Win::DcMemoria m(screen);
        EXPECT_NE(m.Get(), nullptr);
        EXPECT_TRUE(m.Selecciona(b));
        EXPECT_EQ(Win::DcsVius(), dcs + 1);
        EXPECT_EQ(GetCurrentObject(m.Get(), OBJ_BITMAP), b);
        EXPECT_FALSE(m.Selecciona(nullptr));
        EXPECT_NE(GetCurrentObject(m.Get(), OBJ_BITMAP), b) << "a failed selection leaves the context's own";
        EXPECT_TRUE(m.Selecciona(b));
    }
    EXPECT_EQ(Win::DcsVius(), dcs);
    EXPECT_TRUE(DeleteObject(b)) << "the bitmap was selected out before the context went";
    ReleaseDC(nullptr, screen);
}
