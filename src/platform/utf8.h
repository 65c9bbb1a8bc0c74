// UTF-8, the encoding of every text inside the program: decoding into characters and back,
// validity, and counting letters rather than bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vandrix::platform {

// Length of the UTF-8 sequence a lead byte starts (1 to 4), 0 for a byte that starts none.
std::size_t utf8SequenceLength(unsigned char lead);

// The characters of a UTF-8 text; an invalid, truncated, overlong or surrogate sequence becomes
// U+FFFD, one per byte it covers.
std::u32string decodeUtf8(std::string_view utf8);
std::string encodeUtf8(std::u32string_view characters);

bool isValidUtf8(std::string_view bytes);

// A character as a plain ASCII letter for devices whose fonts have no diacritics: ASCII stays,
// a Latin letter with diacritics becomes its plain letter (ă a, Ș S, ţ t, é e ...), anything
// else '?'.
char plainCharacter(char32_t c);

// Characters, counting each lead byte once.
int utf8LetterCount(std::string_view text);

}  // namespace vandrix::platform
