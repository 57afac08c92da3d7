#pragma once

#include <string>

namespace trimora {

// `trimora-cli optimize IN.trm [-o OUT.trm]`: runs the optimization on the job and writes it
// back (to OUT, or IN itself) with the new layout results. Ctrl+C stops after the current
// trial and keeps the best plan. Exit status 0 done or stopped, 2 a start check failed,
// 1 the input could not be read or the output not written.
int RunOptimizeCommand(const std::string& inputPath, const std::string& outputPath);

}  // namespace trimora
