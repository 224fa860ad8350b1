#ifndef KORVU_TESTS_IMPRESSORAPROVA_H
#define KORVU_TESTS_IMPRESSORAPROVA_H

#include <windows.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

// A printer of the wine prefix whose port is a file of the test's working folder: the spooler
// copies each finished job there, so a test reads what the printer would have received. Its
// driver is wine's PostScript driver with a small description of our own (203 dpi).
class ImpressoraProva {
public:
    // Wine's spooler numbers the jobs of each process from 1 and names its spool files by that
    // number, so two processes printing at once in one prefix mix their jobs: a test holds its
    // turn, shared by every test program of the prefix, while it prints and reads.
    class Torn {
    public:
        Torn() : mutex_(CreateMutexA(nullptr, FALSE, "KorvuProvaImpressio"))
        {
            if (mutex_)
                WaitForSingleObject(mutex_, 60000);
        }
        ~Torn()
        {
            if (mutex_) {
                ReleaseMutex(mutex_);
                CloseHandle(mutex_);
            }
        }
        Torn(const Torn&) = delete;
        Torn& operator=(const Torn&) = delete;

    private:
        HANDLE mutex_;
    };

    // Installs the printer nom (once per prefix) with its port mapped to the file fitxer of the
    // working folder.
    static bool Instala(const std::string& nom, const std::string& fitxer)
    {
        const Spooler sp;
        if (!sp.modul)
            return false;
        const std::string port = "KORVU_" + nom + ":";
        const std::string unix = CamiUnix(fitxer);
        if (unix.empty())
            return false;
        HKEY k;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\Printing\\Spooler", 0, nullptr, 0,
                            KEY_SET_VALUE, nullptr, &k, nullptr) != ERROR_SUCCESS)
            return false;
        RegSetValueExA(k, port.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(unix.c_str()),
                       static_cast<DWORD>(unix.size() + 1));
        RegCloseKey(k);

        char carpeta[MAX_PATH];
        DWORD cal = 0;
        if (!sp.GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(carpeta), sizeof carpeta, &cal))
            return false;
        const std::string ppd = std::string(carpeta) + "\\korvuprova.ppd";
        {
            std::ofstream f(ppd, std::ios::binary);
            f << "*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n"
                 "*LanguageVersion: English\n*LanguageEncoding: ISOLatin1\n*PCFileName: \"KORVU.PPD\"\n"
                 "*Manufacturer: \"Korvu\"\n*Product: \"(Prova)\"\n*PSVersion: \"(3010) 0\"\n"
                 "*ModelName: \"Korvu Prova\"\n*NickName: \"Korvu Prova\"\n*ColorDevice: False\n"
                 "*DefaultResolution: 203dpi\n*LanguageLevel: \"2\"\n"
                 "*OpenUI *PageSize: PickOne\n*DefaultPageSize: A4\n"
                 "*PageSize A4/A4: \"<</PageSize[595 842]>>setpagedevice\"\n*CloseUI: *PageSize\n"
                 "*DefaultImageableArea: A4\n*ImageableArea A4/A4: \"0 0 595 842\"\n"
                 "*DefaultPaperDimension: A4\n*PaperDimension A4/A4: \"595 842\"\n"
                 "*DefaultFont: Courier\n*Font Courier: Standard \"(002.004S)\" Standard ROM\n";
        }
        char driver[] = "Korvu Prova";
        char ps[] = "wineps.drv";
        DRIVER_INFO_3A di = {};
        di.cVersion = 3;
        di.pName = driver;
        di.pDriverPath = ps;
        di.pDataFile = const_cast<char*>(ppd.c_str());
        di.pConfigFile = ps;
        sp.AddPrinterDriverA(nullptr, 3, reinterpret_cast<BYTE*>(&di));

        PRINTER_INFO_2A pi = {};
        pi.pPrinterName = const_cast<char*>(nom.c_str());
        pi.pPortName = const_cast<char*>(port.c_str());
        pi.pDriverName = driver;
        char proc[] = "WinPrint";
        char raw[] = "RAW";
        pi.pPrintProcessor = proc;
        pi.pDatatype = raw;
        if (HANDLE h = sp.AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&pi)))
            sp.ClosePrinter(h);
        HANDLE h = nullptr;
        if (!sp.OpenPrinterA(const_cast<char*>(nom.c_str()), &h, nullptr))
            return false;
        sp.ClosePrinter(h);
        return true;
    }

    // What the printer received for the last job: the port file, waited for a few seconds.
    static std::string Rebut(const std::string& fitxer)
    {
        for (int i = 0; i < 100; ++i) {
            std::ifstream f(fitxer, std::ios::binary);
            if (f)
                return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return "(nothing received)";
    }

    static void Buida(const std::string& fitxer) { std::remove(fitxer.c_str()); }

private:
    // The spooler's set-up calls, found at run time: the test program does not import the
    // spooler, so that only the printing code's own first use can load it.
    struct Spooler {
        HMODULE modul = LoadLibraryA("winspool.drv");
        decltype(&::GetPrinterDriverDirectoryA) GetPrinterDriverDirectoryA = Busca<decltype(&::GetPrinterDriverDirectoryA)>("GetPrinterDriverDirectoryA");
        decltype(&::AddPrinterDriverA) AddPrinterDriverA = Busca<decltype(&::AddPrinterDriverA)>("AddPrinterDriverA");
        decltype(&::AddPrinterA) AddPrinterA = Busca<decltype(&::AddPrinterA)>("AddPrinterA");
        decltype(&::OpenPrinterA) OpenPrinterA = Busca<decltype(&::OpenPrinterA)>("OpenPrinterA");
        decltype(&::ClosePrinter) ClosePrinter = Busca<decltype(&::ClosePrinter)>("ClosePrinter");
        template <class F>
        F Busca(const char* nom) const
        {
            return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(modul, nom)));
        }
    };

    static std::string CamiUnix(const std::string& fitxer)
    {
        char ple[MAX_PATH];
        if (!GetFullPathNameA(fitxer.c_str(), sizeof ple, ple, nullptr))
            return std::string();
        using Fn = char*(CDECL*)(const WCHAR*);
        const auto unixDe = reinterpret_cast<Fn>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
        if (!unixDe)
            return std::string();
        WCHAR w[MAX_PATH];
        MultiByteToWideChar(CP_ACP, 0, ple, -1, w, MAX_PATH);
        char* u = unixDe(w);
        if (!u)
            return std::string();
        std::string r(u);
        HeapFree(GetProcessHeap(), 0, u);
        return r;
    }
};

// A suite that prints on the test printer Nom whose port is the file Port: the printer installed
// once, the port emptied before each test and the prefix's turn held while a test runs.
template <const char* Nom, const char* Port>
class ProvaAmbImpressora : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        spoolerAbans_ = GetModuleHandleA("winspool.drv") != nullptr;
        instalada_ = ImpressoraProva::Instala(Nom, Port);
    }
    void SetUp() override
    {
        ASSERT_FALSE(spoolerAbans_) << "the test program imports the spooler itself";
        ASSERT_TRUE(instalada_) << "the test printer could not be set up in the wine prefix";
        ImpressoraProva::Buida(Port);
    }

    // The print file that the test hands to the printing code.
    static void Fitxer(const std::string& bytes)
    {
        std::ofstream f("feina.prn", std::ios::binary);
        f << bytes;
    }

    ImpressoraProva::Torn torn_;
    static inline bool instalada_ = false;
    static inline bool spoolerAbans_ = false;
};

#endif
