// The colour theme and the owner-drawn buttons: which colours a button is drawn in, its frame
// by state and the outlined caption of a disabled button.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "shell/palette.h"
#include "shell/theme.h"
#include "ui/colour_scheme.h"
#include "ui/widgets.h"

namespace vandrix::shell {
namespace {

using ui::ColourScheme;

QImage render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_RGB32);
    widget.render(&image);
    return image;
}

int countColour(const QImage& image, QColor colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

TEST(Theme, PaletteEntriesColourTheWindows) {
    Palette tomorrow = parsePaletteLine("0,0,$d6d6d6,$ffffff,0,0,0,0,0,0,$c8908e,$4c4d4d,0,0,0,0");
    ColourScheme colours;
    themeForBackdrop(colours, tomorrow);
    EXPECT_EQ(colours.windowColour, 0u);
    EXPECT_EQ(colours.dimColour, 0u);

    Palette none{};
    ColourScheme plain;
    themeForBackdrop(plain, none);
    EXPECT_EQ(plain.dimColour, 0u);  // black behind dialogs without a palette
}

TEST(ColourMap, UnsetColoursFallBackToTheScheme) {
    ColourScheme colours;
    colours.windowColour = 0xFFFFFF;
    colours.textColour = 0x4C4D4D;
    colours.colourMap["7"] = {0xC8908E, 0xD6D6D6};
    colours.colourMap["8"] = {0, 0};
    colours.colourMap["9"] = {0x010101, 0};
    EXPECT_EQ(colours.backFor("7"), 0xD6D6D6u);
    EXPECT_EQ(colours.textFor("7"), 0xC8908Eu);
    EXPECT_EQ(colours.backFor("8"), 0xFFFFFFu);
    EXPECT_EQ(colours.textFor("8"), 0x4C4D4Du);
    EXPECT_EQ(colours.textFor("9"), 0x010101u);  // black is written $010101
    EXPECT_EQ(colours.backFor("unknown"), 0xFFFFFFu);
}

TEST(OwnerDrawnButton, FrameFollowsTheState) {
    EXPECT_EQ(ui::buttonStyle(true, true), 2);
    EXPECT_EQ(ui::buttonStyle(true, false), 2);
    EXPECT_EQ(ui::buttonStyle(false, true), 0);
    EXPECT_EQ(ui::buttonStyle(false, false), 1);
}

TEST(OwnerDrawnButton, DrawnInTheMapColoursOrTheWindowColour) {
    ColourScheme colours;
    colours.windowColour = 0xEEE8D5 & 0xFFFFFF;
    colours.textColour = ui::rgb(0, 0, 0);
    colours.colourMap["1"] = {ui::rgb(200, 0, 0), ui::rgb(0, 200, 0)};
    colours.colourMap["2"] = {0, 0};

    ui::OwnerDrawnButton mapped(colours, "1", nullptr);
    mapped.setText("7");
    mapped.resize(60, 50);
    QImage a = render(mapped);
    EXPECT_EQ(a.pixelColor(1, 1), QColor(0, 200, 0));  // the back colour fills the button
    EXPECT_GT(countColour(a, QColor(200, 0, 0)), 0);   // the caption in the map's text colour

    ui::OwnerDrawnButton unset(colours, "2", nullptr);
    unset.setText("7");
    unset.resize(60, 50);
    QImage b = render(unset);
    EXPECT_EQ(b.pixelColor(1, 1), ui::toQColor(colours.windowColour));
    EXPECT_EQ(b.pixelColor(2, 25), QColor(0, 0, 0));  // the plain frame, 2 pixels in
}

TEST(OwnerDrawnButton, DisabledCaptionIsOutlined) {
    ColourScheme colours;
    colours.windowColour = ui::rgb(255, 255, 255);
    colours.textColour = ui::rgb(0, 0, 255);
    ui::OwnerDrawnButton button(colours, "3", nullptr);
    button.setText("Anuleaza");
    button.resize(120, 60);
    QFont font("DejaVu Sans Mono");
    font.setPixelSize(16);
    button.setFont(font);
    const QColor text = QColor(0, 0, 255);

    int enabledInk = countColour(render(button), text);
    button.setEnabled(false);
    QImage disabled = render(button);
    int outlineInk = countColour(disabled, text);
    EXPECT_GT(enabledInk, 0);
    // The outline spreads the text colour around each letter, while the letters themselves are
    // drawn over in the back colour.
    EXPECT_GT(outlineInk, enabledInk);
    // The caption starts a quarter of the height down: nothing of it above that line.
    for (int y = 3; y < 60 / 4 - 2; ++y)
        for (int x = 3; x < 117; ++x)
            ASSERT_NE(disabled.pixelColor(x, y), text) << x << "," << y;
}

TEST(OwnerDrawnButton, CaptionTooLargeIsDrawnSmallerInsideTheFrame) {
    ColourScheme colours;
    colours.windowColour = ui::rgb(255, 255, 255);
    colours.textColour = ui::rgb(0, 0, 255);
    QFont font("DejaVu Sans Mono");
    font.setPixelSize(20);
    // One word wider than the button, and two lines taller than the room under its quarter.
    for (const char* caption : {"Discount", "St.\r\nPoz."}) {
        ui::OwnerDrawnButton button(colours, "4", nullptr);
        button.setText(caption);
        button.setFont(font);
        button.resize(60, 40);
        QImage image = render(button);
        // Ink: the text colour, also where smoothing blends it with the white.
        int ink = 0, outside = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (QColor c = image.pixelColor(x, y); c.blue() > 200 && c.red() < 200) {
                    ++ink;
                    outside += !(x > 2 && x < 57 && y >= 40 / 4 && y < 37);
                }
        EXPECT_GT(ink, 20) << caption;
        EXPECT_EQ(outside, 0) << caption;  // on or beyond the frame, or cut at the bottom
    }
}

}  // namespace
}  // namespace vandrix::shell
