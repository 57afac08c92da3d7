#pragma once
// How long the engine searches. The standard effort is the run as it always was; a longer
// effort first runs exactly that, then spends a multiple of its work improving the best plan
// it found, so its plan is never worse by the goal's own ordering.

#include <optional>
#include <string_view>

#include "engine/optimize.h"

namespace trimora {

enum class SearchEffort { kStandard, kThorough, kExhaustive };

// "standard", "thorough", "exhaustive".
const char* SearchEffortName(SearchEffort effort);
std::optional<SearchEffort> ParseSearchEffort(std::string_view name);

// The effort the windowed program runs, a setting of the working folder (not of the job, so
// job files stay as they are): the effort's name on one line.
inline constexpr const char* kSearchEffortFile = "effort.set";
// The standard effort when the file is missing or names no effort.
SearchEffort ReadSearchEffortSetting();
bool WriteSearchEffortSetting(SearchEffort effort);

// The message line while a longer effort improves the standard run's plan.
inline constexpr const char* kMessageSearchingLonger = "Searching for a better plan...";

// Optimize, then, for a longer effort, three phases on the best plan: more trials of the whole
// job, numbered on past the standard ones; the whole job packed piece by piece under every
// packing rule and sort order (guillotine_packing.h); and the re-planning of the emptiest
// layout together with a few others, their pieces packed in orders drawn at random or laid out
// anew by the engine's trials. A plan replaces the best only when the goal prefers it and it
// cuts no more sheets. A job of through-cuts only whose trials all ended without a plan takes
// the best of the whole job's packings instead, before any longer effort. The same job and
// effort give the same plan for any number of threads; Stop keeps the best plan so far.
SearchOutcome OptimizeWithEffort(const EngineJob& job, RunControl& control, SearchEffort effort,
                                 int threads = 0);

}  // namespace trimora
