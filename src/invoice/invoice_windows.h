// Invoicing: the invoice window "Factura la Bon Fiscal", the invoice list "Printeaza Factura",
// and an invoice's documents.
#pragma once

#include <cstdint>

namespace vandrix::shell {
struct Application;
}
namespace vandrix::ui {
class Form;
}

namespace vandrix::invoice {

// The invoice window over its parent (disabled while it is open).
void openInvoiceWindow(shell::Application& app, ui::Form& parent);

// The invoice list window over its parent.
void openInvoiceListWindow(shell::Application& app, ui::Form& parent);

// The invoice's document: 1 the printer text (wide or narrow by the printer), 2 the narrow
// printer text, 3 HTML, 4 PDF; other formats do nothing.
void printInvoice(shell::Application& app, std::int64_t id, int format);

}  // namespace vandrix::invoice
