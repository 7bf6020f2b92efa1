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

InternetRequest OpenRequest(const UpdateEndpoint& endpoint, const InternetRequestTarget& target) {
    InternetRequest opened;
    opened.session.reset(InternetOpenA(target.agent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!opened.session) {
        return opened;
    }
    SetTimeouts(opened.session.get(), endpoint);
    if (target.callback != nullptr) {
        InternetSetStatusCallbackA(opened.session.get(), target.callback);
    }
    opened.connection.reset(InternetConnectA(opened.session.get(), endpoint.host.c_str(),
                                             static_cast<INTERNET_PORT>(endpoint.port), nullptr, nullptr,
                                             INTERNET_SERVICE_HTTP, 0, target.context));
    if (!opened.connection) {
        return opened;
    }
    SetTimeouts(opened.connection.get(), endpoint);
    const char* accepted[] = {"*/*", nullptr};
    opened.request.reset(HttpOpenRequestA(opened.connection.get(), target.verb, target.path, nullptr, nullptr, accepted,
                                          target.flags, target.context));
    if (opened.request) {
        SetTimeouts(opened.request.get(), endpoint);
    }
    return opened;
}

} // namespace vaultlet::internet_handle
