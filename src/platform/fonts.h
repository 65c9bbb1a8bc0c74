// System fonts for the PDF writer: the font file the system chooses for a face name and style
// (a substitute of the same kind when the face is not installed), with its actual family name
// and its whole TrueType program for embedding.
#pragma once

#include <optional>
#include <string>

namespace vandrix::platform {

struct FontRequest {
    std::string face;  // e.g. "Lucida Console"
    int height = 750;  // the height asked for; the program is the same at every height
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

struct SystemFont {
    std::string family;   // the actual family name of the chosen font, e.g. "DejaVu Sans Mono"
    std::string file;     // the font file's path
    std::string program;  // the whole font file
};

// The installed TrueType (glyf outline) font for the request, or nothing when the system has no
// usable TrueType font. A monospace face gets a monospace substitute, a serif face a serif one,
// any other face a sans-serif one.
std::optional<SystemFont> loadSystemFont(const FontRequest& request);

}  // namespace vandrix::platform
