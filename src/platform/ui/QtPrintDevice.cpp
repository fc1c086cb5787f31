#include "platform/ui/QtPrintDevice.h"

#include <dlfcn.h>

#include <cups/cups.h>

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include "catalogue/TextCodec.h"

namespace reelcase {

namespace {

// Hands a file to the print system's queue; the job's number, or 0 where it was refused. The
// print system's library is loaded at the first document: linked to the program, it and the
// seventeen libraries it needs would be loaded at every start.
int printFile(const char* queue, const char* file) {
    static const auto entry = []() -> decltype(&cupsPrintFile) {
        void* library = ::dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
        return library != nullptr
                   ? reinterpret_cast<decltype(&cupsPrintFile)>(::dlsym(library, "cupsPrintFile"))
                   : nullptr;
    }();
    // No title: the print job has none.
    return entry != nullptr ? entry(queue, file, "", 0, nullptr) : 0;
}

}  // namespace

QtPrintDevice::QtPrintDevice() : QtPrintDevice(&QtPrintDevice::defaultPrinter) {}

QtPrintDevice::QtPrintDevice(PrinterSource source) : source_(std::move(source)) {}

QtPrintDevice::~QtPrintDevice() {
    abortDocument();
}

QtPrintDevice::Printer QtPrintDevice::defaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    // A stopped queue still takes jobs and holds them: nothing comes out of the printer, so
    // "now printing" would be untrue.
    if (info.isNull() || info.state() == QPrinter::Error || info.state() == QPrinter::Aborted) {
        return {};
    }
    // Qt's own hand-over to the print system drops the answer, so a queue that refuses the job
    // would read as printing: the document is handed over here instead.
    auto file = std::make_shared<QTemporaryFile>(QDir::tempPath() +
                                                 QStringLiteral("/reelcase-print-XXXXXX.pdf"));
    if (!file->open()) {
        return {};
    }
    file->close();
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);  // keeps the printer's page layout
    printer->setOutputFileName(file->fileName());
    // The description is the name printer lists show; the queue name stands in without one.
    QString name = info.description().isEmpty() ? info.printerName() : info.description();
    auto deliver = [file, queue = info.printerName().toLocal8Bit()] {
        return printFile(queue.constData(), QFile::encodeName(file->fileName()).constData()) > 0;
    };
    return {std::move(printer), std::move(name), std::move(deliver)};
}

bool QtPrintDevice::beginDocument() {
    finish();
    Printer chosen = source_();
    if (!chosen.printer || !chosen.printer->isValid()) {
        return false;
    }
    printer_ = std::move(chosen.printer);
    name_ = std::move(chosen.name);
    deliver_ = std::move(chosen.deliver);
    if (!painter_.begin(printer_.get())) {
        printer_.reset();
        return false;
    }
    applyFont();
    return true;
}

void QtPrintDevice::setStyle(PrintStyle style) {
    style_ = style;
    if (painter_.isActive()) {
        applyFont();
    }
}

void QtPrintDevice::applyFont() {
    QFont font(QStringLiteral("Courier New"), 10);
    font.setBold(style_ != PrintStyle::Regular);
    font.setUnderline(style_ == PrintStyle::BoldUnderlined);
    painter_.setFont(font);
    metrics_ = std::make_unique<QFontMetrics>(painter_.font(), printer_.get());
}

TextSize QtPrintDevice::textSize(std::string_view text) const {
    if (!metrics_) {
        return {};
    }
    return {metrics_->horizontalAdvance(fromCatalogueText(text)), metrics_->height()};
}

int QtPrintDevice::characterHeight() const {
    return metrics_ ? metrics_->height() : 0;
}

int QtPrintDevice::pageWidth() const {
    return printer_ ? printer_->width() : 0;
}

int QtPrintDevice::pageHeight() const {
    return printer_ ? printer_->height() : 0;
}

void QtPrintDevice::drawText(int x, int y, std::string_view text) {
    if (painter_.isActive() && metrics_) {
        painter_.drawText(QPoint(x, y + metrics_->ascent()), fromCatalogueText(text));
    }
}

bool QtPrintDevice::newPage() {
    return painter_.isActive() && printer_->newPage();
}

bool QtPrintDevice::endDocument() {
    if (!painter_.isActive()) {
        return false;
    }
    const bool ended = painter_.end();
    bool ok = ended && printer_->printerState() != QPrinter::Error;
    if (ok && deliver_) {
        ok = deliver_();
    }
    finish();
    return ok;
}

void QtPrintDevice::abortDocument() {
    if (painter_.isActive()) {
        printer_->abort();
    }
    finish();
}

void QtPrintDevice::finish() {
    if (painter_.isActive()) {
        painter_.end();
    }
    metrics_.reset();
    printer_.reset();
    deliver_ = nullptr;  // and with it the temporary file
}

}  // namespace reelcase
