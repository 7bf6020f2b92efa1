#pragma once

#include <string>
#include <string_view>

namespace vaultlet {

// The two questions the update service answers, as its contract fixes them: which version is the
// newest and where to get it, and what changed in it. The service reads the asking program's
// version from the path and alone decides whether there is something newer.
enum class UpdateRequestKind { Url, ChangeLog };

namespace update_request {

// Sent as the agent of both requests.
inline constexpr const char* kAgent = "Quillmoth Keyhaven";
// The extra headers of both requests; neither carries a body.
inline constexpr const char* kHeaders = "Content-Type: text/plain\r\nAccept-Language:en\r\nAccept-Encoding:identity";
inline constexpr const char* kProduct = "keyhaven";

// The version as the service expects it: the minor number before the major one, then the third and
// the fourth (file version 1.2.1.26 is asked as "2.1.1.26"). The service was built for that order.
std::string VersionText(int major, int minor, int third, int fourth);
std::string Path(UpdateRequestKind kind, std::string_view versionText);

} // namespace update_request
} // namespace vaultlet
