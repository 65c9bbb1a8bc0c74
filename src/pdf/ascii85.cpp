// ASCII85 encoder for embedded font programs and character maps.
#include "pdf/ascii85.h"

#include <cstdint>

namespace vandrix::pdf {

namespace {

constexpr std::size_t kLineLength = 73;

class LineWriter {
  public:
    explicit LineWriter(std::string& out) : out_(out) {}
    void put(char c) {
        out_ += c;
        if (++column_ == kLineLength) {
            out_ += '\n';
            column_ = 0;
        }
    }

  private:
    std::string& out_;
    std::size_t column_ = 0;
};

}  // namespace

std::string ascii85Encode(std::string_view bytes) {
    std::string out;
    std::size_t groups = (bytes.size() + 3) / 4;
    out.reserve(groups * 5 + groups * 5 / kLineLength + 3);
    LineWriter writer(out);
    for (std::size_t i = 0; i < bytes.size(); i += 4) {
        std::size_t n = bytes.size() - i < 4 ? bytes.size() - i : 4;
        std::uint32_t value = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            std::uint32_t byte = k < n ? static_cast<unsigned char>(bytes[i + k]) : 0;
            value = (value << 8) | byte;
        }
        if (n == 4 && value == 0) {
            writer.put('z');
            continue;
        }
        char digits[5];
        for (int k = 4; k >= 0; --k) {
            digits[k] = static_cast<char>('!' + value % 85);
            value /= 85;
        }
        for (std::size_t k = 0; k < n + 1; ++k)
            writer.put(digits[k]);
    }
    writer.put('~');
    writer.put('>');
    // A closing line feed written by the writer after "~>" is not part of the stream data.
    if (out.back() == '\n')
        out.pop_back();
    return out;
}

}  // namespace vandrix::pdf
