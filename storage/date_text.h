#pragma once
// Today's date as the printed documents show it.

#include <string>

namespace trimora {

// Today's local date through a strftime format, e.g. "%d/%m/%Y".
std::string TodayText(const char* format);

}  // namespace trimora
