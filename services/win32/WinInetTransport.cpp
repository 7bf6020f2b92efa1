#include "services/win32/WinInetTransport.h"

#include "services/UpdateRequest.h"
#include "services/UpdateResponseBody.h"
#include "services/win32/InternetHandle.h"

#include <windows.h>

#include <wininet.h>

#include <algorithm>
#include <cstring>

namespace vaultlet {
namespace {

// Always fetched from the server, never written to the cache, on a kept-alive connection.
constexpr DWORD kRequestFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_KEEP_CONNECTION;
constexpr DWORD kStatusOk = 200;

bool Send(HINTERNET request) {
    INTERNET_BUFFERSA buffers{};
    buffers.dwStructSize = sizeof buffers;
    buffers.lpcszHeader = update_request::kHeaders;
    buffers.dwHeadersLength = static_cast<DWORD>(std::strlen(update_request::kHeaders));
    return HttpSendRequestExA(request, &buffers, nullptr, 0, 0) && HttpEndRequestA(request, nullptr, 0, 0);
}

} // namespace

WinInetTransport::WinInetTransport(UpdateEndpoint endpoint)
    : m_endpoint(std::move(endpoint)), m_deadline(std::chrono::steady_clock::now() + m_endpoint.deadline) {}

bool WinInetTransport::TimeIsUp() const {
    return std::chrono::steady_clock::now() >= m_deadline;
}

UpdateReply WinInetTransport::Get(const std::string& path) {
    UpdateReply reply;
    if (TimeIsUp()) {
        return reply;
    }
    const InternetRequest opened =
        internet_handle::OpenRequest(m_endpoint, {update_request::kAgent, "GET", path.c_str(), kRequestFlags});
    const HINTERNET request = opened.request.get();
    if (request == nullptr || !Send(request)) {
        return reply;
    }
    // Wine ends the wait for a server that never answers with success and no status line.
    reply.status = internet_handle::StatusOf(request);
    if (reply.status == 0) {
        return reply;
    }
    if (static_cast<DWORD>(reply.status) != kStatusOk) {
        reply.complete = true;
        return reply;
    }
    // A read asks only for what has arrived: a read of a whole piece would wait until the piece is
    // full, and a server sending a byte now and then would hold it past the deadline.
    UpdateResponseBody body;
    char piece[UpdateResponseBody::kPieceSize];
    for (;;) {
        DWORD available = 0;
        if (TimeIsUp() || !InternetQueryDataAvailable(request, &available, 0, 0)) {
            return reply;
        }
        if (available == 0) {
            break;
        }
        DWORD read = 0;
        if (!InternetReadFile(request, piece, std::min<DWORD>(available, sizeof piece), &read)) {
            return reply;
        }
        if (read == 0) {
            break;
        }
        if (!body.Append(piece, read)) {
            return reply;
        }
    }
    reply.complete = true;
    reply.body = body.Text();
    return reply;
}

} // namespace vaultlet
