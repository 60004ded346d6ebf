#include "app/qt/qt_printer.h"

#include <dlfcn.h>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinterInfo>

#include "base/fault.h"

namespace orvane::qt {
namespace {

QFont ToQFont(const PrintFont& f) {
    QFont font(QString::fromStdString(f.name));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(f.size);
    font.setBold(f.bold);
    return font;
}

// Whether CUPS refused the last request of this thread: the job Qt's print engine has just sent
// (it does not report a refusal itself). CUPS keeps the status of each thread's last request;
// the library is the one Qt's print support has loaded.
bool CupsRefusedLastJob() {
    using LastError = int (*)();
    static const LastError last_error = [] {
        void* cups = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
        return cups == nullptr ? nullptr
                               : reinterpret_cast<LastError>(dlsym(cups, "cupsLastError"));
    }();
    constexpr int kFirstIppError = 0x0400;  // below it, the statuses of a request done
    return last_error != nullptr && last_error() >= kFirstIppError;
}

}  // namespace

void SetUpPage(QPrinter& printer) {
    printer.setFullPage(true);
    printer.setResolution(kTwipsPerInch);
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    printer.setDocName(QString::fromLatin1(kPrintJobName));
}

void DrawItems(QPainter& painter, const std::vector<PrintItem>& items) {
    const PrintFont* current = nullptr;
    double ascent = 0;
    for (const PrintItem& item : items) {
        if (current == nullptr || !(*current == item.font)) {
            current = &item.font;
            painter.setFont(ToQFont(item.font));
            ascent = QFontMetricsF(painter.font(), painter.device()).ascent();
        }
        painter.drawText(QPointF(item.x, item.y + ascent), QString::fromStdString(item.text));
    }
}

std::unique_ptr<QtPrinter> QtPrinter::DefaultPrinter() {
    return std::unique_ptr<QtPrinter>(new QtPrinter(Target::Default, {}));
}

std::unique_ptr<QtPrinter> QtPrinter::PdfFile(std::string file) {
    return std::unique_ptr<QtPrinter>(new QtPrinter(Target::Pdf, std::move(file)));
}

QtPrinter::QtPrinter(QPrinter& device) : target_(Target::Given), given_(&device) {}

QtPrinter::QtPrinter(Target target, std::string file) : target_(target), file_(std::move(file)) {}

QtPrinter::~QtPrinter() = default;

QPrinter& QtPrinter::Device() {
    if (given_ != nullptr) return *given_;
    if (!job_) {
        if (target_ == Target::Pdf) {
            job_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
            job_->setOutputFormat(QPrinter::PdfFormat);
            job_->setOutputFileName(QString::fromStdString(file_));
        } else {
            job_ = std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(),
                                              QPrinter::HighResolution);
        }
        SetUpPage(*job_);
    }
    return *job_;
}

double QtPrinter::DefaultFontSize() {
    return 10;
}

double QtPrinter::LineHeight(const PrintFont& font) {
    return QFontMetricsF(ToQFont(font), &Device()).lineSpacing();
}

void QtPrinter::PrintPage(const std::vector<PrintItem>& items) {
    Print(std::span(&items, 1));
}

void QtPrinter::PrintPages(const std::vector<std::vector<PrintItem>>& pages) {
    if (!pages.empty()) Print(pages);
}

void QtPrinter::Print(std::span<const std::vector<PrintItem>> pages) {
    QPrinter& device = Device();
    // The next document starts a job of its own, whatever happens to this one.
    std::unique_ptr<QPrinter> job = std::move(job_);
    if (target_ == Target::Default && QPrinterInfo::defaultPrinter().isNull()) {
        Raise(fault::kNoPrinter);
    }
    if (target_ == Target::Given) {
        if (device.resolution() != kTwipsPerInch) device.setResolution(kTwipsPerInch);
        if (!device.fullPage()) device.setFullPage(true);
    }
    const int failure = target_ == Target::Pdf ? fault::kPathFileAccess : fault::kPrinterError;
    QPainter painter;
    if (!painter.begin(&device)) Raise(failure);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage()) Raise(failure);
        DrawItems(painter, pages[i]);
    }
    if (!painter.end() || device.printerState() == QPrinter::Error ||
        device.printerState() == QPrinter::Aborted) {
        Raise(failure);
    }
    if (device.outputFormat() == QPrinter::NativeFormat && CupsRefusedLastJob()) {
        Raise(fault::kPrinterError);
    }
}

}  // namespace orvane::qt
