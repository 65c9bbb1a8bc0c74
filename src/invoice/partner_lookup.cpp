// The buyer's data from the VAT-payer service.
#include "invoice/partner_lookup.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "platform/http.h"
#include "shell/settings.h"

namespace vandrix::invoice {

namespace {

using nlohmann::json;

std::string textOf(const json& object, const char* name) {
    if (!object.is_object())
        return "";
    auto it = object.find(name);
    if (it == object.end() || it->is_null())
        return "";
    if (it->is_string())
        return it->get<std::string>();
    if (it->is_number_integer())
        return std::to_string(it->get<long long>());
    return "";
}

bool flagOf(const json& object, const char* name) {
    if (!object.is_object())
        return false;
    auto it = object.find(name);
    return it != object.end() && it->is_boolean() && it->get<bool>();
}

const json& memberOf(const json& object, const char* name) {
    static const json none;
    if (!object.is_object())
        return none;
    auto it = object.find(name);
    return it == object.end() ? none : *it;
}

// The "found" list at the top of the answer or inside its envelope.
const json* foundList(const json& answer) {
    if (!answer.is_object())
        return nullptr;
    if (auto it = answer.find("found"); it != answer.end() && it->is_array())
        return &*it;
    for (const auto& [name, value] : answer.items())
        if (value.is_object())
            if (const json* inner = foundList(value))
                return inner;
    return nullptr;
}

}  // namespace

std::string vatServiceRequest(std::int64_t code, const std::string& date) {
    json request = json::array({json::object()});
    request[0]["cui"] = code;
    request[0]["data"] = date;
    return request.dump();
}

std::optional<CompanyData> readVatServiceAnswer(const std::string& answer, std::int64_t code) {
    const json parsed = json::parse(answer, nullptr, false);
    if (parsed.is_discarded())
        return std::nullopt;
    const json* found = foundList(parsed);
    if (!found)
        return std::nullopt;
    for (const json& element : *found) {
        const json& general = memberOf(element, "date_generale");
        const bool nested = general.is_object();
        const json& data = nested ? general : element;
        if (textOf(data, "cui") != std::to_string(code))
            continue;  // only the company that was asked for
        CompanyData company;
        company.name = textOf(data, "denumire");
        company.address = textOf(data, "adresa");
        company.registerNumber = textOf(data, "nrRegCom");
        company.postalCode = textOf(data, "codPostal");
        if (nested) {
            company.vatPayer = flagOf(memberOf(element, "inregistrare_scop_Tva"), "scpTVA");
            const json& seat = memberOf(element, "adresa_sediu_social");
            company.county = textOf(seat, "scod_JudetAuto");
            if (const std::string postal = textOf(seat, "scod_Postal"); !postal.empty())
                company.postalCode = postal;
        } else {
            company.vatPayer = flagOf(element, "scpTVA");
        }
        if (company.name.empty() && company.address.empty())
            return std::nullopt;
        return company;
    }
    return std::nullopt;
}

std::string registrationFromPage(const std::string& page) {
    const std::string marker = "<span class=\"search_desc\">";
    const std::size_t start = page.find(marker);
    if (start == std::string::npos)
        return "";
    const std::size_t from = start + marker.size();
    const std::size_t end = page.find("</span>", from);
    return end == std::string::npos ? "" : shell::trim(page.substr(from, end - from));
}

std::string serviceHost(const std::string& url) {
    std::size_t start = url.find("://");
    start = start == std::string::npos ? 0 : start + 3;
    const std::size_t end = url.find_first_of(":/", start);
    return url.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::optional<CompanyData> lookupCompany(const shell::Settings& settings, std::int64_t code,
                                         const std::string& date) {
    platform::HttpRequest request;
    request.url = settings.vatServiceUrl;
    request.body = vatServiceRequest(code, date);
    request.headers = {"Accept: application/json", "Content-Type: application/json"};
    request.totalSeconds = settings.vatServiceSeconds;
    request.connectSeconds = std::min(5, settings.vatServiceSeconds);
    const platform::HttpAnswer answer = platform::httpRequest(request);
    if (!answer.received || answer.status != 200)
        return std::nullopt;
    auto company = readVatServiceAnswer(answer.body, code);
    if (company && company->registerNumber.empty() && !settings.companyPageHost.empty()) {
        platform::HttpRequest page;
        const std::string& host = settings.companyPageHost;
        page.url = (host.find("://") == std::string::npos ? "https://" + host : host) +
                   "/verifica-firma/cautare/cui=" + std::to_string(code);
        page.totalSeconds = settings.vatServiceSeconds;
        page.connectSeconds = std::min(5, settings.vatServiceSeconds);
        const platform::HttpAnswer pageAnswer = platform::httpRequest(page);
        if (pageAnswer.received && pageAnswer.status == 200)
            company->registerNumber = registrationFromPage(pageAnswer.body);
    }
    return company;
}

std::string vatPayerFields(const std::optional<CompanyData>& company) {
    if (!company)
        return "";
    return "|" + company->address + "|" + company->name + "|" +
           (company->vatPayer ? "TRUE" : "FALSE");
}

}  // namespace vandrix::invoice
