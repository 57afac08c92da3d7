#pragma once
// options.tlf: the check marks of the Optimize menu's "Maximum Yield" and "Minimum Layouts".

namespace trimora {

struct OptimizeOptions {
  bool maximumYield = false;
  bool minimumLayouts = false;
};

// One line of two integers, -1 for checked and 0 for unchecked: "-1,0".
bool WriteOptionsFile(const OptimizeOptions& options);

// Any non-zero value means checked; a missing file or field leaves that mark unchecked.
OptimizeOptions ReadOptionsFile();

}  // namespace trimora
