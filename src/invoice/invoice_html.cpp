// The invoice as an A4 HTML page, line by line.
#include "invoice/invoice_document.h"
#include "shell/number_text.h"

namespace vandrix::invoice {

namespace {

using shell::leftAlign;
using shell::rightAlign;

const std::string T1 =
    "<table style=\"width:100%; border: 1px solid black; border-collapse: collapse;\">";
const std::string T0 =
    "<table style=\"width:100%; border: 0px solid black; border-collapse: collapse;\">";
const std::string R1 =
    "<tr style=\"width:100%; border: 1px solid black; border-collapse: collapse;\">";
const std::string R0 =
    "<tr style=\"width:100%; border: 0px solid black; border-collapse: collapse;\">";
const std::string C50 =
    "<td style=\"width:50%; border: 1px solid black; border-collapse: collapse;\">";
const std::string C20B =
    "<td style=\"width:20%; border: 1px solid black; border-collapse: collapse;\">";
const std::string C10B =
    "<td style=\"width:10%; border: 1px solid black; border-collapse: collapse;\">";
const std::string C20BR =
    "<td style=\"width:20%; border: 1px solid black; border-collapse: collapse; text-align: "
    "right;\">";
const std::string C40 =
    "<td style=\"width:40%; border: 0px solid black; border-collapse: collapse;\">";
const std::string C20R =
    "<td style=\"width:20%; border: 0px solid black; border-collapse: collapse; text-align: "
    "right;\">";
const std::string C60 =
    "<td style=\"width:60%; border: 0px solid black; border-collapse: collapse;\">";
const std::string C40R =
    "<td style=\"width:40%; border: 0px solid black; border-collapse: collapse;  text-align: "
    "right;\">";
const std::string E = "</td>";

std::string amount(shell::Cents value) {
    return shell::formatCents(value);
}

void party(std::vector<std::string>& out, const char* title, const Party& p) {
    out.push_back(C50);
    out.push_back(std::string("<b>") + title + ":</b></br>");
    out.push_back("Denumire:" + p.name + "</br>");
    out.push_back("C.I.F:" + p.code + "</br>");
    out.push_back("Nr.Reg.Com:" + p.registerNumber + "</br>");
    out.push_back("Adresa:" + p.address + "</br>");
    out.push_back(E);
}

}  // namespace

std::vector<std::string> invoiceHtml(const InvoiceDocument& doc) {
    std::vector<std::string> out = {
        "<!DOCTYPE html>", "<html>", "<head>",
        // The page is written in the Windows code page; the browser must be told so.
        "<meta charset=\"windows-1250\">", "<style>", "body {background-color: white;}",
        "@media print {", "    body{", "        width: 21cm;", "        height: 29.7cm;",
        "        margin: 5mm 5mm 5mm 5mm;", "   }", "}", "@page {", "    width: 21cm;",
        "    height: 29.7cm;", "    margin: 5mm 5mm 5mm 5mm;", "}", ".class { ",
        "\tfont-family: Lucida Console,Lucida Sans Typewriter,monaco,Bitstream Vera Sans "
        "Mono,monospace; ",
        "}", "</style>", "</head>", "<body>", "<page>"};
    // The parties
    out.push_back(T1);
    out.push_back(R1);
    party(out, "VANZATOR", doc.seller);
    party(out, "CUMPARATOR", doc.buyer);
    out.insert(out.end(), {"</tr>", "</table>", "</br>"});
    // The title
    out.push_back(T0);
    out.push_back(R0);
    out.push_back("<td style=\"width:35%; border: 0px solid black; border-collapse: collapse;\"/>");
    out.push_back("<td style=\"width:30%; border: 1px solid black; border-collapse: collapse;\">");
    out.push_back(T0);
    out.push_back(
        "<tr style=\"width:100%; border: 0px solid black; border-collapse: collapse;  "
        "text-align: center;\"><td style=\"width:100%; border: 0px solid black; "
        "border-collapse: collapse; text-align:center;\">");
    out.push_back("<b>FACTURA</b>");
    out.push_back("</td></tr>");
    out.push_back(
        "<tr style=\"width:100%; border: 0px solid black; border-collapse: "
        "collapse;\"><td style=\"width:100%; border: 0px solid black; border-collapse: "
        "collapse;\">");
    out.push_back(
        "Serie/Nr:</td><td style=\"width:100%; border: 0px solid black; "
        "border-collapse: collapse; text-align: right; \">" +
        leftAlign(doc.series, 17) + "</td></tr>");
    out.push_back(
        "<tr style=\"width:100%; border: 0px solid black; border-collapse: "
        "collapse;\"> <td style=\"width:100%; border: 0px solid black; "
        "border-collapse: collapse;\">");
    out.push_back(
        "Data:</td><td style=\"width:100%; border: 0px solid black; border-collapse: "
        "collapse; text-align: right; \">" +
        leftAlign(doc.date, 21) + "</td></tr>");
    out.insert(out.end(), {"</table>", E});
    out.push_back(
        "<td style=\"width:35%; border: 0px solid black; border-collapse: collapse;\" />");
    out.insert(out.end(), {"</tr>", "</table>", "</br>"});
    // The lines' heading
    out.push_back(T0);
    out.push_back(R0);
    const std::pair<const std::string*, const char*> heads[] = {
        {&C20B, "<b>DENUMIRE</b>"},     {&C10B, "<b>UM</b>"},       {&C10B, "<b>CANT</b>"},
        {&C20BR, "<b>PRET UNITAR</b>"}, {&C20BR, "<b>VALFTVA</b>"}, {&C20BR, "<b>TVA</b>"}};
    for (const auto& [cell, text] : heads) {
        out.push_back(*cell);
        out.push_back(text);
        out.push_back(E);
    }
    out.push_back("</tr>");
    // A line per receipt and VAT group
    for (const InvoiceReceipt& r : doc.receipts) {
        for (int k = 0; k < 5; ++k) {
            if (!r.amounts.shown(k))
                continue;
            const std::size_t g = static_cast<std::size_t>(k);
            const std::string net = rightAlign(amount(r.amounts.net(k)), 8);
            out.push_back(R0);
            out.push_back(C20B);
            out.push_back("Conform:-&nbsp;&nbsp;Bon:" + rightAlign(r.number, 4, '0') +
                          "<br>Eod:" + rightAlign(r.period, 4, '0') + "&nbsp;&nbsp;din&nbsp;" +
                          rightAlign(r.date, 10) + "</td>");
            out.insert(out.end(), {C10B, "</br>BUC", E, C10B, "</br>&nbsp;&nbsp;1&nbsp;&nbsp;", E,
                                   C20BR, "</br>" + net, E, C20BR, "</br>" + net, E, C20BR});
            if (k == 4)
                out.push_back(" " + doc.labels[g] + "</br>" + amount(r.amounts.vat[g]));
            else
                out.push_back("TVA " + doc.labels[g] + "</br>" +
                              rightAlign(amount(r.amounts.vat[g]), 6));
            out.push_back(E);
            out.push_back("</tr>");
        }
    }
    out.push_back("</table>");
    // The totals per VAT group
    out.push_back(T1);
    for (int k = 0; k < 5; ++k) {
        if (!doc.totals.shown(k))
            continue;
        const std::size_t g = static_cast<std::size_t>(k);
        const std::string& label = doc.labels[g];
        out.push_back(R0);
        out.push_back(C40);
        out.push_back(k == 4 ? " Valoare " + label + ":" : " Valoare Fara TVA " + label + ":");
        out.insert(out.end(), {E, C20R, rightAlign(amount(doc.totals.net(k)), 8), E, C20R});
        out.push_back(k == 4 ? " Tva " + label + ": " : "  Tva " + label + ": ");
        out.insert(out.end(), {E, C20R, rightAlign(amount(doc.totals.vat[g]), 6), E, "</tr>"});
    }
    // The grand total
    out.insert(out.end(), {T1, R1, C60, "<b> Total cu TVA : </b>", E, C40R,
                           "<b>" + rightAlign(amount(doc.totals.grossSum()), 28) + "</b>", E,
                           "</tr>", "</table>"});
    // The buyer's delegate
    out.push_back(T1);
    out.insert(out.end(), {R0, C60, " &nbsp;&nbsp;&nbsp;Delegat: ", E, C40R, "", E, "</tr>"});
    out.insert(out.end(), {R0, C60, " &nbsp;&nbsp;&nbsp;CI/BI/CNP: ", E, C40,
                           " &nbsp;&nbsp;&nbsp;Semnatura: ", E, "</tr>"});
    out.insert(out.end(), {R0, C60, " &nbsp;&nbsp;&nbsp;Semnatura: ", E, C40R, "", E, "</tr>"});
    out.insert(out.end(), {R0, C60, " &nbsp;&nbsp;&nbsp;Data: ", E, C40,
                           " &nbsp;&nbsp;&nbsp;Stampila:", E, "</tr>"});
    out.push_back("</table>");
    out.insert(out.end(), {"</table>", "</page>", "</body>", "</html>"});
    return out;
}

}  // namespace vandrix::invoice
