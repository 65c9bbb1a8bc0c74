// The tests' loopback HTTP server.
#include "loopback_http.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace vandrix::testing {

LoopbackHttpServer::LoopbackHttpServer() {
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    int yes = 1;
    ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(listener_, 8);
    socklen_t length = sizeof address;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
    stopping_ = true;
    ::shutdown(listener_, SHUT_RDWR);
    ::close(listener_);
    thread_.join();
}

std::string LoopbackHttpServer::url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

void LoopbackHttpServer::answer(int status, const std::string& body,
                                const std::string& contentType) {
    std::lock_guard<std::mutex> lock(mutex_);
    status_ = status;
    body_ = body;
    contentType_ = contentType;
    silent_ = false;
}

void LoopbackHttpServer::answerNothing() {
    std::lock_guard<std::mutex> lock(mutex_);
    silent_ = true;
}

std::string LoopbackHttpServer::lastRequestBody() {
    std::lock_guard<std::mutex> lock(mutex_);
    return lastBody_;
}

void LoopbackHttpServer::serve() {
    std::vector<int> held;  // silent connections, closed at the end
    while (!stopping_) {
        pollfd p{listener_, POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0)
            continue;
        const int client = ::accept(listener_, nullptr, nullptr);
        if (client < 0)
            continue;
        // The request: its head, then as many body bytes as it says.
        std::string request;
        char buffer[4096];
        std::size_t headEnd = std::string::npos, bodyLength = 0;
        while (true) {
            pollfd c{client, POLLIN, 0};
            if (::poll(&c, 1, 2000) <= 0)
                break;
            const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
            if (n <= 0)
                break;
            request.append(buffer, static_cast<std::size_t>(n));
            if (headEnd == std::string::npos &&
                (headEnd = request.find("\r\n\r\n")) != std::string::npos) {
                const std::size_t at = request.find("Content-Length:");
                if (at != std::string::npos && at < headEnd)
                    bodyLength = std::strtoul(request.c_str() + at + 15, nullptr, 10);
            }
            if (headEnd != std::string::npos && request.size() >= headEnd + 4 + bodyLength)
                break;
        }
        ++requests_;
        std::string response;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            lastBody_ = headEnd == std::string::npos ? "" : request.substr(headEnd + 4);
            if (silent_) {
                held.push_back(client);
                continue;
            }
            response = "HTTP/1.1 " + std::to_string(status_) +
                       " X\r\nContent-Type: " + contentType_ +
                       "\r\nContent-Length: " + std::to_string(body_.size()) +
                       "\r\nConnection: close\r\n\r\n" + body_;
        }
        std::size_t sent = 0;
        while (sent < response.size()) {
            const ssize_t n =
                ::send(client, response.data() + sent, response.size() - sent, MSG_NOSIGNAL);
            if (n <= 0)
                break;
            sent += static_cast<std::size_t>(n);
        }
        ::close(client);
    }
    for (int client : held)
        ::close(client);
}

}  // namespace vandrix::testing
