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

// Optimize, then, for a longer effort, two phases on the best plan: more trials of the whole
// job, numbered on past the standard ones, and the re-planning of a few of the plan's weakest
// layouts together, whose pieces the engine lays out anew on the stock they and the free stock
// allow. A re-planned plan replaces the best only when the goal prefers it. The same job and
// effort give the same plan for any number of threads; Stop keeps the best plan so far.
SearchOutcome OptimizeWithEffort(const EngineJob& job, RunControl& control, SearchEffort effort,
                                 int threads = 0);

}  // namespace trimora
