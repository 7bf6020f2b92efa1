#include "services/win32/CrashUpload.h"

#include "services/CrashReportText.h"
#include "services/win32/InternetHandle.h"

#include <algorithm>
#include <cstring>

namespace vaultlet {
namespace {

// Not cached, on a kept-alive connection.
constexpr DWORD kRequestFlags = INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_KEEP_CONNECTION;
constexpr int kStatusOk = 200;

bool WriteAll(HINTERNET request, const char* bytes, DWORD length) {
    DWORD written = 0;
    return InternetWriteFile(request, bytes, length, &written) && written == length;
}

} // namespace

void CALLBACK CrashUpload::StatusCallback(HINTERNET, DWORD_PTR context, DWORD status, LPVOID, DWORD) {
    auto* self = reinterpret_cast<CrashUpload*>(context);
    if (self != nullptr && self->m_observer != nullptr) {
        self->m_observer->OnInternetStatus(status);
    }
}

bool CrashUpload::Register(InternetHandle& request) {
    const std::lock_guard<std::mutex> guard(m_lock);
    if (m_cancelled) {
        return false;
    }
    m_request = request.release();
    return true;
}

void CrashUpload::CloseRequest() {
    const std::lock_guard<std::mutex> guard(m_lock);
    if (m_request != nullptr) {
        InternetCloseHandle(m_request);
        m_request = nullptr;
    }
}

void CrashUpload::Cancel() {
    {
        const std::lock_guard<std::mutex> guard(m_lock);
        m_cancelled = true;
    }
    CloseRequest();
}

CrashUpload::Result CrashUpload::Send(const std::string& description, const std::string& report, Observer& observer) {
    m_observer = &observer;
    const auto context = reinterpret_cast<DWORD_PTR>(this);
    InternetRequest opened =
        internet_handle::OpenRequest(m_endpoint, {kAgent, "POST", kPath, kRequestFlags, StatusCallback, context});
    // Once registered, the request is closed by CloseRequest, here or by Cancel on another thread.
    const HINTERNET request = opened.request.get();
    Result result;
    if (request != nullptr && Register(opened.request) && SendBody(request, description, report) &&
        HttpEndRequestA(request, nullptr, 0, context)) {
        result = ReadAnswer(request);
    }
    CloseRequest();
    if (opened.session) {
        InternetSetStatusCallbackA(opened.session.get(), nullptr);
    }
    m_observer = nullptr;
    return result;
}

bool CrashUpload::SendBody(HINTERNET request, const std::string& description, const std::string& report) {
    const std::string lead = description + kSeparator;
    INTERNET_BUFFERSA buffers{};
    buffers.dwStructSize = sizeof buffers;
    buffers.lpcszHeader = kHeaders;
    buffers.dwHeadersLength = static_cast<DWORD>(std::strlen(kHeaders));
    buffers.dwBufferTotal = static_cast<DWORD>(lead.size() + report.size());
    if (!HttpSendRequestExA(request, &buffers, nullptr, 0, reinterpret_cast<DWORD_PTR>(this)) ||
        !WriteAll(request, lead.data(), static_cast<DWORD>(lead.size()))) {
        return false;
    }
    std::size_t sent = 0;
    while (sent < report.size() && m_observer->KeepSending()) {
        const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(kPieceSize, report.size() - sent));
        if (!WriteAll(request, report.data() + sent, piece)) {
            break;
        }
        sent += piece;
        m_observer->OnProgress(static_cast<int>(sent * 100 / report.size()));
    }
    return sent == report.size();
}

CrashUpload::Result CrashUpload::ReadAnswer(HINTERNET request) {
    Result result;
    char answer[kMaxAnswer + 1];
    DWORD read = 0;
    if (!InternetReadFile(request, answer, kMaxAnswer, &read)) {
        return result;
    }
    result.message = crash_report_text::ServerMessage(std::string_view(answer, read));
    result.sent = internet_handle::StatusOf(request) == kStatusOk;
    return result;
}

} // namespace vaultlet
