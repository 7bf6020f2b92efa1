#include "tests/support/win32/LoopbackHttpServer.h"

#include "tests/support/win32/GuiDriver.h"

#include <ws2tcpip.h>

#include <algorithm>
#include <cctype>

namespace vaultlet::test {
namespace {

constexpr DWORD kTrickleMilliseconds = 100;
// How long an answered connection waits for the client to close it.
constexpr DWORD kLingerMilliseconds = 5000;

// Winsock stays started for the whole test run: a server's threads may still hold sockets while
// another server starts.
void StartWinsock() {
    static const bool started = [] {
        WSADATA data{};
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    (void)started;
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    const std::size_t last = text.find_last_not_of(" \t");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

LoopbackHttpServer::Request ParseRequest(const std::string& head) {
    LoopbackHttpServer::Request request;
    std::size_t start = 0;
    bool first = true;
    while (start < head.size()) {
        std::size_t end = head.find("\r\n", start);
        if (end == std::string::npos) {
            end = head.size();
        }
        const std::string line = head.substr(start, end - start);
        start = end + 2;
        if (first) {
            const std::size_t space = line.find(' ');
            request.method = line.substr(0, space);
            request.target = line.substr(space + 1, line.find(' ', space + 1) - space - 1);
            first = false;
        } else if (const std::size_t colon = line.find(':'); colon != std::string::npos) {
            std::string name = line.substr(0, colon);
            std::transform(name.begin(), name.end(), name.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            request.headers[name] = Trimmed(line.substr(colon + 1));
        }
    }
    return request;
}

bool SendAll(SOCKET client, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const int now = send(client, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
        if (now <= 0) {
            return false;
        }
        sent += static_cast<std::size_t>(now);
    }
    return true;
}

std::string StatusLine(int status) {
    return "HTTP/1.1 " + std::to_string(status) + (status == 200 ? " OK" : " Error") + "\r\n";
}

} // namespace

LoopbackHttpServer::LoopbackHttpServer(std::vector<Response> script)
    : m_stop(CreateEventA(nullptr, TRUE, FALSE, nullptr)), m_script(std::move(script)) {
    StartWinsock();
    m_listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof address;
    if (bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(m_listener, SOMAXCONN) != 0 ||
        getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ADD_FAILURE() << "the loopback server cannot listen";
        return;
    }
    m_port = ntohs(address.sin_port);
    m_acceptor = std::thread([this] { Accept(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
    SetEvent(m_stop);
    closesocket(m_listener);
    if (m_acceptor.joinable()) {
        m_acceptor.join();
    }
    for (std::thread& connection : m_connections) {
        connection.join();
    }
    CloseHandle(m_stop);
}

std::string LoopbackHttpServer::Address() const {
    return "127.0.0.1:" + std::to_string(m_port);
}

std::vector<LoopbackHttpServer::Request> LoopbackHttpServer::Requests() const {
    std::lock_guard<std::mutex> lock(m_lock);
    return m_requests;
}

bool LoopbackHttpServer::WaitForRequests(std::size_t count, int timeoutMilliseconds) const {
    return WaitUntil([&] { return Requests().size() >= count; }, timeoutMilliseconds);
}

std::string LoopbackHttpServer::RefusingAddress() {
    StartWinsock();
    // Bound but never listening, and kept for the whole run: the port stays taken and closed.
    static const std::string address = [] {
        const SOCKET reserved = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in bound{};
        bound.sin_family = AF_INET;
        bound.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int length = sizeof bound;
        bind(reserved, reinterpret_cast<sockaddr*>(&bound), sizeof bound);
        getsockname(reserved, reinterpret_cast<sockaddr*>(&bound), &length);
        return "127.0.0.1:" + std::to_string(ntohs(bound.sin_port));
    }();
    return address;
}

void LoopbackHttpServer::Accept() {
    for (;;) {
        const SOCKET client = accept(m_listener, nullptr, nullptr);
        if (client == INVALID_SOCKET) {
            return; // the listener was closed
        }
        std::lock_guard<std::mutex> lock(m_lock);
        m_connections.emplace_back([this, client] { Serve(client); });
    }
}

LoopbackHttpServer::Response LoopbackHttpServer::Next() {
    std::lock_guard<std::mutex> lock(m_lock);
    return m_next < m_script.size() ? m_script[m_next++] : Response{404, "", Response::Kind::Answer};
}

void LoopbackHttpServer::Serve(SOCKET client) {
    std::string head;
    char buffer[1024];
    while (head.find("\r\n\r\n") == std::string::npos) {
        const int received = recv(client, buffer, sizeof buffer, 0);
        if (received <= 0) {
            closesocket(client);
            return;
        }
        head.append(buffer, static_cast<std::size_t>(received));
    }
    const std::size_t headEnd = head.find("\r\n\r\n");
    Request request = ParseRequest(head.substr(0, headEnd));
    // The body, as long as Content-Length says: recorded before the request counts as arrived.
    request.body = head.substr(headEnd + 4);
    const auto length = request.headers.find("content-length");
    const std::size_t announced = length == request.headers.end() ? 0 : std::stoul(length->second);
    while (request.body.size() < announced) {
        const int received = recv(client, buffer, sizeof buffer, 0);
        if (received <= 0) {
            break;
        }
        request.body.append(buffer, static_cast<std::size_t>(received));
    }
    const Response response = Next();
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_requests.push_back(std::move(request));
    }
    switch (response.kind) {
    case Response::Kind::Answer:
        SendAll(client, StatusLine(response.status) + "Content-Length: " + std::to_string(response.body.size()) +
                            "\r\nConnection: close\r\n\r\n" + response.body);
        shutdown(client, SD_SEND);
        // Lets the client read everything before the socket goes.
        setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&kLingerMilliseconds),
                   sizeof kLingerMilliseconds);
        while (recv(client, buffer, sizeof buffer, 0) > 0) {
        }
        break;
    case Response::Kind::Stall:
        WaitForSingleObject(m_stop, INFINITE);
        break;
    case Response::Kind::Trickle:
        SendAll(client, StatusLine(200) + "Content-Length: 100000\r\n\r\n");
        while (WaitForSingleObject(m_stop, kTrickleMilliseconds) == WAIT_TIMEOUT && SendAll(client, "x")) {
        }
        break;
    }
    closesocket(client);
}

} // namespace vaultlet::test
