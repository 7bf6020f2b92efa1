#include "services/win32/InternetHandle.h"

namespace vaultlet::internet_handle {
namespace {

void SetTimeout(HINTERNET handle, DWORD option, std::chrono::milliseconds timeout) {
    DWORD milliseconds = static_cast<DWORD>(timeout.count());
    InternetSetOptionA(handle, option, &milliseconds, sizeof milliseconds);
}

} // namespace

void SetTimeouts(HINTERNET handle, const UpdateEndpoint& endpoint) {
    SetTimeout(handle, INTERNET_OPTION_CONNECT_TIMEOUT, endpoint.connectTimeout);
    SetTimeout(handle, INTERNET_OPTION_SEND_TIMEOUT, endpoint.sendTimeout);
    SetTimeout(handle, INTERNET_OPTION_RECEIVE_TIMEOUT, endpoint.receiveTimeout);
}

int StatusOf(HINTERNET request) {
    DWORD status = 0;
    DWORD size = sizeof status;
    if (!HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr)) {
        return 0;
    }
    return static_cast<int>(status);
}

} // namespace vaultlet::internet_handle
