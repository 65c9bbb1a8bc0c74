// Free time stamps for the driver's files.
#include "fiscal/driver_stamp.h"

#include "platform/clock.h"
#include "platform/files.h"

namespace vandrix::fiscal {

std::string freeDriverStamp(std::time_t at,
                            const std::function<std::string(const std::string& stamp)>& targetOf) {
    std::string stamp = platform::formatLocalTime("%yyyy%mm%dd%hh%ii%ss", at);
    while (platform::fileExists(targetOf(stamp)))
        stamp = platform::formatLocalTime("%yyyy%mm%dd%hh%ii%ss", ++at);
    return stamp;
}

}  // namespace vandrix::fiscal
