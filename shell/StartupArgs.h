// StartupArgs: what the command line asked for; lives only during start-up.
#pragma once

#include <string>

struct StartupArgs {
    std::string leftPath;
    std::string rightPath;
    bool helpRequested = false;
    int autoStepSeconds = 0;  // 0: no automatic stepping
    std::string badOption;  // the whole argument that made parsing fail
};
