// Layout of the invoice window "Factura la Bon Fiscal" on its 750 x 520 design grid: the two
// calendars, the receipt list, the invoice's number, date and totals, the buyer's fields and the
// three buttons.
#pragma once

#include "ui/gadget.h"

namespace vandrix::shell::interfatafactura {

enum Gadget {
    kFrom = 1,
    kTo,
    kReceipts,
    kNumberLabel,
    kNumber,
    kDateLabel,
    kDate,
    kTotalsLabel,
    kTotals,
    kCuiLabel,
    kCui,
    kNameLabel,
    kName,
    kRegisterLabel,
    kRegister,
    kAddressLabel,
    kAddress,
    kBankLabel,
    kBank,
    kAccountLabel,
    kAccount,
    kDriverLabel,
    kDriver,
    kIdentityLabel,
    kIdentity,
    kFetch,
    kPrintOrCancel,
    kSave,
};

ui::FormSpec layout();

}  // namespace vandrix::shell::interfatafactura
