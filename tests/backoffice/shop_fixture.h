// A fresh shop database in a test's own working folder, for the back office's work on it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "store/database.h"
#include "store/database2020.h"
#include "temp_folder.h"

namespace vandrix::backoffice {

class ShopDatabaseTest : public ::testing::Test {
  protected:
    testing::TempFolder folder;
    testing::ScopedWorkingFolder cwd{folder.path()};
    std::unique_ptr<store::Database> db;
    const std::string now = "2026-12-10 09:30:00";

    void SetUp() override {
        store::Database2020("baza.db");
        db = store::Database::open("baza.db");
        ASSERT_TRUE(db);
    }
    void run(const std::string& sql, const store::Params& params = {}) {
        ASSERT_TRUE(db->exec(sql, params)) << sql << ": " << db->lastError();
    }
    std::string text(const std::string& sql, const store::Params& params = {}) {
        return db->scalarText(sql, params);
    }
    long long count(const std::string& sql, const store::Params& params = {}) {
        return db->scalarInteger(sql, params);
    }
    // An article with one barcode.
    void article(const std::string& id, const std::string& name, const std::string& price,
                 const std::string& barcode, const std::string& vat = "1",
                 const std::string& group = "2") {
        run("insert into articol values (?,?,'BUC',?,?,?,'')", {id, name, price, group, vat});
        run("insert into codbar values ((select max(id)+1 from codbar),?,?)", {barcode, id});
    }
    // A receipt at the given time selling a quantity of an article.
    void sale(const std::string& articleId, const std::string& quantity, const std::string& when) {
        const std::string receipt = std::to_string(count("select max(id)+1 from bon"));
        run("insert into bon (id,nrbon,databon,eod,idpos) values (?,?,?,2,'1')",
            {receipt, receipt, when});
        run("insert into spbon (idbon,idart,cant,pret) values (?,?,?,1)",
            {receipt, articleId, quantity});
    }
};

}  // namespace vandrix::backoffice
