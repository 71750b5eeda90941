#include "common/ui/report_printing.h"

namespace vorla::ui {
namespace {

PrintOutcome Fail(PlatformServices& services, const ReportPrintJob& job,
                  const std::string& sentence) {
    services.ShowMessage({sentence, job.ErrorTitle, MessageIcon::Critical, MessageButtons::Ok});
    return PrintOutcome::Failed;
}

} // namespace

PrintOutcome PrintReport(PlatformServices& services, const ReportPrintJob& job) {
    auto opened = services.OpenPrinter(job.Request);
    if (!opened.Device) {
        return opened.Error.empty() ? PrintOutcome::Cancelled : Fail(services, job, opened.Error);
    }
    Printer& printer = *opened.Device;
    printer.SetFont("Courier", 12);
    const double textHeight = printer.TextHeight("X");
    const double linesPerPage =
        textHeight > 0 ? printer.PageHeight() / textHeight - job.LinesReserved : 0;

    if (!printer.WritesFile()) {
        const auto answer =
            services.ShowMessage({kPrinterReadyQuestion, job.Request.Title,
                                  MessageIcon::Exclamation, MessageButtons::OkCancel});
        if (answer != MessageButton::Ok) {
            return PrintOutcome::Cancelled;
        }
    }

    const auto pages = job.Paginate ? job.Paginate(linesPerPage) : std::nullopt;
    if (!pages) {
        return Fail(services, job, kPageTooShort);
    }
    if (const auto error = PrintPages(printer, *pages)) {
        return Fail(services, job, *error);
    }
    return PrintOutcome::Printed;
}

} // namespace vorla::ui
