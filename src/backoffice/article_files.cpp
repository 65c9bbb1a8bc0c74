// The article files' work on the database.
#include "backoffice/article_files.h"

#include <chrono>
#include <cmath>
#include <optional>
#include <unordered_map>

#include "backoffice/csv_line.h"
#include "backoffice/name_index.h"
#include "backoffice/typed_numbers.h"
#include "shell/settings.h"
#include "store/database.h"

namespace vandrix::backoffice {

using namespace csv;

namespace {

// The back-office access code; a line with it as barcode is never imported.
constexpr const char* kAccessCode = "2064917385520";

// The lines' rows are written in batches of one transaction each (an import of thousands of
// lines would otherwise wait for the disk once a line), every line's rows inside a savepoint
// so that they are stored together or not at all. A batch is committed before a message waits
// for the user, so nothing stays held while the window waits.
class Batch {
  public:
    explicit Batch(store::Database& db) : db_(db) {}
    ~Batch() {
        if (open_)
            db_.exec("ROLLBACK");
    }

    bool begin() {
        if (open_)
            return true;
        if (!db_.exec("BEGIN IMMEDIATE"))
            return false;
        open_ = true;
        lines_ = 0;
        return true;
    }

    // The statements of one line, all or none; false when the database refused one.
    template <typename Fn>
    bool line(Fn&& write) {
        if (!begin() || !db_.exec("SAVEPOINT line"))
            return false;
        if (write()) {
            db_.exec("RELEASE line");
            if (++lines_ >= kLinesPerBatch)
                return commit();
            return true;
        }
        db_.exec("ROLLBACK TO line");
        db_.exec("RELEASE line");
        return false;
    }

    bool commit() {
        if (!open_)
            return true;
        open_ = false;
        if (db_.exec("COMMIT"))
            return true;
        db_.exec("ROLLBACK");
        return false;
    }

  private:
    static constexpr int kLinesPerBatch = 500;
    store::Database& db_;
    bool open_ = false;
    int lines_ = 0;
};

// One line's turn: the progress shown, the line's message (after the batch is stored).
struct LineRun {
    store::Database& db;
    Batch& batch;
    const ImportEvents& events;
    ImportResult& result;

    // Shows the message; false when the stored batch could not be committed first.
    bool refuse(const std::string& message) {
        if (!batch.commit())
            return fail();
        if (events.refuse)
            events.refuse(message);
        return true;
    }
    bool fail() {
        result.failure = db.lastError();
        return false;
    }
    // The last batch stored and the progress shown whole; false when the batch was refused.
    bool finish(std::size_t total) {
        if (!batch.commit())
            return fail();
        if (events.progress)
            events.progress(total, total);
        return true;
    }
};

std::string nextId(store::Database& db, const char* table) {
    return std::to_string(
        db.scalarInteger(std::string("Select COALESCE(max(id),0) from ") + table + ";") + 1);
}

std::string describeArticle(store::Database& db, const std::string& id) {
    auto q = db.query("select nume,um,pret,obs from articol where id=?", {id});
    if (!q.next())
        return "";
    return q.text(0) + " " + q.text(1) + " " + q.text(2) + " " + q.text(3);
}

std::string notImported(const std::string& what, const std::string& name) {
    return what + " articolului " + name + " nu este " +
           "un numar.\r\nLinia nu a fost importata.\r\n\r\n";
}

// The VAT id as the fiscal printer knows it (groups 1 to 5); nullopt for any other.
std::optional<std::string> printerVatId(const std::string& vat) {
    const long long id = leadingNumber(vat);
    if (id < 1 || id > 5)
        return std::nullopt;
    return std::to_string(id);
}

std::string vatRefusal(const std::string& typed, const std::string& name) {
    return "Cota TVA \"" + typed + "\" a articolului " + name +
           " nu exista pe casa de marcat.\r\nCotele de TVA sunt 1 - 5 (A - E).\r\n"
           "Linia nu a fost importata.\r\n\r\n";
}

// A line's price, VAT id and stock (none for an empty STOC), as the shop can sell and count.
struct LineValues {
    shell::Cents price = 0;
    std::string vat;
    std::optional<shell::Thousandths> stock;
};

// The line's values from its fields (the price from `price`, which may be the stored one);
// the message that refuses the line when one cannot be used.
std::optional<std::string> readValues(const CsvFields& f, const std::string& price,
                                      const std::string& typedVat, LineValues& values) {
    const auto cents = readPrice(price);
    if (!cents)
        return notImported("Pretul \"" + f[kPrice] + "\" al", f[kName]);
    const auto vat = printerVatId(f[kVat]);
    if (!vat)
        return vatRefusal(typedVat, f[kName]);
    values.price = *cents;
    values.vat = *vat;
    if (!f[kStock].empty()) {
        values.stock = readQuantity(f[kStock]);
        if (!values.stock)
            return notImported("Stocul \"" + f[kStock] + "\" al", f[kName]);
    }
    return std::nullopt;
}

std::string wholeNumberText(const std::string& field, long long below, const char* instead) {
    const long long value = leadingNumber(field);
    return value < below ? std::string(instead) : std::to_string(value);
}

// The groups the imported articles name: every id from 3 to the largest one up to 9 (the
// window's own groups stop at 9), and each larger id an article uses, as "Grupa<n>" with a
// quick key. Groups that exist are left as they are.
void addNamedGroups(store::Database& db) {
    const long long largest =
        db.scalarInteger("select max(cast(idgrupa as integer)) from articol;");
    for (long long n = 3; n <= largest && n <= 9; ++n)
        db.exec("insert or ignore into grupa values (?,?,'DA');",
                {std::to_string(n), "Grupa" + std::to_string(n)});
    std::vector<std::string> larger;
    {
        auto q = db.query(
            "select distinct cast(idgrupa as integer) from articol where cast(idgrupa as "
            "integer)>9 and cast(idgrupa as integer) not in (select id from grupa);");
        while (q.next())
            larger.push_back(q.text(0));
    }
    for (const std::string& n : larger)
        db.exec("insert or ignore into grupa values (?,?,'DA');", {n, "Grupa" + n});
}

void writeStockDocument(store::Database& db, const std::string& now) {
    db.exec("insert into stoc (data,nume,obs) values (?,'IMPORT','IMPORT')", {now});
}

}  // namespace

ImportResult importArticles(store::Database& db, const std::vector<std::string>& lines,
                            const std::string& now, const ImportEvents& events) {
    ImportResult result;
    writeStockDocument(db, now);
    NameIndex names = NameIndex::read(db);
    Batch batch(db);
    LineRun run{db, batch, events, result};
    long long nextArticle = std::stoll(nextId(db, "articol"));
    long long nextBarcode = std::stoll(nextId(db, "codbar"));
    std::size_t done = 0;
    for (const std::string& line : lines) {
        if (events.progress)
            events.progress(done++, lines.size());
        CsvFields f = parseCsvLine(line);
        const std::string typedVat = f[kVat];
        f[kGroup] = wholeNumberText(f[kGroup], 2, "2");
        if (!f[kVat].empty() && static_cast<unsigned char>(f[kVat][0]) > 64)
            f[kVat] = std::string(1, static_cast<char>(f[kVat][0] - 16));
        if (leadingNumber(f[kVat]) == 0)
            f[kVat] = "1";
        if (f[kBarcode].empty())
            f[kBarcode] = std::to_string(nextArticle);
        if (leadingNumber(f[kBarcode]) == 0 || f[kBarcode] == kAccessCode)
            continue;
        // A known barcode.
        if (db.scalarInteger("select count(codbar) from codbar where codbar=?", {f[kBarcode]}) >
            0) {
            const std::string owner =
                db.scalarText("select idarticol from codbar where codbar=?", {f[kBarcode]});
            if (!run.refuse("Codul de bare :" + f[kBarcode] + " exista alocat\n" +
                            describeArticle(db, owner) + "\r\n\r\n"))
                return result;
            continue;
        }
        // A known name; the empty name of an empty line finds TEST, the first article, and is
        // passed over in silence.
        if (auto existing = names.firstContaining(comparableName(f[kName]))) {
            const std::string id = std::to_string(*existing);
            const std::string storedName =
                db.scalarText("select nume from articol where id=?", {id});
            if (upperCase(shell::trim(storedName)) == "TEST")
                continue;
            if (!run.refuse("Articolul exista alocat\n" + describeArticle(db, id) + "\r\n\r\n"))
                return result;
            continue;
        }
        // A new article: its price, VAT id and stock must be ones the shop can sell and count.
        LineValues values;
        if (auto refusal = readValues(f, f[kPrice], typedVat, values)) {
            if (!run.refuse(*refusal))
                return result;
            continue;
        }
        const shell::Thousandths stock = values.stock.value_or(0);
        const std::string id = std::to_string(nextArticle);
        const bool written = batch.line([&] {
            return db.exec("insert into articol values (?,?,?,?,?,?,?);",
                           {id, f[kName], f[kUnit], priceText(values.price), f[kGroup], values.vat,
                            f[kRemark]}) &&
                   db.exec("insert into codbar values (?,?,?)",
                           {std::to_string(nextBarcode), f[kBarcode], id}) &&
                   db.exec(
                       "insert into spstoc (idart,obs,cantitate,data) values "
                       "(?,'IMPORT',?,?)",
                       {id, quantityText(stock, 2), now});
        });
        if (!written) {
            run.fail();
            return result;
        }
        names.add(nextArticle, f[kName]);
        ++nextArticle;
        ++nextBarcode;
        ++result.imported;
    }
    if (!run.finish(lines.size()))
        return result;
    addNamedGroups(db);
    result.completed = true;
    return result;
}

ExportedArticles exportArticles(store::Database& db) {
    ExportedArticles out;
    out.lines.push_back(kCsvHeader);
    // Each article's first barcode (the lowest id) and its latest stock row (the highest id).
    std::unordered_map<std::string, std::string> barcodes;
    {
        auto q = db.query("select idarticol,codbar from codbar order by id;");
        while (q.next())
            barcodes.emplace(q.text(0), q.text(1));
    }
    struct Counted {
        std::string quantity, date;
    };
    std::unordered_map<std::string, Counted> counted;
    {
        auto q = db.query("select idart,cantitate,data from spstoc order by id;");
        while (q.next())
            counted[q.text(0)] = {q.text(1), q.text(2)};
    }
    struct Row {
        std::string id, name, unit, price, group, vat, remark;
    };
    std::vector<Row> rows;
    {
        auto q = db.query(
            "select id,nume,um,pret,idgrupa,idtva,obs from articol where id>0 "
            "order by id;");
        while (q.next())
            rows.push_back(
                {q.text(0), q.text(1), q.text(2), q.text(3), q.text(4), q.text(5), q.text(6)});
    }
    for (const Row& r : rows) {
        // The current stock: the latest count less what was sold since.
        std::string stock;
        if (auto c = counted.find(r.id); c != counted.end()) {
            auto q = db.query(
                "select ?-(select COALESCE(sum(s.cant),0) from bon as b,spbon as s where "
                "b.id=s.idbon and s.idart=? and b.databon>=?);",
                {c->second.quantity, r.id, c->second.date});
            if (q.next())
                stock = quantityText(shell::thousandthsOf(q.real(0)), 0);
        }
        const auto price = readPrice(r.price);
        const std::string barcode = barcodes.count(r.id) ? barcodes[r.id] : "";
        out.lines.push_back(exportField(r.name) + "," + exportField(r.unit) + "," +
                            exportField(price ? priceText(*price) : r.price) + "," +
                            exportField(r.group) + "," + exportField(r.vat) + "," +
                            exportField(barcode) + "," + exportField(r.remark) + "," + stock);
        if (!barcode.empty())
            out.stockByBarcode[upperCase(barcode)] = stock;
    }
    return out;
}

ImportResult importPriceChanges(store::Database& db, const std::vector<std::string>& lines,
                                const std::string& now,
                                const std::map<std::string, std::string>& exportedStock,
                                const ImportEvents& events) {
    ImportResult result;
    writeStockDocument(db, now);
    const NameIndex names = NameIndex::read(db);
    Batch batch(db);
    LineRun run{db, batch, events, result};
    std::size_t done = 0;
    for (const std::string& line : lines) {
        if (events.progress)
            events.progress(done++, lines.size());
        if (commaCount(line) != 7)
            continue;
        CsvFields f = parseCsvLine(line);
        const std::string typedVat = f[kVat];
        f[kGroup] = wholeNumberText(f[kGroup], 1, "1");
        f[kVat] = wholeNumberText(f[kVat], 1, "1");
        if (leadingNumber(f[kBarcode]) == 0 || f[kBarcode] == kAccessCode)
            continue;
        if (db.scalarInteger("select count(codbar) from codbar where codbar=?", {f[kBarcode]}) !=
            1) {
            if (!run.refuse("Codul de bare :" + f[kBarcode] + " nu este alocat!\r\n\r\n"))
                return result;
            continue;
        }
        const std::string id =
            db.scalarText("select idarticol from codbar where codbar=?;", {f[kBarcode]});
        std::string storedName, storedUnit, storedPrice, storedVat, storedRemark;
        {
            auto q =
                db.query("select um,pret,idtva,idgrupa,obs,nume from articol where id = ?", {id});
            if (q.next()) {
                storedName = q.text(5);
                storedUnit = q.text(0);
                storedPrice = q.text(1);
                storedVat = q.text(2);
                storedRemark = q.text(4);
            }
        }
        // Some article must hold the line's name; most often it is the barcode's own, which
        // is asked first, so an unchanged file is read without searching every name a line.
        const std::string name = comparableName(f[kName]);
        if (comparableName(storedName).find(name) == std::string::npos &&
            !names.firstContaining(name)) {
            if (!run.refuse("Articolul " + f[kName] + " nu este alocat !\r\n\r\n"))
                return result;
            continue;
        }
        // An empty field keeps the stored value, and so does one that differs from it only in
        // case (the file is read in upper case).
        auto keptOr = [](const std::string& field, const std::string& stored) {
            return field.empty() || field == upperCase(stored) ? stored : field;
        };
        const std::string unit = keptOr(f[kUnit], storedUnit);
        const std::string remark = keptOr(f[kRemark], storedRemark);
        LineValues values;
        if (auto refusal =
                readValues(f, f[kPrice].empty() ? storedPrice : f[kPrice], typedVat, values)) {
            if (!run.refuse(*refusal))
                return result;
            continue;
        }
        const shell::Cents price = values.price;
        std::optional<shell::Thousandths> stock = values.stock;
        if (stock) {
            // Only a stock the owner changed is a count; the one the export showed is not.
            auto shown = exportedStock.find(f[kBarcode]);
            if (shown != exportedStock.end() && !shown->second.empty() &&
                readQuantity(shown->second) == stock)
                stock.reset();
        }
        const auto oldPrice = readPrice(storedPrice);
        const bool priceChanged = !oldPrice || *oldPrice != price ||
                                  leadingNumber(storedVat) != leadingNumber(values.vat);
        const bool written = batch.line([&] {
            if (!db.exec("update articol set um=?,pret=?,idtva=?,idgrupa=?,obs=? where id=?;",
                         {unit, priceText(price), values.vat, f[kGroup], remark, id}))
                return false;
            if (stock && !db.exec("insert into spstoc (idart,obs,cantitate,data) values "
                                  "(?,'IMPORT',?,?)",
                                  {id, quantityText(*stock, 0), now}))
                return false;
            if (priceChanged &&
                !db.exec("insert into modificaripret (idart,idcotatva,pret,datamodificare) "
                         "values (?,?,?,?)",
                         {id, values.vat, priceText(price), now}))
                return false;
            return true;
        });
        if (!written) {
            run.fail();
            return result;
        }
        ++result.imported;
    }
    if (!run.finish(lines.size()))
        return result;
    result.completed = true;
    return result;
}

}  // namespace vandrix::backoffice
