// A small HTTP server on the loopback interface for the tests of the web look-ups: it answers
// every request with the answer the test set (or with nothing at all, to let the client's time
// run out), and keeps the last request's body.
#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

namespace vandrix::testing {

class LoopbackHttpServer {
  public:
    LoopbackHttpServer();  // listens on 127.0.0.1 at a port of its own
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    int port() const { return port_; }
    std::string url(const std::string& path) const;

    // The answer of the next requests: the status and body, or silence (the connection held
    // open without a byte until the server ends).
    void answer(int status, const std::string& body, const std::string& contentType);
    void answerNothing();

    std::string lastRequestBody();
    int requests() const { return requests_; }

  private:
    void serve();
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<int> requests_{0};
    std::mutex mutex_;
    int status_ = 200;
    std::string body_, contentType_ = "application/json";
    bool silent_ = false;
    std::string lastBody_;
    std::thread thread_;
};

}  // namespace vandrix::testing
