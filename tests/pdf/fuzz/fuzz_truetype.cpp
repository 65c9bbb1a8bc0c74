// libFuzzer entry for the TrueType reader: any bytes must give metrics (valid or not) without
// a crash or a read outside the input; valid metrics must be self-consistent.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "pdf/truetype.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vandrix::pdf::TrueTypeMetrics m = vandrix::pdf::parseTrueType(bytes);
    if (m.valid) {
        if (m.glyphs.size() != static_cast<std::size_t>(m.glyphCount))
            std::abort();
        for (std::uint16_t glyph : m.codeToGlyph) {
            if (glyph >= m.glyphCount)
                std::abort();
        }
        if (vandrix::pdf::characterMapBytes(m).size() != 131072)
            std::abort();
    }
    return 0;
}
