// Files written complete and then moved into place go first to "<name>.tmp-<process>" beside
// their target. A copy of the program that was killed while writing one leaves it behind.
#pragma once

#include <string>

namespace vandrix::platform {

// Removes from the folder the temporaries that another process (an earlier run, since only one
// copy of the program runs per shop) left there. Returns how many were removed.
int removeStaleTemporaries(const std::string& folder);

}  // namespace vandrix::platform
