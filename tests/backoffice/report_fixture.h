// A working folder with a fresh shop database and the reports folder, and the few rows the
// report tests insert.
#pragma once

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "store/database.h"
#include "store/database2020.h"
#include "temp_folder.h"

namespace vandrix::backoffice {

class ReportTest : public ::testing::Test {
  protected:
    testing::TempFolder folder;
    testing::ScopedWorkingFolder cwd{folder.path()};
    std::unique_ptr<store::Database> db;
    // Every report of these tests is written at this moment.
    const std::time_t now = platform::parseLocalTime("2024-03-05 14:30:07");

    void SetUp() override {
        store::Database2020("baza.db");
        db = store::Database::open("baza.db");
        ASSERT_TRUE(db);
        std::filesystem::create_directory(folder / "rapoarte");  // as start-up does
    }

    void run(const std::string& sql, const store::Params& params) {
        ASSERT_TRUE(db->exec(sql, params)) << sql << ": " << db->lastError();
    }
    void article(const std::string& id, const std::string& name, const std::string& unit,
                 const std::string& price, const std::string& vat = "1") {
        run("insert into articol values (?,?,?,?,'2',?,'')", {id, name, unit, price, vat});
    }
    void barcode(const std::string& id, const std::string& code, const std::string& articleId) {
        run("insert into codbar values (?,?,?)", {id, code, articleId});
    }
    void receipt(const std::string& id, const std::string& nrbon, const std::string& databon,
                 const std::string& eod, const std::string& cui = "") {
        run("insert into bon (id,nrbon,databon,cui,eod,idpos) values (?,?,?,?,?,'1')",
            {id, nrbon, databon, cui, eod});
    }
    void line(const std::string& id, const std::string& receiptId, const std::string& articleId,
              const std::string& quantity, const std::string& price) {
        run("insert into spbon values (?,?,?,?,?)", {id, receiptId, articleId, quantity, price});
    }
    void count(const std::string& id, const std::string& articleId, const std::string& quantity,
               const std::string& date) {
        run("insert into spstoc values (?,?,'OBS',?,?)", {id, articleId, quantity, date});
    }

    // The lines of a report file, after checking that every line ends with CR LF.
    std::vector<std::string> linesOf(const std::string& path) {
        const std::string bytes = testing::readFileBytes(folder / path);
        std::vector<std::string> lines;
        size_t start = 0;
        for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
            lines.push_back(bytes.substr(start, end - start));
        EXPECT_EQ(start, bytes.size()) << "the file does not end with CR LF";
        for (const std::string& l : lines)
            EXPECT_EQ(l.find_first_of("\r\n"), std::string::npos) << "a bare line end in " << l;
        return lines;
    }
};

}  // namespace vandrix::backoffice
