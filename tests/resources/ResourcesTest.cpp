#include "resources/ResourceIds.h"

#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

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
    for (int id : {132, 133, 135, 136, 137, 138, 140, 141, 1130, 1139})
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
