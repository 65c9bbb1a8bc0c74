// Asking a web service over HTTP(S): one request, the whole answer, within a time limit. The
// system's certificate authorities check the server.
#pragma once

#include <string>
#include <vector>

namespace vandrix::platform {

struct HttpAnswer {
    bool received = false;  // an answer came (whatever its status)
    long status = 0;        // the HTTP status of the answer
    std::string body;
    std::string error;  // why no answer came
};

struct HttpRequest {
    std::string url;
    std::string body;  // a POST with this body when not empty, else a GET
    std::vector<std::string> headers;
    int connectSeconds = 5;  // to reach the server
    int totalSeconds = 10;   // for the whole exchange
};

HttpAnswer httpRequest(const HttpRequest& request);

}  // namespace vandrix::platform
