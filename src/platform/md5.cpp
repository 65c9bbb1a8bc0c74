// MD5 through OpenSSL's digest interface.
#include "platform/md5.h"

#include <openssl/evp.h>

#include <cstdio>
#include <memory>

#include "platform/files.h"

namespace vandrix::platform {

std::string md5OfFile(const std::string& path) {
    auto bytes = readWholeFile(path);
    if (!bytes)
        return {};
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_Digest(bytes->data(), bytes->size(), digest, &length, EVP_md5(), nullptr) != 1)
        return {};
    std::string hex;
    char buffer[3];
    for (unsigned int i = 0; i < length; ++i) {
        std::snprintf(buffer, sizeof buffer, "%02X", digest[i]);
        hex += buffer;
    }
    return hex;
}

}  // namespace vandrix::platform
