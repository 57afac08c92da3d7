#pragma once

#include <string>

namespace trimora {

// `trimora-cli check JOB.trm`: the stock sizes and cut-pieces the engine will use, and whether
// a run would stop at a start check. Exit status 0 ready, 2 start check failed, 1 unreadable.
int RunCheckCommand(const std::string& jobPath);

}  // namespace trimora
