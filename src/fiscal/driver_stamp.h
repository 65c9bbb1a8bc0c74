// Time stamps in the names of the cash and tip files: "%yyyy%mm%dd%hh%ii%ss" of a moment, moved
// on to the next free second when a file of that name still waits in the driver's folder, so a
// file the driver has not taken yet is never overwritten.
#pragma once

#include <ctime>
#include <functional>
#include <string>

namespace vandrix::fiscal {

std::string freeDriverStamp(std::time_t at,
                            const std::function<std::string(const std::string& stamp)>& targetOf);

}  // namespace vandrix::fiscal
