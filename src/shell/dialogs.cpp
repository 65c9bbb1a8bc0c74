// The program's dialogs on screen: always on top, drawn in "Lucida Console", with the screen
// dimmed behind them. Their answers are written to the transcript.
#include "shell/dialogs.h"

#include <algorithm>
#include <memory>

#include "ui/caption_fit.h"
#include "ui/dim_layer.h"
#include "ui/form.h"
#include "ui/runtime.h"

namespace vandrix::shell {
namespace {

constexpr int kTextGadget = 1;
constexpr int kInputGadget = 2;
constexpr int kProgressGadget = 3;
constexpr int kFirstButton = 10;
constexpr int kEnterShortcut = 1;
constexpr int kLoopTimeoutMs = 250;

const ui::FontSpec kDialogFont{"Lucida Console", 15, false};

// Text colour and background of a dialog by its icon; nullopt for the theme's colours.
struct IconColours {
    bool themed = true;
    ui::Colour text = 0;
};

IconColours iconColours(int flags) {
    switch (flags - flags % 16) {
        case kIconError:
            return {false, ui::rgb(255, 0, 0)};
        case kIconWarning:
            return {false, ui::rgb(160, 128, 0)};
        case kIconInformation:
            return {false, ui::rgb(0, 0, 255)};
        default:
            return {};
    }
}

struct Box {
    std::unique_ptr<ui::Form> form;
    ButtonSet buttons;
};

// Pixels around the text: the label's word wrapping may break a little earlier than the
// measurement, and the letters should not touch the window's edge.
constexpr int kTextMargin = 8;
// The least room left beside the box on the screen.
constexpr int kScreenMargin = 40;
constexpr int kButtonHeight = 48;
constexpr int kFieldHeight = 30;

// The box's size: the sizing rule's, grown until the whole text shows in the dialog's font with
// the field and the buttons under it. The width grows to the widest line up to the screen's
// width; beyond that the lines wrap and the height grows.
struct BoxSize {
    int width = 0, height = 0;
    int textHeight = 0;  // the text's label, from y = 2
    int fieldY = 0;      // the input box's field
    int buttonsY = 0;
};

BoxSize boxSize(ui::Runtime& runtime, const std::string& text, const std::string& title,
                bool inputBox) {
    const DialogLayout rule = dialogLayout(text, title);
    const int widest = ui::measureText(runtime, kDialogFont, text).width + kTextMargin;
    const int screenWidth = runtime.workArea().width - kScreenMargin;
    BoxSize size;
    size.width = std::max(rule.width(), std::min(widest, screenWidth));
    const int wrapped =
        ui::measureText(runtime, kDialogFont, text, size.width - 4 - kTextMargin).height;
    size.textHeight = std::max(rule.textHeight(), wrapped + kTextMargin);
    if (inputBox) {
        size.fieldY = 2 + size.textHeight;
        size.buttonsY = size.fieldY + kFieldHeight + 4;
        size.height = std::max(rule.height(true), size.buttonsY + kButtonHeight + 4);
    } else {
        // The rule puts the buttons 6 pixels under the text and ends the box with them.
        size.buttonsY = 2 + size.textHeight + 6;
        size.height = std::max(rule.height(false), size.buttonsY + kButtonHeight);
    }
    return size;
}

// Builds a message box, input box or timed message, sized to show its whole text.
Box buildBox(ui::Runtime& runtime, const std::string& text, const std::string& title, int flags,
             bool inputBox, bool withButtons, const std::string& initial) {
    const BoxSize size = boxSize(runtime, text, title, inputBox);
    Box box;
    box.buttons = withButtons ? buttonSet(flags) : ButtonSet{};
    ui::FormSpec table{"MessageBox", title, size.width, size.height, {}};
    table.scaled = false;
    table.alwaysOnTop = true;
    table.tool = true;
    table.dialog = true;
    table.gadgets.push_back({kTextGadget, ui::GadgetKind::Label, text, 2, 2, size.width - 4,
                             size.textHeight, ui::kCentred, "text"});
    if (inputBox)
        // The buttons go under the field, so the two never overlap.
        table.gadgets.push_back({kInputGadget, ui::GadgetKind::TextField, initial, 2, size.fieldY,
                                 size.width - 4, kFieldHeight, ui::kPassword | ui::kCentred,
                                 "input"});
    const int share = box.buttons.count > 0 ? (size.width - 4) / box.buttons.count : 0;
    for (int i = 0; i < box.buttons.count; ++i)
        table.gadgets.push_back({kFirstButton + i, ui::GadgetKind::Button, box.buttons.captions[i],
                                 2 + i * share, size.buttonsY, share, kButtonHeight, 0, ""});

    box.form = std::make_unique<ui::Form>(runtime, table);
    ui::Form& form = *box.form;
    ui::Rect screen = runtime.workArea();
    form.placeWindow(screen.x + (screen.width - size.width) / 2,
                     screen.y + (screen.height - size.height) / 2, size.width, size.height);
    form.setFont(kTextGadget, kDialogFont);
    for (int i = 0; i < box.buttons.count; ++i)
        form.setFont(kFirstButton + i, kDialogFont);
    IconColours colours = iconColours(flags);
    ui::Colour back = colours.themed ? runtime.colours().windowColour : ui::rgb(255, 255, 255);
    ui::Colour textColour = colours.themed ? runtime.colours().textColour : colours.text;
    form.setBackground(back);
    form.setTextColours(kTextGadget, textColour, back);
    form.addShortcut(ui::Key::Enter, kEnterShortcut);
    form.addShortcut(ui::Key::Execute, kEnterShortcut);
    if (inputBox) {
        form.setFont(kInputGadget, kDialogFont);
        form.setFocus(kInputGadget);
    } else if (box.buttons.count > 0) {
        form.setFocus(kFirstButton);
    }
    return box;
}

// The index of the button that has the focus, or -1.
int focusedButton(const Box& box) {
    int focused = box.form->focusedGadget();
    int index = focused - kFirstButton;
    return index >= 0 && index < box.buttons.count ? index : -1;
}

// Waits for a button (its index), or -1 when the box was closed.
int waitForButton(Box& box) {
    while (true) {
        auto event = box.form->wait(kLoopTimeoutMs);
        if (!event)
            continue;
        if (event->type == ui::EventType::Close)
            return -1;
        if (event->type == ui::EventType::Click) {
            int index = event->gadget - kFirstButton;
            if (index >= 0 && index < box.buttons.count)
                return index;
        }
        if (event->type == ui::EventType::Shortcut && box.buttons.count > 0) {
            // Enter presses the focused button; with none focused it counts as OK or DA.
            int index = focusedButton(box);
            return index >= 0 ? index : 0;
        }
    }
}

}  // namespace

std::unique_ptr<ui::Form> buildDialogWindow(ui::Runtime& runtime, DialogKind kind,
                                            const std::string& text, const std::string& title,
                                            DialogFlags flags) {
    const bool inputBox = kind == DialogKind::Input;
    return buildBox(runtime, text, title, flags, inputBox, kind != DialogKind::Timed, "").form;
}

DialogResult ScreenDialogs::message(const std::string& text, const std::string& title,
                                    DialogFlags flags) {
    DialogResult result = kResultOk;
    {
        ui::DimLayer dim(runtime_);
        runtime_.pause(1);
        Box box = buildBox(runtime_, text, title, flags, false, true, "");
        int index = waitForButton(box);
        result = index >= 0 ? static_cast<DialogResult>(box.buttons.results[index]) : kResultOk;
    }
    runtime_.transcript("message " + title + " | " + text + " | " + std::to_string(result));
    return result;
}

std::string ScreenDialogs::input(const std::string& text, const std::string& title,
                                 const std::string& initial, DialogFlags flags) {
    static const char* const kNames[] = {"Ok", "Yes", "No", "Cancel"};
    std::string result;
    bool closed = false;
    {
        ui::DimLayer dim(runtime_);
        runtime_.pause(1);
        Box box = buildBox(runtime_, text, title, flags, true, true, initial);
        int index = waitForButton(box);
        std::string typed = box.form->text(kInputGadget);
        if (index >= 0) {
            int code = box.buttons.results[index];
            const char* name = code == kResultYes      ? kNames[1]
                               : code == kResultNo     ? kNames[2]
                               : code == kResultCancel ? kNames[3]
                                                       : kNames[0];
            result = std::string(name) + "|" + typed;
        } else {
            closed = true;
            result = typed;
        }
    }
    if (closed) {
        runtime_.transcript("input " + title + " | " + text + " | " + result);
        if (message("Inchidem?", "Inchidem", kButtonsYesNo) == kResultYes)
            runtime_.exitProcess(0);
        return result;
    }
    runtime_.transcript("input " + title + " | " + text + " | " + result);
    return result;
}

int ScreenDialogs::timedMessage(const std::string& text, const std::string& title,
                                DialogFlags flags, int milliseconds) {
    {
        ui::DimLayer dim(runtime_);
        runtime_.pause(1);
        Box box = buildBox(runtime_, text, title, flags, false, false, "");
        // Enter and the other shortcut are taken, but do nothing; the box ends by itself. It
        // does not wait for the user, so a script does not answer it.
        const std::int64_t end = runtime_.clock().elapsedMs() + milliseconds;
        bool closed = false;
        while (!closed && runtime_.clock().elapsedMs() < end) {
            runtime_.pause(
                static_cast<int>(std::min<std::int64_t>(50, end - runtime_.clock().elapsedMs())));
            while (auto event = box.form->takeEvent())
                if (event->type == ui::EventType::Close)
                    closed = true;
        }
    }
    runtime_.transcript("message " + title + " | " + text + " | 0");
    return 0;
}

bool ScreenDialogs::whileShowing(const std::string& text, const std::string& title,
                                 const std::function<bool()>& work) {
    bool result = false;
    {
        Box box = buildBox(runtime_, text, title, kButtonsOk, false, false, "");
        runtime_.pause(1);  // lets the box paint before the work holds the program
        result = work();
    }
    runtime_.transcript("notice " + title + " | " + text);
    return result;
}

int ScreenDialogs::copyableMessage(const std::string& title, const std::string& text,
                                   int milliseconds, int mode) {
    constexpr int kOk = 10, kCopy = 11;
    const bool countdown = milliseconds > 0;
    ui::FormSpec table{"CopyableMessage", title, 300, 200, {}};
    table.scaled = false;
    table.alwaysOnTop = true;
    table.tool = true;
    table.dialog = true;
    const int textHeight = countdown ? 148 - 22 : 148;
    table.gadgets.push_back({kTextGadget, ui::GadgetKind::TextArea, text, 4, 16, 292, textHeight,
                             ui::kReadOnly, "text"});
    if (countdown)
        table.gadgets.push_back({kProgressGadget, ui::GadgetKind::ProgressBar, "", 4,
                                 16 + textHeight + 2, 292, 18, 0, "progress"});
    table.gadgets.push_back({kOk, ui::GadgetKind::Button, "OK", 2, 168, 148, 30, 0, ""});
    table.gadgets.push_back(
        {kCopy, ui::GadgetKind::Button, mode == 1 ? "Iesire" : "Copy", 152, 168, 148, 30, 0, ""});

    int result = 0;
    {
        ui::Form form(runtime_, table);
        ui::Rect screen = runtime_.workArea();
        form.placeWindow(screen.x + (screen.width - 300) / 2, screen.y + (screen.height - 200) / 2,
                         300, 200);
        form.setFont(kTextGadget, {"Arial", 12, false});
        const std::int64_t start = runtime_.clock().elapsedMs();
        while (true) {
            std::int64_t elapsed = runtime_.clock().elapsedMs() - start;
            if (countdown) {
                if (elapsed >= milliseconds) {
                    result = 1;
                    break;
                }
                form.setProgress(kProgressGadget, static_cast<int>(milliseconds - elapsed),
                                 milliseconds);
            }
            auto event = form.wait(kLoopTimeoutMs);
            form.activate();
            if (!event)
                continue;
            if (event->type == ui::EventType::Close)
                break;
            if (event->type == ui::EventType::Click && event->gadget == kOk)
                break;
            if (event->type == ui::EventType::Click && event->gadget == kCopy) {
                std::string trimmed = text;
                trimmed.erase(0, trimmed.find_first_not_of(" \t\r\n"));
                trimmed.erase(trimmed.find_last_not_of(" \t\r\n") + 1);
                runtime_.setClipboardText(trimmed);
            }
        }
    }
    runtime_.transcript("message " + title + " | " + text + " | " + std::to_string(result));
    return result;
}

}  // namespace vandrix::shell
