#pragma once

#include "services/UpdateEndpoint.h"
#include "services/win32/InternetHandle.h"

#include <windows.h>

#include <wininet.h>

#include <mutex>
#include <optional>
#include <string>

namespace vaultlet {

// Sends a crash report with the user's description to the maker's crash-report service: one POST
// of "description, CR LF CR LF, report", the report in pieces of 128 bytes.
class CrashUpload {
public:
    // Told how the upload goes, on the upload's thread (statuses also on the thread that cancels).
    class Observer {
    public:
        virtual ~Observer() = default;
        // A status of the connection (INTERNET_STATUS_RESOLVING_NAME and the like).
        virtual void OnInternetStatus(DWORD status) = 0;
        // The share of the report sent so far, in percent.
        virtual void OnProgress(int percent) = 0;
        // Asked before each piece; false stops the upload.
        virtual bool KeepSending() = 0;
    };
    struct Result {
        // The whole body went out and the service answered 200.
        bool sent = false;
        // The service's own words for the user, when its answer had them.
        std::optional<std::string> message;
    };

    static constexpr const char* kAgent = "Keyhaven";
    static constexpr const char* kPath = "/crash.php?product=khaven";
    static constexpr const char* kHeaders = "Content-Type: text/html\r\nAccept-Language:en\r\nAccept-Encoding:identity";
    static constexpr const char* kSeparator = "\r\n\r\n";
    static constexpr DWORD kPieceSize = 128;
    static constexpr DWORD kMaxAnswer = 1023;

    explicit CrashUpload(UpdateEndpoint endpoint) : m_endpoint(std::move(endpoint)) {}
    CrashUpload(const CrashUpload&) = delete;
    CrashUpload& operator=(const CrashUpload&) = delete;

    Result Send(const std::string& description, const std::string& report, Observer& observer);
    // From another thread: closes the request, which ends a call that waits for the network, and
    // keeps a later Send from starting one.
    void Cancel();

private:
    static void CALLBACK StatusCallback(HINTERNET handle, DWORD_PTR context, DWORD status, LPVOID info,
                                        DWORD infoLength);
    bool SendBody(HINTERNET request, const std::string& description, const std::string& report);
    Result ReadAnswer(HINTERNET request);
    // Hands the request over to m_request, unless the upload was cancelled already.
    bool Register(InternetHandle& request);
    void CloseRequest();

    UpdateEndpoint m_endpoint;
    Observer* m_observer = nullptr;
    std::mutex m_lock;
    HINTERNET m_request = nullptr;
    bool m_cancelled = false;
};

} // namespace vaultlet
