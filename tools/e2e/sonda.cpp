// Looks at the client's windows for the end-to-end driver (which types with real keys):
//   sonda window TITLE          a shown top-level window with this caption appears
//   sonda text TEXT             a shown control of the main window shows this text
//   sonda notext TEXT           no shown control of the main window shows it any more
//   sonda box CAPTION           a message box with this caption appears; prints its text
//   sonda nobox CAPTION         no message box with this caption is shown any more
//   sonda answer CAPTION [ID]   presses the box's button ID (IDOK when left out)
//   sonda rect TEXT             prints the screen centre of the shown control with this text,
//                               then its left, top, right and bottom
//   sonda list                  prints the class, visibility and text of every control
//   sonda close                 asks the main window to close, as its close button does
//   sonda attrib FILE VALUE     sets a file's attributes; prints them as they now read
//   sonda focus                 prints the class and text of the control that has the focus
//   sonda ready                 the client takes keys: one of its windows is in front, it has a
//                               focus, no move, size or menu loop runs and its thread answers;
//                               prints "front 'CAPTION' main 'CAPTION' focus CLASS flags N";
//                               with "click", only no loop and a thread that answers
//   sonda gone                  the main window is gone
//   sonda start FILE EXE [ARG]  starts the client, writes its process id to FILE, waits for it
//                               and ends with its exit status (126 when it could not start it)
//   sonda end                   ends the client at once
// Every look takes only the windows of the process KORVU_SONDA_PID names (when it is set): other
// programs on the display, a second instance of the client among them, may show windows of
// the same class and caption.
// Waits at most KORVU_SONDA_SECONDS (20); exit 0 when found, 1 otherwise.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char* const kClasse = "Korvuc";

DWORD Client()
{
    const char* s = std::getenv("KORVU_SONDA_PID");
    return s ? std::strtoul(s, nullptr, 10) : 0;
}

bool DelClient(HWND w)
{
    DWORD p = 0;
    GetWindowThreadProcessId(w, &p);
    return Client() == 0 || p == Client();
}

// The first top-level window of the client with this class and caption (null: any).
HWND Finestra(const char* classe, const char* titol)
{
    for (HWND w = FindWindowExA(nullptr, nullptr, classe, titol); w; w = FindWindowExA(nullptr, w, classe, titol)) {
        if (DelClient(w))
            return w;
    }
    return nullptr;
}

// The text a window holds: asked of the window itself, since a control of another process
// keeps its own text (an edit's contents) apart from its caption.
std::string Text(HWND w)
{
    char text[1024] = {};
    DWORD_PTR n = 0;
    if (!SendMessageTimeoutA(w, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                             1000, &n))
        return std::string();
    return text;
}

struct Cerca {
    const char* text;
    HWND trobat;
};

BOOL CALLBACK PerText(HWND w, LPARAM p)
{
    auto* c = reinterpret_cast<Cerca*>(p);
    if (IsWindowVisible(w) && Text(w) == c->text) {
        c->trobat = w;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK Llista(HWND w, LPARAM)
{
    char classe[64] = {};
    GetClassNameA(w, classe, sizeof classe);
    std::printf("%s|%d|%s\n", classe, IsWindowVisible(w) ? 1 : 0, Text(w).c_str());
    return TRUE;
}

HWND Principal()
{
    return Finestra(kClasse, nullptr);
}

HWND AmbText(const char* text)
{
    HWND p = Principal();
    if (!p)
        return nullptr;
    Cerca c = {text, nullptr};
    EnumChildWindows(p, PerText, reinterpret_cast<LPARAM>(&c));
    return c.trobat;
}

BOOL CALLBACK TextCaixa(HWND w, LPARAM p)
{
    char classe[32] = {}, text[1024] = {};
    GetClassNameA(w, classe, sizeof classe);
    GetWindowTextA(w, text, sizeof text);
    if (lstrcmpiA(classe, "Static") == 0 && text[0])
        *reinterpret_cast<std::string*>(p) = text;
    return TRUE;
}

// A shown message box with this caption; a caption ending in "*" matches by what precedes it
// (the command line may not carry every character of the system's code page).
struct CercaCaixa {
    std::string titol;
    HWND trobat;
};

BOOL CALLBACK PerCaixa(HWND w, LPARAM p)
{
    auto* c = reinterpret_cast<CercaCaixa*>(p);
    char classe[16] = {}, titol[256] = {};
    GetClassNameA(w, classe, sizeof classe);
    GetWindowTextA(w, titol, sizeof titol);
    const std::string t = titol;
    const bool prefix = !c->titol.empty() && c->titol.back() == '*';
    const bool igual = prefix ? t.compare(0, c->titol.size() - 1, c->titol, 0, c->titol.size() - 1) == 0
                              : t == c->titol;
    if (std::strcmp(classe, "#32770") == 0 && IsWindowVisible(w) && igual && DelClient(w)) {
        c->trobat = w;
        return FALSE;
    }
    return TRUE;
}

HWND Caixa(const char* titol)
{
    CercaCaixa c = {titol, nullptr};
    EnumWindows(PerCaixa, reinterpret_cast<LPARAM>(&c));
    return c.trobat;
}

template <class F>
bool Espera(F trobat)
{
    const char* s = std::getenv("KORVU_SONDA_SECONDS");
    const int limit = (s ? std::atoi(s) : 20) * 20;
    for (int i = 0; i < limit; ++i) {
        if (trobat())
            return true;
        Sleep(50);
    }
    return false;
}

// Whether a key pressed now reaches the client's focus: wine hands a key to the thread of the
// window in front as it stands when the client reads the key, and a move, size or menu loop
// swallows keys. The state goes to the driver, which checks the X side with it.
std::string Titol(HWND w)
{
    char titol[256] = {};
    if (w)
        GetWindowTextA(w, titol, sizeof titol);
    return titol;
}

// For a click only the thread must be reading its messages: the click itself brings the window
// forward, and after the shell opened a document the client is no longer in front.
bool Llest(std::string& estat, bool clic)
{
    HWND p = Principal();
    estat = "no main window";
    if (!p)
        return false;
    const DWORD fil = GetWindowThreadProcessId(p, nullptr);
    HWND davant = GetForegroundWindow();
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    const bool te = GetGUIThreadInfo(fil, &info) != 0;
    char classe[64] = {};
    if (te && info.hwndFocus)
        GetClassNameA(info.hwndFocus, classe, sizeof classe);
    estat = "front '" + Titol(davant) + "' main '" + Titol(p) + "' focus " + classe + " flags " +
            std::to_string(te ? info.flags : 0);
    if (!clic && (!davant || GetWindowThreadProcessId(davant, nullptr) != fil || !te || !info.hwndFocus))
        return false;
    if (info.flags & (GUI_INMOVESIZE | GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE))
        return false;
    // Answered only once the thread reads its messages again, past any exchange with the server.
    DWORD_PTR r = 0;
    if (!SendMessageTimeoutA(clic ? p : davant, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &r)) {
        estat += " busy";
        return false;
    }
    return true;
}

// A path from the driver, which lives on the Unix side: wine shows the root as drive Z.
std::string Ruta(const char* cami)
{
    std::string r = cami;
    if (!r.empty() && r[0] == '/') {
        r.insert(0, "Z:");
        for (char& c : r) {
            if (c == '/')
                c = '\\';
        }
    }
    return r;
}

// One argument of a command line as the program's start-up code splits it again.
std::string Cita(const std::string& a)
{
    if (!a.empty() && a.find_first_of(" \t\"") == std::string::npos)
        return a;
    std::string r = "\"";
    std::size_t barres = 0;
    for (char c : a) {
        if (c == '\\') {
            ++barres;
            continue;
        }
        r.append(c == '"' ? barres * 2 + 1 : barres, '\\');
        barres = 0;
        r += c;
    }
    r.append(barres * 2, '\\');
    return r + "\"";
}

// The client as the launcher's child, so that its process id is known. Wine fails the start of
// a process that ended before it ran (the loader's random address clash), and only then is
// it started once more.
int Arrenca(int argc, char** argv)
{
    if (argc < 4)
        return 2;
    const std::string programa = Ruta(argv[3]);
    // The program's own name quoted, as wine gives it to a program started from Unix.
    std::string linia = "\"" + programa + "\"";
    for (int i = 4; i < argc; ++i)
        linia += " " + Cita(argv[i]);
    PROCESS_INFORMATION pi = {};
    bool fet = false;
    for (int intent = 0; intent < 2 && !fet; ++intent) {
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        std::string copia = linia;
        fet = CreateProcessA(programa.c_str(), &copia[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
        if (!fet)
            Sleep(100);
    }
    if (!fet)
        return 126;
    const std::string fitxer = Ruta(argv[2]);
    HANDLE f = CreateFileA(fitxer.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    const std::string pid = std::to_string(pi.dwProcessId) + "\n";
    DWORD n = 0;
    if (f != INVALID_HANDLE_VALUE) {
        WriteFile(f, pid.data(), static_cast<DWORD>(pid.size()), &n, nullptr);
        CloseHandle(f);
    }
    WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD codi = 1;
    GetExitCodeProcess(pi.hProcess, &codi);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return static_cast<int>(codi);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const std::string ordre = argv[1];
    const char* arg = argc > 2 ? argv[2] : "";
    if (ordre == "start")
        return Arrenca(argc, argv);
    if (ordre == "end") {
        HANDLE p = Client() ? OpenProcess(PROCESS_TERMINATE, FALSE, Client()) : nullptr;
        const bool fet = p && TerminateProcess(p, 1);
        if (p)
            CloseHandle(p);
        return fet ? 0 : 1;
    }
    if (ordre == "window")
        return Espera([&] {
                   for (HWND w = Finestra(nullptr, arg); w; w = FindWindowExA(nullptr, w, nullptr, arg)) {
                       if (DelClient(w) && IsWindowVisible(w))
                           return true;
                   }
                   return false;
               }) ? 0 : 1;
    if (ordre == "text")
        return Espera([&] { return AmbText(arg) != nullptr; }) ? 0 : 1;
    if (ordre == "notext")
        return Espera([&] { return Principal() && AmbText(arg) == nullptr; }) ? 0 : 1;
    if (ordre == "gone")
        return Espera([] { return Principal() == nullptr; }) ? 0 : 1;
    if (ordre == "box") {
        HWND caixa = nullptr;
        if (!Espera([&] {
                caixa = Caixa(arg);
                return caixa != nullptr;
            }))
            return 1;
        std::string text;
        EnumChildWindows(caixa, TextCaixa, reinterpret_cast<LPARAM>(&text));
        std::printf("%s\n", text.c_str());
        return 0;
    }
    if (ordre == "nobox")
        return Espera([&] {
                   return Caixa(arg) == nullptr;
               }) ? 0 : 1;
    if (ordre == "answer") {
        // Answers a message box as its button would (IDOK 1, IDCANCEL 2, IDYES 6, IDNO 7).
        HWND caixa = nullptr;
        if (!Espera([&] {
                caixa = Caixa(arg);
                return caixa != nullptr;
            }))
            return 1;
        PostMessageA(caixa, WM_COMMAND, argc > 3 ? std::atoi(argv[3]) : IDOK, 0);
        return 0;
    }
    if (ordre == "rect") {
        // The centre, in screen pixels, of the shown control with this text.
        HWND w = nullptr;
        if (!Espera([&] { return (w = AmbText(arg)) != nullptr; }))
            return 1;
        RECT r = {};
        GetWindowRect(w, &r);
        std::printf("%ld %ld %ld %ld %ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2, r.left, r.top,
                    r.right, r.bottom);
        return 0;
    }
    if (ordre == "list") {
        HWND p = Principal();
        if (!p)
            return 1;
        EnumChildWindows(p, Llista, 0);
        return 0;
    }
    if (ordre == "close") {
        // What the close button of the caption does.
        HWND p = Principal();
        return p && PostMessageA(p, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    if (ordre == "attrib") {
        // Sets the attributes of a file (a number) as the system stores them.
        if (!SetFileAttributesA(arg, argc > 3 ? std::strtoul(argv[3], nullptr, 0) : 0))
            return 1;
        std::printf("0x%lx\n", GetFileAttributesA(arg));
        return 0;
    }
    if (ordre == "ready") {
        std::string estat;
        const bool clic = argc > 2 && std::string(argv[2]) == "click";
        const bool llest = Espera([&] { return Llest(estat, clic); });
        std::printf("%s\n", estat.c_str());
        return llest ? 0 : 1;
    }
    if (ordre == "focus") {
        HWND p = Principal();
        if (!p)
            return 1;
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        if (!GetGUIThreadInfo(GetWindowThreadProcessId(p, nullptr), &info) || !info.hwndFocus)
            return 1;
        char classe[64] = {};
        GetClassNameA(info.hwndFocus, classe, sizeof classe);
        std::printf("%s|%s\n", classe, Text(info.hwndFocus).c_str());
        return 0;
    }
    return 2;
}
