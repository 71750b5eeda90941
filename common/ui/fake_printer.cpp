#include "common/ui/fake_printer.h"

#include <algorithm>

namespace vorla::ui {
namespace {

std::optional<std::string> ErrorOrNothing(const std::string& sentence) {
    if (sentence.empty()) {
        return std::nullopt;
    }
    return sentence;
}

} // namespace

FakePrinter::FakePrinter(FakePrinterSettings settings, std::shared_ptr<PrintedDocument> record)
    : settings_(std::move(settings)), record_(std::move(record)) {}

void FakePrinter::SetFont(const std::string& name, double pointSize) {
    record_->FontName = name;
    record_->FontSize = pointSize;
}

double FakePrinter::TextHeight(std::string_view text) const {
    const auto lines = 1 + std::count(text.begin(), text.end(), '\n');
    return settings_.TextHeight * static_cast<double>(lines);
}

std::optional<std::string> FakePrinter::BeginDocument() {
    if (auto error = ErrorOrNothing(settings_.BeginError)) {
        record_->Error = error;
        return error;
    }
    record_->Pages.emplace_back();
    return std::nullopt;
}

std::optional<std::string> FakePrinter::BeginNextPage() {
    record_->Pages.emplace_back();
    return std::nullopt;
}

std::optional<std::string> FakePrinter::WriteLine(std::string_view line) {
    record_->Pages.back().emplace_back(line);
    return std::nullopt;
}

std::optional<std::string> FakePrinter::EndDocument() {
    record_->Ended = true;
    auto error = ErrorOrNothing(settings_.EndError);
    if (error && !record_->Error) {
        record_->Error = error;
    }
    return error;
}

} // namespace vorla::ui
