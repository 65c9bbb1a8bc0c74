// A network label printer for the tests: a TCP server on the loopback interface that keeps every
// byte of every connection, in the order they came.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

namespace vandrix::testing {

class CaptureServer {
  public:
    CaptureServer() {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(listener_, 16);
        socklen_t length = sizeof address;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { serve(); });
    }
    ~CaptureServer() {
        stopping_ = true;
        thread_.join();
        ::close(listener_);
    }
    std::string address() const { return "127.0.0.1:" + std::to_string(port_); }
    // What came, once nothing more has come for a moment.
    std::string received() {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        std::lock_guard<std::mutex> lock(mutex_);
        return bytes_;
    }

  private:
    void serve() {
        int client = -1;
        while (!stopping_) {
            pollfd p[2] = {{listener_, POLLIN, 0}, {client, POLLIN, 0}};
            if (::poll(p, client >= 0 ? 2 : 1, 20) <= 0)
                continue;
            if (p[0].revents & POLLIN) {
                if (client >= 0)
                    drain(client);
                client = ::accept(listener_, nullptr, nullptr);
            } else if (client >= 0 && (p[1].revents & (POLLIN | POLLHUP))) {
                if (!readSome(client)) {
                    ::close(client);
                    client = -1;
                }
            }
        }
        if (client >= 0)
            drain(client);
    }
    bool readSome(int client) {
        char buffer[4096];
        const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
        if (n <= 0)
            return false;
        std::lock_guard<std::mutex> lock(mutex_);
        bytes_.append(buffer, static_cast<std::size_t>(n));
        return true;
    }
    void drain(int client) {  // the rest of an earlier connection, before the next one's
        pollfd p{client, POLLIN, 0};
        while (::poll(&p, 1, 50) > 0 && readSome(client)) {
        }
        ::close(client);
    }
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::mutex mutex_;
    std::string bytes_;
    std::thread thread_;
};

}  // namespace vandrix::testing
