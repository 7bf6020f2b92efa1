#pragma once

#include <winsock2.h>

#include <windows.h>

#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vaultlet::test {

// A small HTTP server on 127.0.0.1 inside the test executable, for the update check and the crash
// report's upload. It answers
// requests in the order of its script, records what it was asked, and stops when it goes. Nothing
// it does leaves the machine.
class LoopbackHttpServer {
public:
    struct Response {
        enum class Kind {
            // Status and body, then the connection closes.
            Answer,
            // Takes the request and never answers.
            Stall,
            // Announces a long body and sends one byte of it every 100 ms.
            Trickle,
        };
        int status = 200;
        std::string body;
        Kind kind = Kind::Answer;
    };
    struct Request {
        std::string method;
        std::string target;
        // Header names in lower case, values without surrounding blanks.
        std::map<std::string, std::string> headers;
        std::string body;
    };

    // Requests beyond the script get 404.
    explicit LoopbackHttpServer(std::vector<Response> script);
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    // "127.0.0.1:port", as the update check's server setting takes it.
    std::string Address() const;
    std::vector<Request> Requests() const;
    // Waits until that many requests have come; false on timeout.
    bool WaitForRequests(std::size_t count, int timeoutMilliseconds = 10000) const;

    // A loopback address on which nothing listens: a connection there is refused at once.
    static std::string RefusingAddress();

private:
    void Accept();
    void Serve(SOCKET client);
    Response Next();

    SOCKET m_listener = INVALID_SOCKET;
    int m_port = 0;
    HANDLE m_stop;
    std::thread m_acceptor;
    mutable std::mutex m_lock;
    std::vector<Response> m_script;
    std::size_t m_next = 0;
    std::vector<Request> m_requests;
    std::vector<std::thread> m_connections;
};

} // namespace vaultlet::test
