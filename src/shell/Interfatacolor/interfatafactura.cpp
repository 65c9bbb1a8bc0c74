// The invoice window's layout.
#include "shell/Interfatacolor/interfatafactura.h"

namespace vandrix::shell::interfatafactura {

using ui::GadgetKind;

ui::FormSpec layout() {
    ui::FormSpec table;
    table.name = "Interfatafactura";
    table.title = "Factura la Bon Fiscal";
    table.width = 750;
    table.height = 520;
    // The desktop's ordinary control font: the calendars' days and the fields fit whole.
    table.fontFamily = "DejaVu Sans";
    table.fontHeight = 9;
    const unsigned right = ui::kRightAligned;
    const unsigned upper = ui::kUpperCase;
    table.gadgets = {
        {kFrom, GadgetKind::Calendar, "", 2, 2, 240, 180, 0, "de-la"},
        {kTo, GadgetKind::Calendar, "", 2, 182, 240, 180, 0, "pana-la"},
        {kReceipts, GadgetKind::ListView, "", 242, 2, 508, 300, ui::kFullRowSelect, "bonuri"},
        {kNumberLabel, GadgetKind::Label, " Fact: ", 242, 307, 100, 25, right, ""},
        {kNumber, GadgetKind::TextField, "", 342, 307, 150, 25, upper, "numar"},
        {kDateLabel, GadgetKind::Label, " Data: ", 492, 307, 100, 25, right, ""},
        {kDate, GadgetKind::DatePicker, "", 592, 307, 150, 25, 0, "data"},
        {kTotalsLabel, GadgetKind::Label, "Nr.Bonuri/Total: ", 242, 337, 244, 25, right, ""},
        {kTotals, GadgetKind::TextField, "", 486, 337, 255, 25, ui::kReadOnly, "total"},
        {kCuiLabel, GadgetKind::Label, "CUI: ", 2, 374, 100, 25, right, ""},
        {kCui, GadgetKind::TextField, "", 104, 374, 150, 25, upper, "cui"},
        {kNameLabel, GadgetKind::Label, "DENUMIRE: ", 260, 374, 130, 25, right, ""},
        {kName, GadgetKind::TextField, "", 392, 374, 350, 25, upper, "denumire"},
        {kRegisterLabel, GadgetKind::Label, "J: ", 2, 400, 100, 25, right, ""},
        {kRegister, GadgetKind::TextField, "", 104, 400, 150, 25, upper, "j"},
        {kAddressLabel, GadgetKind::Label, "ADRESA: ", 260, 400, 130, 25, right, ""},
        {kAddress, GadgetKind::TextField, "", 392, 400, 350, 25, upper, "adresa"},
        {kBankLabel, GadgetKind::Label, "BANCA: ", 2, 426, 100, 25, right, ""},
        {kBank, GadgetKind::TextField, "", 104, 426, 150, 25, upper, "banca"},
        {kAccountLabel, GadgetKind::Label, "CONT: ", 260, 426, 130, 25, right, ""},
        {kAccount, GadgetKind::TextField, "", 392, 426, 350, 25, upper, "cont"},
        {kDriverLabel, GadgetKind::Label, "SOFER: ", 2, 452, 100, 25, right, ""},
        {kDriver, GadgetKind::TextField, "", 104, 452, 150, 25, upper, "sofer"},
        {kIdentityLabel, GadgetKind::Label, "CI/CNP: ", 260, 452, 130, 25, right, ""},
        {kIdentity, GadgetKind::TextField, "", 392, 452, 350, 25, upper, "ci"},
        {kFetch, GadgetKind::Button, "PRELUARE DATE", 2, 482, 200, 30, 0, ""},
        {kPrintOrCancel, GadgetKind::Button, "PRINTEAZA / ANULEAZA", 204, 482, 388, 30, 0, ""},
        {kSave, GadgetKind::Button, "SALVEAZA", 593, 482, 150, 30, 0, ""},
    };
    return table;
}

}  // namespace vandrix::shell::interfatafactura
