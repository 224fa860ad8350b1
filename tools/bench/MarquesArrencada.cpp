// Linked into the benchmark's build of the client (banc_korvuc): the same program, which also
// writes the time of each start-up mark into banc_arrencada's block.
#include "tools/bench/BlocMarques.h"

#include <windows.h>

namespace {

long long* bloc = nullptr;

void Marca(Win::PuntArrencada punt)
{
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    if (!bloc) {
        HANDLE m = OpenFileMappingA(FILE_MAP_WRITE, FALSE, BlocMarques::kNom);
        if (!m)
            return;
        bloc = static_cast<long long*>(MapViewOfFile(m, FILE_MAP_WRITE, 0, 0, 0));
        CloseHandle(m); // the view keeps the block
        if (!bloc)
            return;
    }
    bloc[static_cast<int>(punt)] = t.QuadPart;
}

[[maybe_unused]] const bool installada = (Win::marcaArrencada = Marca, true);

} // namespace
