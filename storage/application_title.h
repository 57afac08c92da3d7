#pragma once
// The program's title as the user sees it in window captions and question boxes.

namespace trimora {

inline constexpr const char* kApplicationTitle = "Trimora";

}  // namespace trimora
