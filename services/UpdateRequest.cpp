#include "services/UpdateRequest.h"

namespace vaultlet::update_request {

std::string VersionText(int major, int minor, int third, int fourth) {
    return std::to_string(minor) + "." + std::to_string(major) + "." + std::to_string(third) + "." +
           std::to_string(fourth);
}

std::string Path(UpdateRequestKind kind, std::string_view versionText) {
    std::string path = "/update.php?product=";
    path += kProduct;
    path += "&version=";
    path += versionText;
    path += "&type=std&request=";
    path += kind == UpdateRequestKind::Url ? "url" : "changelog";
    return path;
}

} // namespace vaultlet::update_request
