// Key presses reach a form in the order they were typed: a burst of digits (the window's
// shortcuts) and letters (typed into the field), as a barcode scanner sends it, through Qt's
// event queue.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

#include "test_runtime.h"
#include "ui/form.h"
#include "ui/runtime.h"

namespace vandrix::ui {
namespace {

constexpr int kField = 1;
constexpr int kOtherField = 2;
constexpr int kShortcutDigit0 = 100;

// A window with two fields whose digit keys are shortcuts; the loop's handler appends the
// shortcut's digit to the first field, as the sale window does with its entry field.
struct DigitWindow {
    explicit DigitWindow(unsigned fieldFlags)
        : form(testing::testRuntime(),
               FormSpec{"Cifre",
                        "Cifre",
                        400,
                        100,
                        {{kField, GadgetKind::TextField, "", 10, 10, 300, 24, fieldFlags, "cod"},
                         {kOtherField, GadgetKind::TextField, "", 10, 50, 300, 24, 0, "alt"}}}) {
        for (int d = 0; d < 10; ++d)
            form.addShortcut(digitKey(d), kShortcutDigit0 + d);
        form.setFocus(kField);
    }

    // Posts a key press and its release for each character, with no event processing between.
    void postBurst(int gadget, const std::string& characters) {
        for (char c : characters) {
            const QString text(QChar::fromLatin1(c));
            const int key = QChar::fromLatin1(c).toUpper().unicode();
            QCoreApplication::postEvent(form.widget(gadget),
                                        new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
            QCoreApplication::postEvent(
                form.widget(gadget), new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
        }
    }

    // The window's loop until nothing is left to take.
    void runUntilIdle() {
        while (auto event = form.wait(0)) {
            if (event->type == EventType::Shortcut)
                form.setText(kField,
                             form.text(kField) + std::to_string(event->gadget - kShortcutDigit0));
        }
    }

    Form form;
};

TEST(KeyOrder, ScannerBurstReachesTheFieldInTypedOrder) {
    struct Case {
        const char* name;
        unsigned flags;
        const char* expected;
    };
    const Case cases[] = {
        {"plain field", 0, "1a2b3"},
        {"upper-casing field", kUpperCase, "1A2B3"},
    };
    for (const auto& c : cases) {
        DigitWindow window(c.flags);
        window.postBurst(kField, "1a2b3");
        window.runUntilIdle();
        EXPECT_EQ(window.form.text(kField), c.expected) << c.name;
    }
}

TEST(KeyOrder, KeyForAGadgetRemovedBeforeItsTurnIsDropped) {
    DigitWindow window(0);
    window.postBurst(kField, "1");
    window.postBurst(kOtherField, "x");
    testing::testRuntime().processEvents();  // "1" is queued, "x" waits behind it
    window.form.removeGadget(kOtherField);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window.runUntilIdle();
    EXPECT_EQ(window.form.text(kField), "1");
}

}  // namespace
}  // namespace vandrix::ui
