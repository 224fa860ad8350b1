// The block in which the benchmark's build of the client leaves the time of each start-up mark
// (QueryPerformanceCounter ticks, 0 for a mark not reached), read by banc_arrencada.
#ifndef KORVU_TOOLS_BENCH_BLOCMARQUES_H
#define KORVU_TOOLS_BENCH_BLOCMARQUES_H

#include "framework/MarquesArrencada.h"

namespace BlocMarques {

constexpr const char* kNom = "KorvuBancArrencada";
constexpr int kMarques = static_cast<int>(Win::PuntArrencada::kNombre);

} // namespace BlocMarques

#endif
