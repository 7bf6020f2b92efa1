#include "shell/LoginTexts.h"

#include "resources/StringIds.h"

namespace vaultlet {

int LoadFailureMessage(LoadResult result) {
    switch (result) {
    case LoadResult::NotADatabase:
    case LoadResult::UnknownCipher:
        return IDS_INCORRECT_FILE_FORMAT;
    case LoadResult::CannotOpen:
    case LoadResult::ReadFailure:
        return IDS_DATABASE_UNREADABLE;
    case LoadResult::WrongPassword:
    case LoadResult::Loaded:
        break;
    }
    return IDS_INVALID_PASSWORD;
}

std::string VersionLabel(int major, int minor, int build) {
    std::string label = "v" + std::to_string(major) + "." + std::to_string(minor);
    if (build != 0) {
        label += "." + std::to_string(build);
    }
    return label;
}

} // namespace vaultlet
