// The schema of the shop's database: the creation statements with their seed rows and the
// indexes, run in order on a new database, and the price-history table made sure of at every
// start.
#include "store/database2020.h"

#include <array>
#include <string_view>

#include "platform/files.h"
#include "store/database.h"
#include "store/schema_indexes.h"

namespace vandrix::store {
namespace {

// The statements keep the text in which other programs know this schema; every quoted value
// is bound as a text parameter when it runs (bindQuotedValues), which stores the same value.
constexpr std::array<std::string_view, 38> kCreation = {
    "Create Table if not exists articol (id integer primary key unique not null, nume "
    "varchar(255), um varchar(255), pret double, idgrupa varchar(255), idtva varchar(255), obs "
    "varchar(255));",
    "Create Table if not exists codbar (id integer primary key unique not null, codbar "
    "varchar(255), idarticol varchar(255));",
    "Create Table if not exists tva (id integer primary key unique not null, procent "
    "varchar(255));",
    "Create Table if not exists bonmasa (id integer primary key unique not null, val double, "
    "nume varchar(255));",
    "Create Table if not exists grupa (id integer primary key unique not null, denumire "
    "varchar(255), shortcut varchar(255));",
    "Create Table if not exists partener (id integer primary key unique not null, denumire "
    "varchar(255), adresa varchar(255), cui varchar(255), j varchar(255), telefon varchar(255), "
    "fax varchar(255), codpostal varchar(255), judet varchar(255), actautorizare varchar(255), "
    "banca varchar(255), cont varchar(255), sofer varchar(255), ci varchar(255));",
    // The tax authority as the partner of the seed invoice; its other ten columns are empty.
    "insert into partener values ('-1','ANAF','ANAF','-1','','','','','','','','','','');",
    "Create Table if not exists bon (id integer primary key unique not null, nrbon integer, "
    "databon date, valbon double,incasatbon double, restbon double, valbonmasa double,nrbonmasa "
    "double,card double, numerar double, credit double, cui varchar(255),eod integer, tva1 "
    "double, tva2 double, tva3 double, tva4 double, tva5 double, brut1 double,brut2 double,brut3 "
    "double,brut4 double,brut5 double,idpos varchar(255));",
    "insert into bon values ('1', '1', CURRENT_TIMESTAMP, '1.00','1.00', '0.00', "
    "'0.00','0.00','0.00', '1.00', '0.00', '','1', '0.00', '0.00', '0.00', '0.00', '0.00', "
    "'0.00','0.00','0.00','0.00','1.00','1');",
    "Create Table if not exists spbon (id integer primary key unique not null, idbon "
    "varchar(255), idart varchar(255), cant double ,pret double);",
    "insert into spbon values ('1', '1', '-4', '1' ,'1.00');",
    "Create Table if not exists stoc (id integer primary key unique not null, data date, nume "
    "varchar(255), obs varchar(255));",
    "Create Table if not exists spstoc (id integer primary key unique not null, idart "
    "varchar(255), obs varchar(255), cantitate double, data date);",
    "Create Table if not exists eod (id integer primary key unique not null, z double, data "
    "date);",
    "insert into eod values ('1', '1', CURRENT_TIMESTAMP);",
    "insert into eod (id) values ('2');",
    "Create Table if not exists fact (id integer primary key unique not null, nrfact integer, "
    "seriefact1 varchar(255),seriefact2 varchar(255),seriefact varchar(255), idpart integer, "
    "valoare double, data date, tva1 double, tva2 double, tva3 double, tva4 double, tva5 "
    "double,brut1 double,brut2 double,brut3 double,brut4 double,brut5 double);",
    "insert into fact values ('0','0','','','FISCALIZARE ANAF','-1','1.00',CURRENT_TIMESTAMP,"
    "'0.00','0.00','0.00','0.00','0.00','0.00','0.00','0.00','0.00','1.00')",
    "Create Table if not exists spfact (id integer primary key unique not null, idfact integer, "
    "idbon integer,tva1 double, tva2 double, tva3 double, tva4 double, tva5 double,brut1 "
    "double,brut2 double,brut3 double,brut4 double,brut5 double);",
    "insert into spfact values "
    "('0','0','1','0.00','0.00','0.00','0.00','0.00','0.00','0.00','0.00','0.00','0.00');",
    "Insert into grupa values ('1','BACSIS','NU');",
    "Insert into grupa values ('0','Special','NU');",
    "Insert into grupa values ('2','General','DA');",
    "Insert into tva values ('1','19');",
    "Insert into tva values ('2','9');",
    "Insert into tva values ('3','5');",
    "Insert into tva values ('4','0');",
    "Insert into tva values ('5','FaraTVA');",
    "Insert into bonmasa values ('1','9.35','BonMasa');",
    "Insert into articol values ('0','BACSIS','BUC','0.00','1','1','BACSIS');",
    "Insert into articol values ('-1','DISCOUNT','BUC','0.00','0','1','DISCOUNT');",
    "Insert into articol values ('-2','AVANS','BUC','0.00','0','1','AVANS');",
    "Insert into articol values ('-3','STORNO AVANS','BUC','0.00','0','1','STORNO AVANS');",
    "Insert into articol values ('-4','TEST','BUC','1.00','0','1','TEST');",
    "Insert into codbar values ('0','0','0');",
    "Insert into codbar values ('1','D','-1');",
    "Insert into codbar values ('2','A','-2');",
    "Insert into codbar values ('3','S','-3');",
};

constexpr std::string_view kPriceHistory =
    "Create Table if not exists modificaripret (id integer primary key unique not null, idart "
    "integer, idcotatva integer, pret double, datamodificare date)";

void runQuoted(Database& db, std::string_view quotedSql) {
    BoundStatement bound = bindQuotedValues(quotedSql);
    db.exec(bound.sql, bound.params);  // errors ignored: seeds fail on an existing database
}

}  // namespace

void Database2020(const std::string& path) {
    if (platform::missingOrEmpty(path)) {
        if (auto db = Database::open(path)) {
            // One transaction: a database is either created whole or not at all, and the
            // creation takes one write to disk instead of one per statement. A statement that
            // fails inside it only undoes itself.
            db->exec("BEGIN");
            for (std::string_view statement : kCreation)
                runQuoted(*db, statement);
            createIndexes(*db);
            db->exec("COMMIT");
        }
    }
    if (auto db = Database::open(path))
        runQuoted(*db, kPriceHistory);
}

}  // namespace vandrix::store
