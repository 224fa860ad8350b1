// Stand-in for the download program that the client starts to fetch its server address. It
// needs no network: it records how it was started and does what the test's control file says.
//
// In its current directory it appends its command line as one line to "wget-standin.log", then
// reads the first line of "wget-standin.cfg":
//   write <text>     writes exactly <text> to "vintuip", exit 0
//   nothing          writes nothing, exit 0 (also when the control file is missing)
//   fail             exit 1
//   hang <seconds>   sleeps that long, then exit 0
//   copy <from> <to> copies the file <from> to <to> (names without blanks), exit 0
//   empty <name>     writes an empty file <name>, exit 0
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string ControlLine()
{
    std::FILE* f = std::fopen("wget-standin.cfg", "rb");
    if (!f)
        return "nothing";
    std::string text;
    char buffer[512];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        text.append(buffer, n);
    std::fclose(f);
    const size_t end = text.find_first_of("\r\n");
    if (end != std::string::npos)
        text.resize(end);
    return text;
}

bool StartsWith(const std::string& text, const char* word)
{
    return text.compare(0, std::char_traits<char>::length(word), word) == 0;
}

}  // namespace

int main()
{
    if (std::FILE* log = std::fopen("wget-standin.log", "ab")) {
        std::fputs(GetCommandLineA(), log);
        std::fputs("\n", log);
        std::fclose(log);
    }

    const std::string control = ControlLine();
    if (control == "write" || StartsWith(control, "write ")) {
        const std::string text = control.size() > 6 ? control.substr(6) : std::string();
        std::FILE* out = std::fopen("vintuip", "wb");
        if (!out)
            return 2;
        const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
        return std::fclose(out) == 0 && written ? 0 : 2;
    }
    if (control == "nothing")
        return 0;
    if (StartsWith(control, "copy ")) {
        const std::string noms = control.substr(5);
        const size_t blanc = noms.find(' ');
        if (blanc == std::string::npos)
            return 3;
        return CopyFileA(noms.substr(0, blanc).c_str(), noms.substr(blanc + 1).c_str(), FALSE)
                   ? 0 : 2;
    }
    if (StartsWith(control, "empty ")) {
        std::FILE* out = std::fopen(control.substr(6).c_str(), "wb");
        return out && std::fclose(out) == 0 ? 0 : 2;
    }
    if (control == "fail")
        return 1;
    if (StartsWith(control, "hang ")) {
        Sleep(static_cast<DWORD>(std::atof(control.c_str() + 5) * 1000.0));
        return 0;
    }
    std::fprintf(stderr, "wget stand-in: unknown control line: %s\n", control.c_str());
    return 3;
}
