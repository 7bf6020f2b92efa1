#pragma once

#include "services/UpdateEndpoint.h"

#include <windows.h>

#include <wininet.h>

#include <memory>

namespace vaultlet {

// Owner of a WinINet handle (session, connection or request), closed when it goes.
struct InternetHandleCloser {
    void operator()(void* handle) const noexcept { InternetCloseHandle(handle); }
};
using InternetHandle = std::unique_ptr<void, InternetHandleCloser>;

// The three handles of one HTTP request, closed request first.
struct InternetRequest {
    InternetHandle session;
    InternetHandle connection;
    InternetHandle request;
};

// What one HTTP request to an endpoint is sent as.
struct InternetRequestTarget {
    const char* agent;
    const char* verb;
    const char* path;
    DWORD flags;
    // Set on the session before it connects, so that it hears of the connection and the request,
    // which carry `context`.
    INTERNET_STATUS_CALLBACK callback = nullptr;
    DWORD_PTR context = 0;
};

namespace internet_handle {

// Windows hands the session's time-outs down to its requests; Wine takes them only from the handle
// the call works on. Callers set them on every handle, so both wait no longer than asked.
void SetTimeouts(HINTERNET handle, const UpdateEndpoint& endpoint);
// The request's HTTP status; 0 when there is none.
int StatusOf(HINTERNET request);
// Opens a session (preconfigured proxy), a connection to the endpoint's host and port, and a request
// on it that accepts any type, each with the endpoint's time-outs. The request is null when any step
// fails; the handles that did open are in the result either way.
InternetRequest OpenRequest(const UpdateEndpoint& endpoint, const InternetRequestTarget& target);

} // namespace internet_handle
} // namespace vaultlet
