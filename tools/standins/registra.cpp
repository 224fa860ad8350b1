// Stand-in for the programs that the client starts to show documents and reports (the java
// runtime, the report-viewer launcher, the SVG viewer, the installer of a new version, and the
// application that the shell opens a document or a mail link with). It only records how it
// was started: it appends to "<its own name>-standin.log" in its current directory one line
// with its command line, a tab and that current directory, then exits 0.
#include <windows.h>

#include <cstdio>
#include <string>

int main()
{
    char modul[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, modul, sizeof modul);
    std::string nom = modul;
    const std::size_t barra = nom.find_last_of("\\/");
    if (barra != std::string::npos)
        nom.erase(0, barra + 1);
    const std::size_t punt = nom.rfind('.');
    if (punt != std::string::npos)
        nom.erase(punt);

    char carpeta[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof carpeta, carpeta);
    std::FILE* log = std::fopen((nom + "-standin.log").c_str(), "ab");
    if (!log)
        return 2;
    std::fprintf(log, "%s\t%s\n", GetCommandLineA(), carpeta);
    return std::fclose(log) == 0 ? 0 : 2;
}
