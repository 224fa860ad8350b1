#include "resources/ResourceIds.h"

#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Library {
    explicit Library(const char* name) : module(LoadLibraryExA(name, nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
    ~Library()
    {
        if (module)
            FreeLibrary(module);
    }
    HMODULE module;
};

bool Has(HMODULE module, int id, LPCSTR type)
{
    return FindResourceA(module, MAKEINTRESOURCEA(id), type) != nullptr;
}

} // namespace

TEST(Korvui01, HoldsEveryResourceTheClientLoadsByNumber)
{
    Library lib("korvui01.dll");
    ASSERT_NE(lib.module, nullptr);
    for (int id : {132, 133, 135, 136, 137, 138, 140, 141, 247, 1130, 1139})
        EXPECT_TRUE(Has(lib.module, id, RT_BITMAP)) << "bitmap " << id;
    for (int id : {354, 355, 356})
        EXPECT_TRUE(Has(lib.module, id, RT_GROUP_ICON)) << "icon " << id;
    for (int id : {332, 333, 334})
        EXPECT_TRUE(Has(lib.module, id, "WAVE")) << "sound " << id;
    EXPECT_TRUE(Has(lib.module, 1, "TYPELIB"));
}

TEST(Korvui01, BitmapsIconsAndSoundsLoadThroughTheSystem)
{
    HMODULE lib = LoadLibraryA("korvui01.dll");
    ASSERT_NE(lib, nullptr);
    HBITMAP band = LoadBitmapA(lib, MAKEINTRESOURCEA(IDB_LABEL_BAND));
    ASSERT_NE(band, nullptr);
    BITMAP info = {};
    ASSERT_NE(GetObjectA(band, sizeof info, &info), 0);
    EXPECT_GT(info.bmWidth, 0);
    DeleteObject(band);
    EXPECT_NE(LoadIconA(lib, MAKEINTRESOURCEA(IDI_MENU_PLUS)), nullptr);
    HRSRC wave = FindResourceA(lib, MAKEINTRESOURCEA(IDW_SOUND_3), "WAVE");
    ASSERT_NE(wave, nullptr);
    const char* data = static_cast<const char*>(LockResource(LoadResource(lib, wave)));
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(std::string(data, 4), "RIFF");
    EXPECT_EQ(std::string(data + 8, 4), "WAVE");
    FreeLibrary(lib);
}

// The login screen's frame (250 by 400) shows picture 247: the product's name, light letters on
// a dark band, not a plain fill.
TEST(Korvui01, TheLoginPictureFillsItsFrameWithTheName)
{
    HMODULE lib = LoadLibraryA("korvui01.dll");
    ASSERT_NE(lib, nullptr);
    HBITMAP picture = static_cast<HBITMAP>(LoadImageA(lib, MAKEINTRESOURCEA(IDB_PICTURE_247), IMAGE_BITMAP, 0, 0,
                                                      LR_CREATEDIBSECTION));
    ASSERT_NE(picture, nullptr);
    DIBSECTION dib = {};
    ASSERT_EQ(GetObjectA(picture, sizeof dib, &dib), static_cast<int>(sizeof dib));
    EXPECT_EQ(dib.dsBm.bmWidth, 250);
    EXPECT_EQ(dib.dsBm.bmHeight, 400);
    ASSERT_EQ(dib.dsBm.bmBitsPixel, 24);
    long light = 0;
    long dark = 0;
    const auto* bits = static_cast<const unsigned char*>(dib.dsBm.bmBits);
    for (int y = 0; y < dib.dsBm.bmHeight; ++y)
        for (int x = 0; x < dib.dsBm.bmWidth; ++x) {
            const unsigned char* p = bits + static_cast<long>(y) * dib.dsBm.bmWidthBytes + 3 * x;
            const int sum = p[0] + p[1] + p[2];
            light += sum > 600;
            dark += sum < 300;
        }
    EXPECT_GT(light, 500) << "the letters";
    EXPECT_GT(dark, 250L * 400 * 9 / 10) << "the band";
    DeleteObject(picture);
    FreeLibrary(lib);
}

TEST(Korvui01, ServesNoClass)
{
    HMODULE lib = LoadLibraryA("korvui01.dll");
    ASSERT_NE(lib, nullptr);
    using GetClassObject = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
    auto get = reinterpret_cast<GetClassObject>(reinterpret_cast<void*>(GetProcAddress(lib, "DllGetClassObject")));
    ASSERT_NE(get, nullptr);
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(get(IID_IUnknown, IID_IClassFactory, &object), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(object, nullptr);
    EXPECT_NE(GetProcAddress(lib, "DllCanUnloadNow"), nullptr);
    EXPECT_NE(GetProcAddress(lib, "DllRegisterServer"), nullptr);
    FreeLibrary(lib);
}

TEST(Korvuc, ProgramCarriesItsIcon)
{
    Library exe("korvuc.exe");
    ASSERT_NE(exe.module, nullptr);
    EXPECT_TRUE(Has(exe.module, IDI_PROGRAM, RT_GROUP_ICON));
}

namespace {

// The names of the libraries an image imports, read from its own import table.
std::vector<std::string> Imports(const char* file, WORD& subsystem, WORD& characteristics, WORD& magic)
{
    std::vector<std::string> names;
    HMODULE image = LoadLibraryExA(file, nullptr, DONT_RESOLVE_DLL_REFERENCES);
    if (!image)
        return names;
    auto* base = reinterpret_cast<const BYTE*>(image);
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    subsystem = nt->OptionalHeader.Subsystem;
    characteristics = nt->FileHeader.Characteristics;
    magic = nt->OptionalHeader.Magic;
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (dir.VirtualAddress) {
        for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); d->Name; ++d) {
            std::string name = reinterpret_cast<const char*>(base + d->Name);
            CharLowerA(&name[0]);
            names.push_back(name);
        }
    }
    FreeLibrary(image);
    return names;
}

} // namespace

TEST(Deliverables, AreStandalone32BitImagesOfTheRightKind)
{
    const struct {
        const char* file;
        WORD subsystem;
        bool dll;
    } cases[] = {{"korvuc.exe", IMAGE_SUBSYSTEM_WINDOWS_GUI, false}, {"korvui01.dll", 0, true}};
    for (const auto& c : cases) {
        WORD subsystem = 0, characteristics = 0, magic = 0;
        const std::vector<std::string> imports = Imports(c.file, subsystem, characteristics, magic);
        ASSERT_FALSE(imports.empty()) << c.file;
        // The images of this build: 32-bit as shipped, or the 64-bit test build of a host that runs
        // no 32-bit programs (whose shipped 32-bit images are checked by Deliverables32).
        EXPECT_EQ(magic, sizeof(void*) == 4 ? IMAGE_NT_OPTIONAL_HDR32_MAGIC : IMAGE_NT_OPTIONAL_HDR64_MAGIC) << c.file;
        EXPECT_EQ((characteristics & IMAGE_FILE_DLL) != 0, c.dll) << c.file;
        if (!c.dll) {
            EXPECT_EQ(subsystem, c.subsystem) << c.file;
        }
        // Linked statically: nothing beyond what every Windows has.
        for (const std::string& name : imports)
            EXPECT_TRUE(name.find("libstdc++") == std::string::npos && name.find("libgcc") == std::string::npos
                        && name.find("pthread") == std::string::npos)
                << c.file << " imports " << name;
    }
}
