// Windows-1250 conversion through glibc's iconv, one character at a time so that a character
// the code page lacks becomes '?' without losing the rest of the text.
#include "platform/codepage.h"
#include "platform/utf8.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>

namespace vandrix::platform {
namespace {

// Opens one conversion descriptor for the duration of a call; iconv_t is not thread-safe to
// share, and these conversions are short.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts one complete character; false when the target code page cannot represent it.
    bool convert(std::string_view in, std::string& out) {
        char* inPtr = const_cast<char*>(in.data());
        size_t inLeft = in.size();
        char buffer[16];
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        size_t rc = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
        if (rc == static_cast<size_t>(-1) || inLeft != 0)
            return false;
        out.append(buffer, static_cast<size_t>(outPtr - buffer));
        return true;
    }

  private:
    iconv_t cd_;
};

bool isContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

}  // namespace

std::string utf8ToAnsi(std::string_view utf8) {
    Converter converter("WINDOWS-1250", "UTF-8");
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            out.push_back(static_cast<char>(b));
            ++i;
            continue;
        }
        size_t len = utf8SequenceLength(b);
        bool complete = len > 0 && i + len <= utf8.size();
        for (size_t k = 1; complete && k < len; ++k)
            complete = isContinuation(static_cast<unsigned char>(utf8[i + k]));
        if (!complete) {
            out.push_back('?');
            ++i;
            continue;
        }
        std::string_view ch = utf8.substr(i, len);
        i += len;
        // Comma-below s and t (U+0218..U+021B) are written as the cedilla letters of the code
        // page, as Romanian texts have always been printed on these registers.
        if (ch == "\xC8\x98")
            ch = "\xC5\x9E";  // Ș -> Ş
        else if (ch == "\xC8\x99")
            ch = "\xC5\x9F";  // ș -> ş
        else if (ch == "\xC8\x9A")
            ch = "\xC5\xA2";  // Ț -> Ţ
        else if (ch == "\xC8\x9B")
            ch = "\xC5\xA3";  // ț -> ţ
        if (!converter.valid() || !converter.convert(ch, out))
            out.push_back('?');
    }
    return out;
}

std::string ansiToUtf8(std::string_view ansi) {
    Converter converter("UTF-8", "WINDOWS-1250");
    std::string out;
    out.reserve(ansi.size() + ansi.size() / 4);
    for (char c : ansi) {
        if (static_cast<unsigned char>(c) < 0x80) {
            out.push_back(c);
            continue;
        }
        if (!converter.valid() || !converter.convert(std::string_view(&c, 1), out))
            out.push_back('?');
    }
    return out;
}

}  // namespace vandrix::platform
