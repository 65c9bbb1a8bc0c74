// UTF-8 decoding, encoding and checks.
#include "platform/utf8.h"

#include <array>

namespace vandrix::platform {
namespace {

// Decodes the character that starts at byte i; its length in bytes, or 0 when the bytes there
// are not a valid, shortest-form sequence of a character outside the surrogates.
std::size_t decodeAt(std::string_view utf8, std::size_t i, char32_t& c) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = utf8SequenceLength(lead);
    if (length == 0 || i + length > utf8.size())
        return 0;
    c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(utf8[i + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (next & 0x3F);
    }
    constexpr std::array<char32_t, 5> kMinimum = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kMinimum[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return length;
}

}  // namespace

std::size_t utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 0;
}

std::u32string decodeUtf8(std::string_view utf8) {
    std::u32string result;
    result.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c = 0;
        const std::size_t length = decodeAt(utf8, i, c);
        result += length > 0 ? c : U'\uFFFD';
        i += length > 0 ? length : 1;
    }
    return result;
}

std::string encodeUtf8(std::u32string_view characters) {
    std::string out;
    for (char32_t c : characters) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t c = 0;
        const std::size_t length = decodeAt(bytes, i, c);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

int utf8LetterCount(std::string_view text) {
    int n = 0;
    for (unsigned char c : text)
        n += (c & 0xC0) != 0x80;
    return n;
}

char plainCharacter(char32_t c) {
    if (c < 128)
        return static_cast<char>(c);
    switch (c) {
        case U'ă':
        case U'â':
        case U'á':
        case U'à':
        case U'ä':
            return 'a';
        case U'Ă':
        case U'Â':
        case U'Á':
        case U'À':
        case U'Ä':
            return 'A';
        case U'î':
        case U'í':
            return 'i';
        case U'Î':
        case U'Í':
            return 'I';
        case U'ș':
        case U'ş':
            return 's';
        case U'Ș':
        case U'Ş':
            return 'S';
        case U'ț':
        case U'ţ':
            return 't';
        case U'Ț':
        case U'Ţ':
            return 'T';
        case U'é':
        case U'è':
        case U'ë':
            return 'e';
        case U'É':
        case U'È':
        case U'Ë':
            return 'E';
        case U'ó':
        case U'ö':
        case U'ő':
            return 'o';
        case U'Ó':
        case U'Ö':
        case U'Ő':
            return 'O';
        case U'ú':
        case U'ü':
        case U'ű':
            return 'u';
        case U'Ú':
        case U'Ü':
        case U'Ű':
            return 'U';
        default:
            return '?';
    }
}

}  // namespace vandrix::platform
