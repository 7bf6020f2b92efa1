#pragma once

#include <string>

namespace vaultlet {

// What came back for one request to the update service.
struct UpdateReply {
    // False when the exchange broke off: no connection, a failed send or read, a time-out, or a body
    // that reached the size limit.
    bool complete = false;
    int status = 0;
    std::string body;

    bool IsOk() const noexcept { return complete && status == 200; }
};

// Sends GET requests to the update service. The WinINet client is the real one; tests answer from
// a script.
class UpdateTransport {
public:
    virtual ~UpdateTransport() = default;
    virtual UpdateReply Get(const std::string& path) = 0;
};

} // namespace vaultlet
