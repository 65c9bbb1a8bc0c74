// Benchmarks of the PDF writer: a one-page invoice-sized document with an embedded TrueType
// font, built and serialised in memory, with the system font looked up each time and with the
// font program already read.
#include <benchmark/benchmark.h>

#include <string>

#include "pdf/pdf_document.h"

namespace {

using vandrix::pdf::PdfDocument;

// About what an invoice holds: a header, the parties, 20 article lines and the totals.
void writeInvoice(PdfDocument& pdf) {
    pdf.pdfCreate("", "", "");
    pdf.pdfAddPage();
    pdf.pdfSetFont("Arial", "B", 14);
    pdf.pdfCell(0, 8, "FACTURA FISCALA", 0, 1, "C");
    pdf.pdfSetFont("Lucida Console", "", 8);
    for (int i = 0; i < 6; ++i) {
        pdf.pdfCell(95, 5,
                    "Furnizor: SC Magazinul Mic SRL, str. Învățătorului " + std::to_string(i), -7,
                    0);
        pdf.pdfCell(95, 5, "Cumpărător: SC Exemplu Școală SRL, CUI RO" + std::to_string(1000 + i),
                    -7, 1);
    }
    pdf.pdfLn(4);
    const char* heads[] = {"Nr", "Denumire", "UM", "Cant", "Pret", "Valoare", "TVA"};
    const double widths[] = {10, 70, 15, 20, 25, 25, 25};
    pdf.pdfSetFont("Arial", "B", 8);
    for (int c = 0; c < 7; ++c)
        pdf.pdfCell(widths[c], 6, heads[c], 1, c == 6 ? 1 : 0, "C");
    pdf.pdfSetFont("Lucida Console", "", 8);
    for (int row = 1; row <= 20; ++row) {
        std::string cells[] = {std::to_string(row),
                               "Pâine albă feliată " + std::to_string(row),
                               "BUC",
                               "3.000",
                               "4.50",
                               "13.50",
                               "1.22"};
        for (int c = 0; c < 7; ++c) {
            pdf.pdfCell(widths[c], 5, cells[c], -13, c == 6 ? 1 : 0, c >= 3 ? "R" : "L");
        }
    }
    pdf.pdfSetFont("Arial", "B", 10);
    pdf.pdfCell(165, 7, "TOTAL DE PLATA", 1, 0, "R");
    pdf.pdfCell(25, 7, "270.00", 1, 1, "R");
    pdf.pdfClose();
}

void BM_InvoiceWithSystemFont(benchmark::State& state) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        PdfDocument pdf;
        writeInvoice(pdf);
        bytes = pdf.documentBytes().size();
        benchmark::DoNotOptimize(pdf.documentBytes().data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_InvoiceWithSystemFont)->Unit(benchmark::kMillisecond);

void BM_InvoiceWithFontRead(benchmark::State& state) {
    auto font = vandrix::platform::loadSystemFont({"Lucida Console"});
    if (!font) {
        state.SkipWithError("no TrueType font installed");
        return;
    }
    auto loader = [&font](const vandrix::platform::FontRequest&) { return font; };
    for (auto _ : state) {
        PdfDocument pdf(loader);
        writeInvoice(pdf);
        benchmark::DoNotOptimize(pdf.documentBytes().data());
    }
}
BENCHMARK(BM_InvoiceWithFontRead)->Unit(benchmark::kMillisecond);

}  // namespace
