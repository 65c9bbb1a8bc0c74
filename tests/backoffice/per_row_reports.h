// The reports computed the plain way, a few statements for every row, as the reference that the
// program's own reports must equal byte for byte on any shop: the receipts of a period and each
// of their lines with its article; every barcode with its own count and its own sales since.
#pragma once

#include <string>
#include <vector>

namespace vandrix::store {
class Database;
}

namespace vandrix::backoffice::reference {

using Lines = std::vector<std::string>;

Lines salesReport(store::Database& db, const std::string& period);
Lines stockReport(store::Database& db);
Lines receiptPrices(store::Database& db);
Lines priceHistory(store::Database& db);

}  // namespace vandrix::backoffice::reference
