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

namespace internet_handle {

// Windows hands the session's time-outs down to its requests; Wine takes them only from the handle
// the call works on. Callers set them on every handle, so both wait no longer than asked.
void SetTimeouts(HINTERNET handle, const UpdateEndpoint& endpoint);
// The request's HTTP status; 0 when there is none.
int StatusOf(HINTERNET request);

} // namespace internet_handle
} // namespace vaultlet
