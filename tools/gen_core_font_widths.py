#!/usr/bin/env python3
"""Generates src/pdf/core_font_widths.cpp: the 256-entry advance-width tables of the 14 core
fonts of PDF, indexed by character code.

The widths come from the AFM files of the URW base 35 fonts (Debian package fonts-urw-base35),
whose advance widths equal the standard metrics of the core fonts. The Latin fonts are indexed
through WinAnsiEncoding; codes without a glyph there take the width of the space. Symbol and
ZapfDingbats are written without an /Encoding entry, so they use their built-in encodings: their
tables are indexed by the AFM's own character codes, and codes without a glyph take 0.

Usage: tools/gen_core_font_widths.py [AFM_FOLDER] > src/pdf/core_font_widths.cpp
"""
import os
import sys

AFM_FOLDER = "/usr/share/fonts/type1/urw-base35"

# (array name, AFM file, indexed through WinAnsiEncoding)
FONTS = [
    ("kCourier", "NimbusMonoPS-Regular", True),
    ("kCourierBold", "NimbusMonoPS-Bold", True),
    ("kCourierOblique", "NimbusMonoPS-Italic", True),
    ("kCourierBoldOblique", "NimbusMonoPS-BoldItalic", True),
    ("kHelvetica", "NimbusSans-Regular", True),
    ("kHelveticaBold", "NimbusSans-Bold", True),
    ("kHelveticaOblique", "NimbusSans-Italic", True),
    ("kHelveticaBoldOblique", "NimbusSans-BoldItalic", True),
    ("kTimesRoman", "NimbusRoman-Regular", True),
    ("kTimesBold", "NimbusRoman-Bold", True),
    ("kTimesItalic", "NimbusRoman-Italic", True),
    ("kTimesBoldItalic", "NimbusRoman-BoldItalic", True),
    ("kSymbol", "StandardSymbolsPS", False),
    ("kZapfDingbats", "D050000L", False),
]

# WinAnsiEncoding glyph names for codes 32..255 (None: no glyph at that code).
_ASCII = (
    "space exclam quotedbl numbersign dollar percent ampersand quotesingle parenleft parenright "
    "asterisk plus comma hyphen period slash zero one two three four five six seven eight nine "
    "colon semicolon less equal greater question at A B C D E F G H I J K L M N O P Q R S T U V "
    "W X Y Z bracketleft backslash bracketright asciicircum underscore grave a b c d e f g h i j "
    "k l m n o p q r s t u v w x y z braceleft bar braceright asciitilde"
).split()
_HIGH = (
    "Euro - quotesinglbase florin quotedblbase ellipsis dagger daggerdbl circumflex perthousand "
    "Scaron guilsinglleft OE - Zcaron - - quoteleft quoteright quotedblleft quotedblright bullet "
    "endash emdash tilde trademark scaron guilsinglright oe - zcaron Ydieresis "
    "space exclamdown cent sterling currency yen brokenbar section dieresis copyright ordfeminine "
    "guillemotleft logicalnot hyphen registered macron degree plusminus twosuperior threesuperior "
    "acute mu paragraph periodcentered cedilla onesuperior ordmasculine guillemotright onequarter "
    "onehalf threequarters questiondown Agrave Aacute Acircumflex Atilde Adieresis Aring AE "
    "Ccedilla Egrave Eacute Ecircumflex Edieresis Igrave Iacute Icircumflex Idieresis Eth Ntilde "
    "Ograve Oacute Ocircumflex Otilde Odieresis multiply Oslash Ugrave Uacute Ucircumflex "
    "Udieresis Yacute Thorn germandbls agrave aacute acircumflex atilde adieresis aring ae "
    "ccedilla egrave eacute ecircumflex edieresis igrave iacute icircumflex idieresis eth ntilde "
    "ograve oacute ocircumflex otilde odieresis divide oslash ugrave uacute ucircumflex udieresis "
    "yacute thorn ydieresis"
).split()


def win_ansi_names():
    names = [None] * 256
    assert len(_ASCII) == 95 and len(_HIGH) == 128
    for i, n in enumerate(_ASCII):
        names[32 + i] = n
    for i, n in enumerate(_HIGH):
        names[128 + i] = None if n == "-" else n
    return names


def read_afm(path):
    """Returns ({glyph name: width}, {code: width}) from the CharMetrics section."""
    by_name, by_code = {}, {}
    in_metrics = False
    with open(path, encoding="latin-1") as f:
        for line in f:
            if line.startswith("StartCharMetrics"):
                in_metrics = True
                continue
            if line.startswith("EndCharMetrics"):
                break
            if not in_metrics:
                continue
            fields = {}
            for part in line.split(";"):
                words = part.split()
                if len(words) >= 2:
                    fields[words[0]] = words[1]
            if "WX" not in fields:
                continue
            width = int(round(float(fields["WX"])))
            if "N" in fields:
                by_name[fields["N"]] = width
            code = int(fields.get("C", "-1"))
            if 0 <= code <= 255:
                by_code[code] = width
    return by_name, by_code


def table(afm_folder, afm, win_ansi):
    by_name, by_code = read_afm(os.path.join(afm_folder, afm + ".afm"))
    if not win_ansi:
        return [by_code.get(c, 0) for c in range(256)]
    space = by_name["space"]
    names = win_ansi_names()
    return [by_name.get(names[c], space) if names[c] else space for c in range(256)]


def main():
    afm_folder = sys.argv[1] if len(sys.argv) > 1 else AFM_FOLDER
    out = sys.stdout
    out.write("// Advance widths of the core fonts of PDF in thousandths of the font size, indexed by\n")
    out.write("// character code. Generated by tools/gen_core_font_widths.py from the URW base 35 AFM\n")
    out.write("// files; do not edit by hand.\n")
    out.write('#include "pdf/core_font_widths.h"\n\nnamespace vandrix::pdf::core_widths {\n')
    for name, afm, win_ansi in FONTS:
        widths = table(afm_folder, afm, win_ansi)
        out.write("\n// %s\nconst WidthTable %s = {\n" % (afm, name))
        for row in range(0, 256, 16):
            out.write("    " + ", ".join(str(w) for w in widths[row:row + 16]) + ",\n")
        out.write("};\n")
    out.write("\n}  // namespace vandrix::pdf::core_widths\n")


if __name__ == "__main__":
    main()
