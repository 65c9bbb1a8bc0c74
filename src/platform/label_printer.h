// The label printer: the six calls of the TSC printer library, turned here into the printer's
// own command language (TSPL, one command a line, CR LF) and sent to the port of the "ETICHETE"
// setting: a device path (a USB printer, /dev/usb/lp0 for "USB"), a network printer as
// "host:port", or a file the commands are added to. Connecting and writing are bounded in time,
// so a printer that is off costs a few seconds and no more.
#pragma once

#include <string>

namespace vandrix::platform {

class LabelPrinter {
  public:
    LabelPrinter() = default;
    ~LabelPrinter();
    LabelPrinter(const LabelPrinter&) = delete;
    LabelPrinter& operator=(const LabelPrinter&) = delete;

    // The calls of the printer library, with its arguments as decimal texts. Each returns 1 when
    // its commands reached the printer, 0 otherwise (the program does not examine them).
    int openport(const std::string& port);
    int setup(const std::string& width, const std::string& height, const std::string& speed,
              const std::string& density, const std::string& sensor, const std::string& vertical,
              const std::string& offset);
    int clearbuffer();
    int printerfont(const std::string& x, const std::string& y, const std::string& font,
                    const std::string& rotation, const std::string& xMultiplier,
                    const std::string& yMultiplier, const std::string& text);
    int barcode(const std::string& x, const std::string& y, const std::string& type,
                const std::string& height, const std::string& readable, const std::string& rotation,
                const std::string& narrow, const std::string& wide, const std::string& code);
    int printlabel(const std::string& sets, const std::string& copies);

    // The seconds a connection or a write may take.
    int limitSeconds = 3;

  private:
    int send(const std::string& line);
    void close();
    int fd_ = -1;
    bool failed_ = false;  // the port did not open or a write failed: the label's rest is not sent
};

// A text as the printer's internal fonts can print it inside a TSPL string: letters with
// diacritics as their plain letters, other characters beyond ASCII as "?", a double quote as
// TSPL's \["].
std::string tsplText(const std::string& utf8);

// The port of the setting: "USB" is /dev/usb/lp0; anything else as written.
std::string labelPrinterPort(const std::string& setting);

}  // namespace vandrix::platform
