#pragma once

#include <string>
#include <string_view>

namespace vaultlet {

// What the argument text asks of this process. The first instance compares the two options without
// regard to case; a second instance only recognises them exactly and hands everything else over to
// the running copy as a path, so "-MINIMIZE" reaches it as a file name.
struct InstanceRequest {
    enum class Kind {
        Normal,      // first instance: nothing special
        StartHidden, // first instance: "-minimize" (hidden only when the tray settings allow it)
        OpenFile,    // first instance: a drive path to probe and preselect
        Raise,       // second instance: no arguments, bring the running copy to the front
        Minimize,    // second instance: "-minimize"
        Restart,     // second instance: "-restart", wait for the running copy to end and start anew
        HandOver,    // second instance: any other text, passed to the running copy
    };

    Kind kind = Kind::Normal;
    // The path without its double quotes (OpenFile, HandOver).
    std::string path;

    static InstanceRequest ForFirstInstance(std::string_view argumentText);
    static InstanceRequest ForSecondInstance(std::string_view argumentText);
};

} // namespace vaultlet
