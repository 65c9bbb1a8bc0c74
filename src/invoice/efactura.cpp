// The RO e-Factura file of an invoice.
#include "invoice/efactura.h"
#include "invoice/invoice_rules.h"

#include <pugixml.hpp>

#include <algorithm>
#include <map>
#include <sstream>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/utf8.h"
#include "shell/application.h"
#include "shell/money.h"
#include "shell/settings.h"
#include "store/database.h"

namespace vandrix::invoice {

namespace {

constexpr const char* kCustomization =
    "urn:cen.eu:en16931:2017#compliant#urn:efactura.mfinante.ro:CIUS-RO:1.0.1";
constexpr const char* kSellerFile = "vanzator.txt";

// The counties by their car codes, and their names as the look-up's addresses write them.
const std::map<std::string, std::string>& counties() {
    static const std::map<std::string, std::string> names = {
        {"AB", "ALBA"},      {"AR", "ARAD"},          {"AG", "ARGES"},
        {"BC", "BACAU"},     {"BH", "BIHOR"},         {"BN", "BISTRITA-NASAUD"},
        {"BT", "BOTOSANI"},  {"BV", "BRASOV"},        {"BR", "BRAILA"},
        {"BZ", "BUZAU"},     {"CS", "CARAS-SEVERIN"}, {"CL", "CALARASI"},
        {"CJ", "CLUJ"},      {"CT", "CONSTANTA"},     {"CV", "COVASNA"},
        {"DB", "DAMBOVITA"}, {"DJ", "DOLJ"},          {"GL", "GALATI"},
        {"GR", "GIURGIU"},   {"GJ", "GORJ"},          {"HR", "HARGHITA"},
        {"HD", "HUNEDOARA"}, {"IL", "IALOMITA"},      {"IS", "IASI"},
        {"IF", "ILFOV"},     {"MM", "MARAMURES"},     {"MH", "MEHEDINTI"},
        {"MS", "MURES"},     {"NT", "NEAMT"},         {"OT", "OLT"},
        {"PH", "PRAHOVA"},   {"SM", "SATU MARE"},     {"SJ", "SALAJ"},
        {"SB", "SIBIU"},     {"SV", "SUCEAVA"},       {"TR", "TELEORMAN"},
        {"TM", "TIMIS"},     {"TL", "TULCEA"},        {"VS", "VASLUI"},
        {"VL", "VALCEA"},    {"VN", "VRANCEA"},       {"B", "BUCURESTI"},
    };
    return names;
}

// Upper case without diacritics, for comparing the look-up's words.
std::string plain(const std::string& text) {
    std::string out;
    for (char32_t c : platform::decodeUtf8(text)) {
        const char p = platform::plainCharacter(c);
        out.push_back(p >= 'a' && p <= 'z' ? static_cast<char>(p - 32) : p);
    }
    return out;
}

bool startsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

std::string isoDate(const std::string& shown) {  // "dd.mm.yyyy" -> "yyyy-mm-dd"
    if (shown.size() != 10)
        return shown;
    return shown.substr(6, 4) + "-" + shown.substr(3, 2) + "-" + shown.substr(0, 2);
}

// A tax category of the file: its code and rate ("" for none).
struct Category {
    std::string code, percent;
    bool operator<(const Category& o) const {
        return code != o.code ? code < o.code : percent < o.percent;
    }
};

Category categoryOf(const EInvoiceInput& in, int group) {
    if (!in.sellerVatPayer)
        return {"O", ""};
    const std::string& p = in.percents[static_cast<std::size_t>(group)];
    const auto rate = shell::parseScaled(p, 2);
    if (group == 4 || !rate)
        return {"E", "0"};
    if (*rate == 0)
        return {"Z", "0"};
    return {"S", p};
}

class Writer {
  public:
    explicit Writer(pugi::xml_node node) : node_(node) {}
    Writer add(const std::string& name) { return Writer(node_.append_child(name.c_str())); }
    Writer text(const std::string& name, const std::string& value) {
        Writer w = add(name);
        w.node_.text().set(value.c_str());
        return w;
    }
    Writer amount(const std::string& name, shell::Cents value) {
        Writer w = text(name, shell::formatCents(value));
        w.node_.append_attribute("currencyID") = "RON";
        return w;
    }
    void attribute(const char* name, const char* value) { node_.append_attribute(name) = value; }

  private:
    pugi::xml_node node_;
};

void taxScheme(Writer parent) {
    parent.add("cac:TaxScheme").text("cbc:ID", "VAT");
}

void party(Writer parent, const std::string& role, const Party& p, const EAddress& address,
           const std::string& vatId, const std::string& legalId) {
    Writer party = parent.add(role).add("cac:Party");
    Writer postal = party.add("cac:PostalAddress");
    postal.text("cbc:StreetName", address.street);
    postal.text("cbc:CityName", address.city);
    postal.text("cbc:CountrySubentity", address.county);
    postal.add("cac:Country").text("cbc:IdentificationCode", "RO");
    if (!vatId.empty()) {
        Writer scheme = party.add("cac:PartyTaxScheme");
        scheme.text("cbc:CompanyID", vatId);
        taxScheme(scheme);
    }
    Writer legal = party.add("cac:PartyLegalEntity");
    legal.text("cbc:RegistrationName", p.name);
    if (!legalId.empty())
        legal.text("cbc:CompanyID", legalId);
}

void taxCategory(Writer parent, const char* name, const Category& c, const EInvoiceInput& in,
                 bool withReason) {
    Writer category = parent.add(name);
    category.text("cbc:ID", c.code);
    if (!c.percent.empty())
        category.text("cbc:Percent", c.percent);
    if (withReason && c.code == "O")
        category.text("cbc:TaxExemptionReasonCode", "VATEX-EU-O");
    if (withReason && c.code == "E")
        category.text("cbc:TaxExemptionReason", in.exemptionReason);
    taxScheme(category);
}

}  // namespace

std::string countyCode(const std::string& code) {
    std::string c = plain(shell::trim(code));
    if (startsWith(c, "RO-"))
        c = c.substr(3);
    return counties().count(c) ? "RO-" + c : "";
}

EAddress addressFromText(const std::string& address, const std::string& county) {
    EAddress out;
    std::vector<std::string> street;
    std::stringstream parts(address);
    std::string part;
    while (std::getline(parts, part, ',')) {
        const std::string raw = shell::trim(part);
        const std::string word = plain(raw);
        if (startsWith(word, "JUD.") || startsWith(word, "JUDETUL ")) {
            const std::string name = shell::trim(word.substr(word.find_first_of(". ") + 1));
            for (const auto& [code, countyName] : counties())
                if (countyName == name)
                    out.county = "RO-" + code;
        } else if (startsWith(word, "SECT.") || startsWith(word, "SECTOR")) {
            const std::string digit = digitsOf(word);
            if (digit.size() == 1 && digit[0] >= '1' && digit[0] <= '6')
                out.city = "SECTOR" + digit;
            out.county = "RO-B";
        } else if (word == "MUN. BUCURESTI" || word == "BUCURESTI") {
            out.county = "RO-B";
        } else if ((startsWith(word, "MUN.") || startsWith(word, "ORS.") ||
                    startsWith(word, "COM.") || startsWith(word, "LOC.") ||
                    startsWith(word, "SAT ")) &&
                   out.city.empty()) {
            out.city = shell::trim(raw.substr(raw.find_first_of(". ") + 1));
        } else if (!raw.empty()) {
            street.push_back(raw);
        }
    }
    // An address typed by hand: its last part names the town when no part said which is.
    auto streetLike = [](const std::string& word) {
        for (const char* prefix : {"STR", "BD", "B-DUL", "CAL", "SOS", "NR", "BL", "SC", "AP", "ET",
                                   "ALEEA", "PIATA", "INTR", "SPL"})
            if (startsWith(word, prefix))
                return true;
        return false;
    };
    if (out.city.empty() && street.size() > 1 && !streetLike(plain(street.back()))) {
        out.city = street.back();
        street.pop_back();
        for (const auto& [code, countyName] : counties())
            if (countyName == plain(out.city) && out.county.empty())
                out.county = "RO-" + code;
    }
    for (const std::string& s : street)
        out.street += (out.street.empty() ? "" : ", ") + s;
    if (out.county.empty())
        out.county = countyCode(county);
    if (out.county == "RO-B" && !startsWith(out.city, "SECTOR"))
        out.city.clear();  // in Bucharest the town is the sector
    return out;
}

std::optional<std::string> eInvoiceXml(const EInvoiceInput& in, std::vector<std::string>& missing) {
    const InvoiceDocument& doc = in.doc;
    auto need = [&](bool present, const std::string& what) {
        if (!present)
            missing.push_back(what);
    };
    need(!shell::trim(doc.seller.name).empty(), "denumirea vanzatorului (vanzator.txt)");
    need(!digitsOf(doc.seller.code).empty(), "codul fiscal al vanzatorului (vanzator.txt)");
    need(!in.seller.street.empty(), "strada vanzatorului (STRADA in efactura.ini)");
    need(!in.seller.city.empty(), "localitatea vanzatorului (LOCALITATE in efactura.ini)");
    need(!in.seller.county.empty(), "judetul vanzatorului (JUDET in efactura.ini)");
    need(!shell::trim(doc.buyer.name).empty(), "denumirea cumparatorului");
    need(!digitsOf(doc.buyer.code).empty(), "codul fiscal al cumparatorului");
    need(!in.buyer.street.empty(), "strada cumparatorului (ADRESA)");
    need(!in.buyer.city.empty(), "localitatea cumparatorului (ADRESA)");
    need(!in.buyer.county.empty(), "judetul cumparatorului (ADRESA)");
    if (!missing.empty())
        return std::nullopt;

    pugi::xml_document xml;
    pugi::xml_node declaration = xml.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    Writer invoice(xml.append_child("Invoice"));
    invoice.attribute("xmlns", "urn:oasis:names:specification:ubl:schema:xsd:Invoice-2");
    invoice.attribute("xmlns:cac",
                      "urn:oasis:names:specification:ubl:schema:xsd:CommonAggregateComponents-2");
    invoice.attribute("xmlns:cbc",
                      "urn:oasis:names:specification:ubl:schema:xsd:CommonBasicComponents-2");
    invoice.text("cbc:CustomizationID", kCustomization);
    invoice.text("cbc:ID", doc.series);
    invoice.text("cbc:IssueDate", in.issueDate);
    invoice.text("cbc:InvoiceTypeCode", in.typeCode);
    invoice.text("cbc:DocumentCurrencyCode", "RON");

    const std::string sellerDigits = digitsOf(doc.seller.code);
    const std::string buyerDigits = digitsOf(doc.buyer.code);
    if (in.sellerVatPayer) {
        party(invoice, "cac:AccountingSupplierParty", doc.seller, in.seller, "RO" + sellerDigits,
              shell::trim(doc.seller.registerNumber));
        party(invoice, "cac:AccountingCustomerParty", doc.buyer, in.buyer,
              in.buyerVatPayer ? "RO" + buyerDigits : "",
              in.buyerVatPayer ? shell::trim(doc.buyer.registerNumber) : buyerDigits);
    } else {
        // Lines outside the scope of VAT: no VAT id for either party.
        party(invoice, "cac:AccountingSupplierParty", doc.seller, in.seller, "", sellerDigits);
        party(invoice, "cac:AccountingCustomerParty", doc.buyer, in.buyer, "", buyerDigits);
    }

    // One line per receipt and VAT group that sold; the breakdown and totals from the lines.
    struct Line {
        std::string name;
        shell::Cents net, vat;
        Category category;
    };
    std::vector<Line> lines;
    for (const InvoiceReceipt& r : doc.receipts)
        for (int k = 0; k < 5; ++k)
            if (r.amounts.shown(k))
                lines.push_back(
                    {"Conform bon fiscal " + r.number + ", Z " + r.period + ", din " + r.date,
                     r.amounts.net(k), r.amounts.vat[static_cast<std::size_t>(k)],
                     categoryOf(in, k)});
    std::map<Category, std::pair<shell::Cents, shell::Cents>> breakdown;
    shell::Cents net = 0, vat = 0;
    for (const Line& l : lines) {
        const shell::Cents lineVat =
            l.category.code == "O" || l.category.code == "E" || l.category.code == "Z" ? 0 : l.vat;
        breakdown[l.category].first += l.net;
        breakdown[l.category].second += lineVat;
        net += l.net;
        vat += lineVat;
    }
    Writer taxTotal = invoice.add("cac:TaxTotal");
    taxTotal.amount("cbc:TaxAmount", vat);
    for (const auto& [category, sums] : breakdown) {
        Writer subtotal = taxTotal.add("cac:TaxSubtotal");
        subtotal.amount("cbc:TaxableAmount", sums.first);
        subtotal.amount("cbc:TaxAmount", sums.second);
        taxCategory(subtotal, "cac:TaxCategory", category, in, true);
    }
    Writer totals = invoice.add("cac:LegalMonetaryTotal");
    totals.amount("cbc:LineExtensionAmount", net);
    totals.amount("cbc:TaxExclusiveAmount", net);
    totals.amount("cbc:TaxInclusiveAmount", net + vat);
    // The receipts were paid at the till: all of it is prepaid, nothing is due.
    totals.amount("cbc:PrepaidAmount", net + vat);
    totals.amount("cbc:PayableAmount", 0);
    int number = 0;
    for (const Line& l : lines) {
        Writer line = invoice.add("cac:InvoiceLine");
        line.text("cbc:ID", std::to_string(++number));
        line.text("cbc:InvoicedQuantity", "1").attribute("unitCode", "H87");
        line.amount("cbc:LineExtensionAmount", l.net);
        Writer item = line.add("cac:Item");
        item.text("cbc:Name", l.name);
        taxCategory(item, "cac:ClassifiedTaxCategory", l.category, in, false);
        line.add("cac:Price").amount("cbc:PriceAmount", l.net);
    }
    std::ostringstream out;
    xml.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
    return out.str();
}

std::string eInvoiceFileName(const std::string& number) {
    std::string name;
    for (char c : number)
        name.push_back(
            (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ? c : '_');
    return name + ".xml";
}

std::string writeEInvoice(shell::Application& app, std::int64_t id) {
    if (!app.db)
        return "";
    store::Database& db = *app.db;
    EInvoiceInput in;
    in.doc = readInvoice(db, std::to_string(id), readSeller(kSellerFile));
    in.issueDate = isoDate(in.doc.date);
    {
        auto q = db.query("select id,procent from tva");
        while (q.next())
            if (q.integer(0) >= 1 && q.integer(0) <= 5)
                in.percents[static_cast<std::size_t>(q.integer(0) - 1)] = shell::trim(q.text(1));
    }
    std::string county;
    {
        auto q = db.query(
            "select judet,cui from partener where id=(select idpart from fact where "
            "id=?)",
            {std::to_string(id)});
        if (q.next()) {
            county = q.text(0);
            in.buyerVatPayer = startsWith(plain(shell::trim(q.text(1))), "RO");
        }
    }
    in.sellerVatPayer = !app.notVatPayer;
    const shell::Settings::EInvoice& s = app.settings.eInvoice;
    in.seller = {s.street.empty() ? shell::trim(in.doc.seller.address) : s.street, s.city,
                 countyCode(s.county)};
    if (in.seller.county == "RO-B" && !startsWith(in.seller.city, "SECTOR"))
        in.seller.city.clear();
    in.buyer = addressFromText(in.doc.buyer.address, county);
    in.typeCode = s.typeCode;
    in.exemptionReason = s.exemptionReason;
    std::vector<std::string> missing;
    const auto xml = eInvoiceXml(in, missing);
    if (!xml) {
        std::string text =
            "Fisierul e-Factura al facturii " + in.doc.series + " nu a fost scris; lipsesc:\r\n";
        for (const std::string& m : missing)
            text += "- " + m + "\r\n";
        return text + "\r\n";
    }
    platform::makeDirectory(kEInvoiceFolder);
    const std::string path = platform::joinPath(kEInvoiceFolder, eInvoiceFileName(in.doc.series));
    if (!platform::writeWholeFile(path, *xml))
        return "Fisierul e-Factura " + path + " nu a putut fi scris.\r\n\r\n";
    return "";
}

void setAsideEInvoice(shell::Application& app, std::int64_t id) {
    if (!app.db)
        return;
    const std::string number =
        app.db->scalarText("select seriefact from fact where id=?", {std::to_string(id)});
    const std::string name = eInvoiceFileName(number);
    const std::string from = platform::joinPath(kEInvoiceFolder, name);
    if (!platform::fileExists(from))
        return;
    const std::string folder = platform::joinPath(kEInvoiceFolder, "anulate");
    platform::makeDirectory(folder);
    if (!platform::moveFile(from, platform::joinPath(folder, name)))
        app.log.error("e-Factura file not set aside: " + from);
}

}  // namespace vandrix::invoice
