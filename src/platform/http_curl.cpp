// HTTP through libcurl in the process.
#include <curl/curl.h>

#include <mutex>

#include "platform/http.h"
#include "platform/system.h"

namespace vandrix::platform {

namespace {

std::size_t collect(char* data, std::size_t size, std::size_t count, void* out) {
    static_cast<std::string*>(out)->append(data, size * count);
    return size * count;
}

void initialiseOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

}  // namespace

HttpAnswer httpRequest(const HttpRequest& request) {
    initialiseOnce();
    HttpAnswer answer;
    CURL* curl = curl_easy_init();
    if (!curl) {
        answer.error = "libcurl could not start";
        return answer;
    }
    curl_slist* headers = nullptr;
    for (const std::string& h : request.headers)
        headers = curl_slist_append(headers, h.c_str());
    curl_easy_setopt(curl, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, static_cast<long>(request.connectSeconds));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, static_cast<long>(request.totalSeconds));
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 3L);
    const std::string bundle = systemCertificateBundle();
    if (!bundle.empty())
        curl_easy_setopt(curl, CURLOPT_CAINFO, bundle.c_str());
    if (!request.body.empty()) {
        curl_easy_setopt(curl, CURLOPT_POST, 1L);
        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, request.body.c_str());
        curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE, static_cast<long>(request.body.size()));
    }
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &answer.body);
    const CURLcode code = curl_easy_perform(curl);
    if (code == CURLE_OK) {
        answer.received = true;
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &answer.status);
    } else {
        answer.error = curl_easy_strerror(code);
        answer.body.clear();
    }
    curl_slist_free_all(headers);
    curl_easy_cleanup(curl);
    return answer;
}

}  // namespace vandrix::platform
