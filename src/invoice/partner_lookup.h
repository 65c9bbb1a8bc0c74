// The buyer's data from the tax authority's VAT-payer service, by fiscal code: name, address,
// VAT status, trade-register number, county and postal code, from one request. The service's
// address and the time a look-up may take are settings; the company-information page is asked
// for the trade-register number only when its host is set and the service has none.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vandrix::shell {
struct Settings;
}

namespace vandrix::invoice {

struct CompanyData {
    std::string name, address, registerNumber;
    std::string county, postalCode;  // the county's car code ("B", "CJ") and the postal code
    bool vatPayer = false;
};

// The request: a JSON array of one object, the code as a number and the date as text.
std::string vatServiceRequest(std::int64_t code, const std::string& date);

// The company the answer gives for the code asked: the nested answer of version 9 or the flat
// one of older versions, with or without a "cod"/"message" envelope; nullopt for an answer that
// names it not found, an error, an HTML page, an empty or a truncated answer.
std::optional<CompanyData> readVatServiceAnswer(const std::string& answer, std::int64_t code);

// The trade-register number of the company page: the text after `<span class="search_desc">`
// up to the next `</span>`.
std::string registrationFromPage(const std::string& page);

// Asks the service (and the company page when set); nullopt when nothing could be read. `date`
// is today, "YYYY-MM-DD".
std::optional<CompanyData> lookupCompany(const shell::Settings& settings, std::int64_t code,
                                         const std::string& date);

// The text the invoice window reads: "|address|name|TRUE" (FALSE for a company that is not a
// VAT payer); "" when nothing was found.
std::string vatPayerFields(const std::optional<CompanyData>& company);

// The host of the service's address, named when a look-up brings nothing.
std::string serviceHost(const std::string& url);

}  // namespace vandrix::invoice
