// pdf-sample OUT.pdf: writes a one-page sample document with bordered cells in every core font,
// in Arial bold and in the system's "Lucida Console" (or its monospace substitute), including
// Romanian letters and the string delimiters of PDF, to check the writer with outside tools.
#include <cstdio>
#include <string>

#include "pdf/pdf_document.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.pdf\n", argv[0]);
        return 2;
    }
    vandrix::pdf::PdfDocument pdf;
    if (pdf.pdfCreate("", "", "") == 0)
        return 1;
    pdf.pdfAddPage();

    struct Sample {
        const char* family;
        const char* style;
        const char* text;
    };
    const Sample samples[] = {
        {"Courier", "", "Courier: Factura fiscala nr. 1024"},
        {"Courier", "B", "Courier bold: TOTAL 1.234,56 lei"},
        {"Courier", "I", "Courier oblique: cantitate 3.000"},
        {"Courier", "BI", "Courier bold oblique: pret unitar"},
        {"Helvetica", "", "Helvetica: Cumparator SC Exemplu SRL"},
        {"Helvetica", "B", "Helvetica bold: Cod fiscal RO1234567"},
        {"Helvetica", "I", "Helvetica oblique: Adresa str. Mare 1"},
        {"Helvetica", "BI", "Helvetica bold oblique: Banca"},
        {"Times", "", "Times: Furnizor (vanzator)"},
        {"Times", "B", "Times bold: Semnatura si stampila"},
        {"Times", "I", "Times italic: Data emiterii"},
        {"Times", "BI", "Times bold italic: Cota TVA 19%"},
        {"Symbol", "", "abgd"},
        {"ZapfDingbats", "", "3456"},
        {"Arial", "B", "Arial bold: Total de plata"},
    };
    for (const Sample& s : samples) {
        pdf.pdfSetFont(s.family, s.style, 11);
        pdf.pdfCell(0, 7, s.text, 1, 1, "L");
    }

    pdf.pdfLn(4);
    pdf.pdfSetFont("Lucida Console", "", 10);
    pdf.pdfCell(0, 7, "Lucida Console: ăâîșț ĂÂÎȘȚ (paranteze) \\ backslash", 1, 1, "L");
    pdf.pdfCell(90, 7, "Aliniat la dreapta", -15, 0, "R");
    pdf.pdfCell(90, 7, "Centrat", -13, 1, "C");
    pdf.pdfSetFont("Helvetica", "U", 10);
    pdf.pdfCell(0, 7, "Helvetica underlined, justified across the whole cell", -7, 1, "FJ");
    pdf.pdfSetFont("Helvetica", "", 10);
    pdf.pdfSetLineWidth(0.3);
    pdf.pdfCell(60, 7, "Linie 0.3 mm", 1, 1, "C");

    pdf.pdfSave(argv[1]);
    if (pdf.pdfError() != 0) {
        std::fprintf(stderr, "pdf-sample: error %d writing %s\n", pdf.pdfError(), argv[1]);
        return 1;
    }
    return 0;
}
