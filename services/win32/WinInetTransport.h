#pragma once

#include "services/UpdateEndpoint.h"
#include "services/UpdateTransport.h"

#include <chrono>

namespace vaultlet {

// The update requests over WinINet: a session, a connection and a GET request per call, closed
// again (request first) before it returns. One transport serves one check: the endpoint's deadline
// runs from its construction and covers every request it sends.
class WinInetTransport final : public UpdateTransport {
public:
    explicit WinInetTransport(UpdateEndpoint endpoint);

    UpdateReply Get(const std::string& path) override;

private:
    bool TimeIsUp() const;

    UpdateEndpoint m_endpoint;
    std::chrono::steady_clock::time_point m_deadline;
};

} // namespace vaultlet
