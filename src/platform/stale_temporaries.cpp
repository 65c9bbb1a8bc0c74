// Removing the temporaries of earlier runs.
#include "platform/stale_temporaries.h"

#include <algorithm>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/system.h"

namespace vandrix::platform {

int removeStaleTemporaries(const std::string& folder) {
    const std::string own = ".tmp-" + std::to_string(processId());
    int removed = 0;
    for (const std::string& name : filesInFolder(folder)) {
        const size_t mark = name.rfind(".tmp-");
        if (mark == std::string::npos || mark == 0 || name.size() == mark + 5)
            continue;
        const bool digits = std::all_of(name.begin() + static_cast<long>(mark) + 5, name.end(),
                                        [](char c) { return c >= '0' && c <= '9'; });
        if (!digits || name.compare(mark, std::string::npos, own) == 0)
            continue;
        if (deleteFile(joinPath(folder, name)))
            ++removed;
    }
    return removed;
}

}  // namespace vandrix::platform
