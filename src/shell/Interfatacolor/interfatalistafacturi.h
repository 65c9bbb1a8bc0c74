// Layout of the invoice list window "Printeaza Factura" on its 750 x 520 design grid: the search
// field, the invoice list and the four buttons.
#pragma once

#include "ui/gadget.h"

namespace vandrix::shell::interfatalistafacturi {

enum Gadget { kSearch = 1, kInvoices, kPrintText, kPrintPdf, kPrintHtml, kCancel };

ui::FormSpec layout();

}  // namespace vandrix::shell::interfatalistafacturi
