// The buyer look-up: the service's answers read by member name whatever their shape, and the
// request made to a server on the loopback interface, with every way it can fail ending in an
// empty result within the time set.
#include "invoice/partner_lookup.h"

#include <gtest/gtest.h>

#include <chrono>

#include "loopback_http.h"
#include "shell/settings.h"
#include "temp_folder.h"

namespace vandrix::invoice {
namespace {

std::string fixture() {
    return testing::readFileBytes(std::string(VANDRIX_SOURCE_DIR) +
                                  "/tests/invoice/fixtures/v9-found-and-notfound.json");
}

// The recorded answer as given for another code (18547290 is valid; the fixture's not-found
// code 99999999 fails its control digit).
std::string answerFor(std::int64_t code) {
    std::string answer = fixture();
    for (std::size_t at = answer.find("1590082"); at != std::string::npos;
         at = answer.find("1590082", at))
        answer.replace(at, 7, std::to_string(code));
    return answer;
}

TEST(PartnerLookup, TheNestedAnswerIsReadByName) {
    auto company = readVatServiceAnswer(fixture(), 1590082);
    ASSERT_TRUE(company);
    EXPECT_EQ(company->name, "OMV PETROM S.A.");
    EXPECT_EQ(company->address, "MUN. BUCUREŞTI, SECT. 1, STR. CORALILOR, NR.22");
    EXPECT_EQ(company->registerNumber, "J40/8302/1997");
    EXPECT_TRUE(company->vatPayer);
    EXPECT_EQ(company->county, "B");
    EXPECT_EQ(company->postalCode, "013329");
    EXPECT_EQ(vatPayerFields(company),
              "|MUN. BUCUREŞTI, SECT. 1, STR. CORALILOR, NR.22|OMV PETROM S.A.|TRUE");
    EXPECT_FALSE(readVatServiceAnswer(fixture(), 18547290));  // only the code asked
}

TEST(PartnerLookup, OtherShapesAndNonsense) {
    const std::string flat = R"({"found":[{"scpTVA":false,"adresa":"STR. X: NR. 1","cui":18547290,)"
                             R"("denumire":"FIRMA SRL","nrRegCom":"J12/3/2004"}],"notfound":[]})";
    auto company = readVatServiceAnswer(flat, 18547290);
    ASSERT_TRUE(company);
    EXPECT_EQ(vatPayerFields(company), "|STR. X: NR. 1|FIRMA SRL|FALSE");  // ":" kept whole
    const std::string envelope =
        R"({"cod":200,"message":"SUCCESS","found":[{"date_generale":{"cui":"18547290",)"
        R"("denumire":"FIRMA SRL","adresa":"A"},"inregistrare_scop_Tva":{"scpTVA":true}}]})";
    ASSERT_TRUE(readVatServiceAnswer(envelope, 18547290));
    EXPECT_TRUE(readVatServiceAnswer(envelope, 18547290)->vatPayer);
    const std::string full = answerFor(18547290);
    for (const std::string& nonsense : {
             std::string(R"({"found":[],"notFound":[18547290]})"),
             std::string(R"({"cod":400,"message":"Eroare"})"),
             std::string("<html><body>Serviciu indisponibil</body></html>"),
             std::string("garbage"),
             std::string(""),
             full.substr(0, full.size() / 2),
         })
        EXPECT_FALSE(readVatServiceAnswer(nonsense, 18547290)) << nonsense.substr(0, 60);
}

TEST(PartnerLookup, TheCompanyPageMarker) {
    EXPECT_EQ(registrationFromPage("a<span class=\"search_desc\">J40/1/2000</span>b"),
              "J40/1/2000");
    EXPECT_EQ(registrationFromPage("no marker</span>"), "");
    EXPECT_EQ(serviceHost("https://webservicesp.anaf.ro/api/PlatitorTvaRest/v9/tva"),
              "webservicesp.anaf.ro");
    EXPECT_EQ(serviceHost("http://127.0.0.1:8080/x"), "127.0.0.1");
}

class LookupOverHttp : public ::testing::Test {
  protected:
    testing::LoopbackHttpServer server;
    shell::Settings settings;
    void SetUp() override {
        settings.vatServiceUrl = server.url("/api/PlatitorTvaRest/v9/tva");
        settings.vatServiceSeconds = 1;
    }
    std::optional<CompanyData> lookUp() { return lookupCompany(settings, 18547290, "2026-12-10"); }
};

TEST_F(LookupOverHttp, TheRequestAndItsAnswer) {
    server.answer(200, answerFor(18547290), "application/json");
    auto company = lookUp();
    ASSERT_TRUE(company);
    EXPECT_EQ(company->name, "OMV PETROM S.A.");
    EXPECT_EQ(server.lastRequestBody(), R"([{"cui":18547290,"data":"2026-12-10"}])");
    EXPECT_EQ(server.requests(), 1);
}

TEST_F(LookupOverHttp, EveryFailureEndsEmptyAndInTime) {
    server.answer(500, R"({"cod":500,"message":"Eroare"})", "application/json");
    EXPECT_FALSE(lookUp());
    server.answer(200, "<html>Mentenanta</html>", "text/html");
    EXPECT_FALSE(lookUp());
    // An answer that never comes: the time set (1 s) bounds the wait.
    server.answerNothing();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(lookUp());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    // Nobody listening.
    settings.vatServiceUrl = "http://127.0.0.1:1/api";
    EXPECT_FALSE(lookUp());
}

}  // namespace
}  // namespace vandrix::invoice
