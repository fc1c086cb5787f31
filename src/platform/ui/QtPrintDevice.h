#pragma once

#include <functional>
#include <memory>

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include "seams/PrintDevice.h"

class QPrinter;

namespace reelcase {

// The real printer: QPainter on a QPrinter, no dialog. Device units are the printer's dots.
class QtPrintDevice : public PrintDevice {
  public:
    struct Printer {
        std::unique_ptr<QPrinter> printer;  // null: no printer available
        QString name;                       // as the system lists it
        // Hands the finished document to the print system; false when it refuses it. Empty:
        // the document is done once it is drawn.
        std::function<bool()> deliver;
    };
    // Makes the printer for one document.
    using PrinterSource = std::function<Printer()>;

    // Prints on the system's default printer, as it is when each document begins.
    QtPrintDevice();
    // Prints on the printers source makes (a PDF file, in the tests).
    explicit QtPrintDevice(PrinterSource source);
    ~QtPrintDevice() override;
    QtPrintDevice(const QtPrintDevice&) = delete;
    QtPrintDevice& operator=(const QtPrintDevice&) = delete;

    // The default printer, or none when the system has no default printer or its queue is
    // stopped. The document goes into a temporary PDF file with the printer's page layout and
    // resolution, and from there to the print system, whose answer counts.
    static Printer defaultPrinter();

    TextSize textSize(std::string_view text) const override;
    int characterHeight() const override;
    int pageWidth() const override;
    int pageHeight() const override;

    bool beginDocument() override;
    void setStyle(PrintStyle style) override;
    void drawText(int x, int y, std::string_view text) override;
    bool newPage() override;
    bool endDocument() override;
    void abortDocument() override;
    QString printerName() const override { return name_; }

  private:
    void applyFont();
    void finish();

    PrinterSource source_;
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    QString name_;
    std::function<bool()> deliver_;
    PrintStyle style_ = PrintStyle::Regular;
    std::unique_ptr<QFontMetrics> metrics_;  // of the current font on the printer
};

}  // namespace reelcase
