#include "framework/controls/AmpladaText.h"

#include "framework/DcFinestra.h"
#include "framework/controls/GeometriaCDN.h"
#include "framework/SeleccioGdi.h"

#include <vector>

int AmpladaText(const std::string& text, HFONT font, HWND window)
{
    if (text.empty())
        return 0;
    // Labels come from the server: the buffers take the whole text, and only the glyphs the
    // measurement reports are added up.
    const std::size_t room = text.size();
    std::vector<int> advances(room, 0);
    std::vector<WCHAR> glyphs(room, 0);
    GCP_RESULTSA results = {};
    results.lStructSize = sizeof results;
    results.lpDx = advances.data();
    results.lpGlyphs = glyphs.data();
    results.nGlyphs = static_cast<UINT>(room);

    DWORD done = 0;
    {
        const Win::DcFinestra dc(window);
        if (!dc)
            return 0;
        const Win::SeleccioGdi ambFont(dc.Get(), font);
        done = GetCharacterPlacementA(dc.Get(), text.data(), static_cast<int>(text.size()), 0, &results, 0);
    }
    if (done == 0)
        return 0;
    return Win::GeometriaCDN::SumaAmplades(advances.data(), room, results.nGlyphs);
}
