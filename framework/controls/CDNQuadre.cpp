#include "framework/controls/CDNQuadre.h"

#include "framework/Ajustos.h"
#include "framework/DcMemoria.h"
#include "framework/controls/CercaFitxers.h"
#include "framework/controls/CopiaValor.h"
#include "framework/controls/NomImatge.h"
#include "framework/ImatgeFitxer.h"
#include "framework/controls/ControlDef.h"

#include <string>

namespace Win {

namespace {

static_assert((WS_CHILD | WS_VISIBLE | SS_USERITEM) == 0x5000000A, "picture style");
static_assert((WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_USERITEM) == 0x5000010A, "gauge style");
static_assert((WS_CHILD | WS_VISIBLE | SS_GRAYFRAME) == 0x50000008, "plain frame style");
static_assert(FILE_ATTRIBUTE_DIRECTORY == 0x10, "a folder entry of a slide folder");

// A private copy of the bitmap of a picture file, or null.
HBITMAP CarregaFitxer(const std::string& cami)
{
    wchar_t ample[MAX_PATH];
    const std::string nom = cami.substr(0, 299);
    if (MultiByteToWideChar(CP_ACP, 0, nom.c_str(), -1, ample, MAX_PATH) <= 0)
        return nullptr; // longer than a path can be
    return CopiaImatgeFitxer(ample);
}

bool EsFitxer(const WIN32_FIND_DATAA& entrada)
{
    return entrada.dwFileAttributes != FILE_ATTRIBUTE_DIRECTORY;
}

} // namespace

bool CDNQuadre::CtrlNQuadre::Mostra(HBITMAP bitmap, bool propi)
{
    if (!bitmap)
        return false;
    bitmap_ = bitmap;
    propi_.Posa(propi ? bitmap : nullptr);
    return true;
}

void CDNQuadre::CtrlNQuadre::Release()
{
    if (Propi())
        bitmap_ = nullptr;
    propi_.Posa(nullptr);
}

bool CDNQuadre::CtrlNQuadre::OnLButtonDown(int, int y, WPARAM)
{
    RECT client = {};
    GetClientRect(Window(), &client);
    def_->valor = std::to_string(NomImatge::PercentatgeClic(y - client.top, client.bottom - client.top));
    return false;
}

bool CDNQuadre::CtrlNQuadre::OnTimer(WPARAM, LPARAM)
{
    return true;
}

bool CDNQuadre::CtrlNQuadre::OnEraseBkgnd(HDC dc)
{
    if ((def_->subtipo != 9 && def_->subtipo != 11) || !bitmap_)
        return false;
    DcMemoria memoria(dc);
    BITMAP info = {};
    if (!GetObjectA(bitmap_, sizeof info, &info) || !memoria.Selecciona(bitmap_))
        return false;
    RECT client = {};
    GetClientRect(Window(), &client);
    const int ample = client.right - client.left;
    const int alt = client.bottom - client.top;
    if (modeDibuix_ == 0)
        StretchBlt(dc, 0, 0, ample, alt, memoria.Get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    else if (modeDibuix_ == 1)
        BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, memoria.Get(), 0, 0, SRCCOPY);
    else
        BitBlt(dc, 0, 0, ample, alt, memoria.Get(), 0, 0, SRCCOPY);
    if (def_->subtipo == 11) {
        MoveToEx(dc, client.left, client.top + nivellY_, nullptr);
        LineTo(dc, client.right, client.top + nivellY_);
    }
    return true;
}

CDNQuadre::CDNQuadre(HWND parent, int index, ControlDef* def) : CDNBase(parent, index, def)
{
    ctrl_.def_ = def;
    // No default size: a missing edge gives an empty frame, never a negative one.
    const auto mida = [](int de, int a, double escala) {
        const int m = a ? static_cast<int>((a - de) * escala + 0.5) : 0;
        return m > 0 ? m : 0;
    };
    width_ = mida(def->x1, def->x2, Win::ajustos().escalaX);
    height_ = mida(def->y1, def->y2, Win::ajustos().escalaY);
    className_ = "STATIC";
    exStyle_ = WS_EX_TRANSPARENT;
    style_ = def->subtipo == 9    ? WS_CHILD | WS_VISIBLE | SS_USERITEM
             : def->subtipo == 11 ? WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_USERITEM
                                  : WS_CHILD | WS_VISIBLE | SS_GRAYFRAME;
    CreateControlWindow();
    if (def->subtipo == 9) {
        ctrl_.modeDibuix_ = def->modoImagen;
        CarregaImatge(def->valor);
    } else if (def->subtipo == 11) {
        ctrl_.modeDibuix_ = 0;
        CarregaImatge("133");
    }
    nomActual_ = def->valor.substr(0, NomImatge::kMaxNom);
    Subclass(ctrl_);
    CreateLabel();
}

CDNQuadre::~CDNQuadre()
{
    DestroyControlWindow();
}

void CDNQuadre::Release()
{
    ctrl_.Release();
}

int CDNQuadre::GetValue(char* buffer, int length)
{
    if (def_->subtipo == 9) {
        CopiaValor(nomActual_, buffer, length);
        return length;
    }
    if (def_->subtipo == 11) {
        CopiaValor(def_->valor, buffer, length);
        return static_cast<int>(def_->valor.size());
    }
    return 0;
}

void CDNQuadre::SetValue(const char* text)
{
    const std::string nom = std::string(text ? text : "").substr(0, NomImatge::kMaxNom);
    if (def_->subtipo == 9) {
        CarregaImatge(nom);
        nomActual_ = nom;
    } else if (def_->subtipo == 11) {
        RECT client = {};
        GetClientRect(hwnd_, &client);
        ctrl_.nivellY_ = NomImatge::NivellGauge(def_->valor, client.bottom - client.top);
    }
}

bool CDNQuadre::CarregaImatge(const std::string& nom)
{
    ctrl_.diapositiva_ = false;
    ctrl_.nomImatge_ = nom.substr(0, NomImatge::kMaxNom);
    const std::string dirBitmaps = Win::ajustos().DirBitmaps();
    const NomImatge n = NomImatge::Classifica(nom, dirBitmaps);
    switch (n.classe) {
    case NomImatge::Classe::Cap:
        ctrl_.nomImatge_.clear();
        return false;
    case NomImatge::Classe::Imatge133:
        return ctrl_.Mostra(Win::ajustos().bmpImatge133, false);
    case NomImatge::Classe::FonsText:
        return ctrl_.Mostra(Win::ajustos().bmpFonsText, false);
    case NomImatge::Classe::Logo:
        return ctrl_.Mostra(Win::ajustos().bmpLogo, false);
    case NomImatge::Classe::Recurs:
        // A private copy, not the shared one: the frame deletes it and nobody else holds it.
        if (!Win::ajustos().recursos)
            return false;
        return ctrl_.Mostra(static_cast<HBITMAP>(LoadImageA(Win::ajustos().recursos, MAKEINTRESOURCEA(n.numero & 0xFFFF),
                                                            IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)),
                            true);
    case NomImatge::Classe::Fitxer:
    case NomImatge::Classe::Carpeta:
        break;
    }

    std::string cami = n.cami;
    if (nom.find(':') == std::string::npos)
        ctrl_.carpeta_ = dirBitmaps;
    if (n.classe == NomImatge::Classe::Carpeta) {
        ctrl_.diapositiva_ = true;
        ctrl_.carpeta_ = cami + "\\";
        cami = BuscaImatges(cami);
        if (cami.empty())
            return false;
    }
    ctrl_.nomImatge_ = cami;
    return ctrl_.Mostra(CarregaFitxer(cami), true);
}

std::string CDNQuadre::BuscaImatges(const std::string& carpeta)
{
    const std::string patro = carpeta.substr(0, 199) + "\\*.*";
    WIN32_FIND_DATAA entrada;
    int count = 0;
    {
        CercaFitxers cerca(patro.c_str());
        while (cerca.Seguent(entrada))
            if (EsFitxer(entrada))
                ++count;
    }
    if (count == 0)
        return std::string();
    SYSTEMTIME ara = {};
    GetLocalTime(&ara);
    const int k = NomImatge::Diapositiva(ara.wSecond % 10, count);
    CercaFitxers cerca(patro.c_str());
    int vist = 0;
    while (cerca.Seguent(entrada))
        if (EsFitxer(entrada) && ++vist == k)
            return ctrl_.carpeta_ + entrada.cFileName;
    return std::string(); // the folder changed between the two passes
}

} // namespace Win
