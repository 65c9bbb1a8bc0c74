// Nothing cut off: every window and dialog of the program, built as it shows on screen at the
// cash desks' screen sizes, shows each caption and text whole at the size it is drawn.
#include <gtest/gtest.h>

#include <QLabel>
#include <QWidget>

#include <cmath>
#include <memory>
#include <utility>

#include "shell/Interfatacolor/articole.h"
#include "shell/Interfatacolor/asteptati.h"
#include "shell/Interfatacolor/cuipebon.h"
#include "shell/Interfatacolor/discount.h"
#include "shell/Interfatacolor/etichete.h"
#include "shell/Interfatacolor/interfataadmin.h"
#include "shell/Interfatacolor/interfataadminselect.h"
#include "shell/Interfatacolor/interfatafactura.h"
#include "shell/Interfatacolor/interfataincasare.h"
#include "shell/Interfatacolor/interfatalistafacturi.h"
#include "shell/Interfatacolor/interfatarapoarte.h"
#include "shell/Interfatacolor/interfatastoc.h"
#include "shell/Interfatacolor/interfatasume.h"
#include "shell/Interfatacolor/modificapret.h"
#include "shell/application.h"
#include "shell/dialogs.h"
#include "shell/sale_window.h"
#include "shell/subsystems.h"
#include "temp_folder.h"
#include "test_runtime.h"
#include "ui/caption_fit.h"
#include "ui/form.h"
#include "ui/runtime.h"

namespace vandrix {
namespace {

using shell::DialogKind;

class CaptionFit : public ::testing::Test {
  protected:
    void TearDown() override { useScale(1, 1); }

    // The scale factors and the default font that start-up sets for them.
    void useScale(double x, double y) {
        runtime.scaleX = x;
        runtime.scaleY = y;
        runtime.defaultFont = {"Lucida Console", static_cast<int>(std::lround(16 * y)), false};
    }

    testing::TempFolder folder;
    testing::ScopedWorkingFolder cwd{folder.path()};
    ui::Runtime& runtime = testing::testRuntime();
};

// The texts whose last lines were hidden or cut, a long text that wraps, and a box per kind.
TEST_F(CaptionFit, DialogsShowTheirWholeTextAboveTheirButtons) {
    struct Case {
        DialogKind kind;
        std::string text, title;
        shell::DialogFlags flags;
    };
    const Case cases[] = {
        {DialogKind::Message,
         "Atentie !!!\r\n\r\nTranzactie cu CASH\r\n\r\nSunteti Sigur ca incasati CASH?\r\n\r\n"
         "Valoare Incasare : 1.00 x 20.00 = 20.00",
         "Atentionare", shell::kButtonsYesNo},
        {DialogKind::Message, "Firma este Platitoare de TVA?\r\n\r\n", "Atentie",
         shell::kButtonsYesNo},
        {DialogKind::Message, "Anulati Bonul?", "Eroare", shell::kButtonsYesNoCancel},
        {DialogKind::Message,
         "Bonuri salvate care NU au ajuns la casa de marcat:\r\n\r\nBon 17: folderul Bonuri "
         "lipseste sau nu poate fi scris, iar fisierul asteapta in folderul de trimitere al "
         "programului.\r\nVor fi trimise automat cand problema este rezolvata.\r\n\r\n",
         "Eroare", shell::kButtonsOk + shell::kIconError},
        {DialogKind::Input, "Introduceti parola pentru logare:\r\n\r\n", "Parola",
         shell::kButtonsOk},
        {DialogKind::Timed, "Sincronizare Baza Date / Echipamente\r\n\r\n", "Sincronizare",
         shell::kButtonsOk},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        auto box = shell::buildDialogWindow(runtime, c.kind, c.text, c.title, c.flags);
        EXPECT_EQ(ui::describeMisfits(ui::captionMisfits(*box)), "");

        // Never smaller than the sizing rule gives.
        const shell::DialogLayout rule = shell::dialogLayout(c.text, c.title);
        EXPECT_GE(box->window()->width(), rule.width());
        EXPECT_GE(box->window()->height(), rule.height(c.kind == DialogKind::Input));

        // The field and the buttons stand under the text, inside the window.
        const QRect window = box->window()->rect();
        const QRect text = box->widget(box->findGadget("text"))->geometry();
        int below = text.bottom();
        for (const auto& [number, name] : box->describeGadgets()) {
            if (box->widget(number) == box->widget(box->findGadget("text")))
                continue;
            const QRect r = box->widget(number)->geometry();
            EXPECT_GT(r.top(), below) << name;
            EXPECT_TRUE(window.contains(r)) << name;
        }
    }
}

// The windows at the cash desks' screens, with the sale window's size fixed ("winsize" 1) and
// fitted to the screen ("winsize" 0), as start-up scales them.
TEST_F(CaptionFit, WindowsShowEveryCaptionWhole) {
    struct Screen {
        int width, height;
    };
    const Screen screens[] = {{1024, 768}, {1366, 768}, {1920, 1080}};
    for (const Screen& screen : screens) {
        for (bool fitted : {false, true}) {
            SCOPED_TRACE(std::to_string(screen.width) + " x " + std::to_string(screen.height) +
                         (fitted ? ", winsize 0" : ", winsize 1"));
            if (fitted)
                useScale((screen.width - 2 * runtime.fixedFrameWidth()) / 890.0,
                         (screen.height - runtime.captionHeight() - 2 * runtime.fixedFrameWidth()) /
                             600.0);
            else
                useScale(1, 1);

            testing::ScriptedDialogs dialogs;
            shell::Application app(runtime, dialogs);
            shell::Subsystems subsystems;
            shell::SaleWindow sale(app, subsystems);
            sale.openBackdrop();
            sale.open();
            sale.applyTheme();
            EXPECT_EQ(ui::describeMisfits(ui::captionMisfits(sale.form())), "") << "sale window";

            ui::Form split(runtime, shell::interfataincasare::layout());
            EXPECT_EQ(ui::describeMisfits(ui::captionMisfits(split)), "") << "split payment";
            ui::Form reports(runtime, shell::interfatarapoarte::layout());
            EXPECT_EQ(ui::describeMisfits(ui::captionMisfits(reports)), "") << "reports";

            // The sale's keypad windows, their ENTER one letter per line as they write it, and
            // the article search.
            const std::pair<ui::FormSpec, int> keypadWindows[] = {
                {shell::discount::layout(), shell::discount::kEnter},
                {shell::modificapret::layout(), shell::modificapret::kEnter},
                {shell::cuipebon::layout(), shell::cuipebon::kEnter}};
            for (const auto& [table, enter] : keypadWindows) {
                ui::Form form(runtime, table);
                form.setText(enter, "E\r\nN\r\nT\r\nE\r\nR");
                EXPECT_EQ(ui::describeMisfits(ui::captionMisfits(form)), "") << table.title;
            }
            ui::Form search(runtime, shell::articole::layout());
            EXPECT_EQ(ui::describeMisfits(ui::captionMisfits(search)), "") << "article search";

            // The back office's windows.
            for (const ui::FormSpec& table :
                 {shell::interfataadminselect::layout(), shell::interfataadmin::layout(),
                  shell::interfatastoc::layout(), shell::asteptati::layout(),
                  shell::interfatafactura::layout(), shell::interfatalistafacturi::layout(),
                  shell::etichete::layout()}) {
                ui::Form form(runtime, table);
                EXPECT_EQ(ui::describeMisfits(ui::captionMisfits(form)), "") << table.title;
            }

            for (const char* title : {"Sume Introduse", "Sume Scoase"}) {
                ui::Form cash(runtime, shell::interfatasume::layout(title));
                // The cash window writes its ENTER one letter per line.
                cash.setText(shell::interfatasume::kEnter, "E\r\nN\r\nT\r\nE\r\nR");
                EXPECT_EQ(ui::describeMisfits(ui::captionMisfits(cash)), "") << title;
            }
        }
    }
}

// The check itself: a label too small for its text and a caption that cannot shrink enough
// are reported; a caption that only needs a smaller size is not.
TEST_F(CaptionFit, ReportsWhatCannotBeShownWhole) {
    ui::FormSpec table{"Test", "Test", 400, 300, {}};
    table.gadgets = {
        {1, ui::GadgetKind::Label, "Introduceti parola pentru logare:", 0, 0, 60, 20, 0, ""},
        {2, ui::GadgetKind::Button, std::string(200, 'W'), 0, 30, 40, 30, 0, ""},
        {3, ui::GadgetKind::Button, "Discount", 0, 70, 60, 40, 0, ""},
        {4, ui::GadgetKind::Button, "St.\r\nPoz.", 0, 120, 60, 40, 0, ""},
        {5, ui::GadgetKind::Label, "ascuns, prea lung pentru locul sau", 0, 170, 10, 10,
         ui::kHidden, ""},
    };
    ui::Form form(runtime, table);
    auto misfits = ui::captionMisfits(form);
    ASSERT_EQ(misfits.size(), 2u) << ui::describeMisfits(misfits);
    EXPECT_EQ(misfits[0].gadget, 1);
    EXPECT_EQ(misfits[1].gadget, 2);
    EXPECT_GT(misfits[1].text.width, misfits[1].room.width);
}

}  // namespace
}  // namespace vandrix
