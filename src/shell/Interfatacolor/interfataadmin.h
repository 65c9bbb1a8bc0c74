// Layout of the administration window "Administrator" on its 890 x 520 design grid: a tab
// panel whose "Articole" page holds the article, barcode, VAT-rate and group editors and lists,
// and the meal-voucher frame whose controls stay hidden; the "Parteneri" page is empty.
#pragma once

#include "ui/gadget.h"

namespace vandrix::shell::interfataadmin {

enum Gadget {
    kTabs = 1,
    // Articles and barcodes
    kArticlesFrame,
    kNameSearchLabel,
    kNameSearch,
    kArticles,
    kNameLabel,
    kUnitLabel,
    kPriceLabel,
    kVatLabel,
    kBarcodeLabel,
    kRemarkLabel,
    kGroupLabel,
    kName,
    kUnit,
    kPrice,
    kVatChoice,
    kBarcode,
    kRemark,
    kGroupChoice,
    kArticleAdd,
    kArticleModify,
    kArticleCancel,
    kArticleSave,
    kArticleDelete,
    kArticleId,
    kBarcodeSearchLabel,
    kBarcodeSearch,
    kSearch,
    kBarcodes,
    // VAT rates
    kVatFrame,
    kPercentLabel,
    kPercent,
    kVatId,
    kVatAdd,
    kVatModify,
    kVatCancel,
    kVatSave,
    kVatDelete,
    kVatRates,
    // Groups
    kGroupFrame,
    kGroupNameLabel,
    kGroupName,
    kShortcut,
    kGroupId,
    kGroupAdd,
    kGroupModify,
    kGroupCancel,
    kGroupSave,
    kGroupDelete,
    kGroups,
    // Meal vouchers: drawn, its controls hidden
    kVoucherFrame,
    kVoucherValueLabel,
    kVoucherValue,
    kVoucherId,
    kVoucherAdd,
    kVoucherModify,
    kVoucherCancel,
    kVoucherSave,
    kVoucherDelete,
    kVouchers,
};

// The tab panel's pages.
inline constexpr int kArticlesPage = 0;
inline constexpr int kPartnersPage = 1;

ui::FormSpec layout();

}  // namespace vandrix::shell::interfataadmin
