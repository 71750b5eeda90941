#include "common/ui/qt_file_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace vorla::ui {
namespace {

QStringList PatternsOf(const QString& patterns) {
    QStringList result;
    for (const auto& pattern : patterns.split(u';', Qt::SkipEmptyParts)) {
        const auto trimmed = pattern.trimmed();
        if (!trimmed.isEmpty()) {
            result.append(trimmed);
        }
    }
    return result;
}

// "PNG Image (*.png)" gives "png"; a filter of several or wildcard extensions
// gives none.
QString SuffixOfShownFilter(const QString& filter) {
    const auto open = filter.lastIndexOf(u'(');
    const auto close = filter.lastIndexOf(u')');
    if (open < 0 || close < open) {
        return {};
    }
    const auto patterns = filter.mid(open + 1, close - open - 1).split(u' ', Qt::SkipEmptyParts);
    if (patterns.size() != 1 || !patterns.front().startsWith(QStringLiteral("*."))) {
        return {};
    }
    const auto suffix = patterns.front().mid(2);
    return suffix.contains(u'*') || suffix.contains(u'?') ? QString{} : suffix;
}

} // namespace

QString QtFilterOf(std::string_view filter) {
    const auto parts =
        QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const auto description = parts[i].trimmed();
        const auto patterns = i + 1 < parts.size() ? PatternsOf(parts[i + 1]) : QStringList{};
        if (patterns.isEmpty()) {
            filters.append(description.isEmpty() ? QStringLiteral("All Files (*)") : description);
            continue;
        }
        // "Reports (*.sdf;*.vof)" names its patterns already, in the system's own
        // separator; Qt wants them apart by blanks, so that list is rewritten.
        const auto inParentheses = u'(' + patterns.join(u' ') + u')';
        const auto named = u'(' + patterns.join(u';') + u')';
        if (description.endsWith(inParentheses)) {
            filters.append(description);
        } else if (description.endsWith(named)) {
            filters.append(description.left(description.size() - named.size()) + inParentheses);
        } else {
            filters.append((description + u' ' + inParentheses).trimmed());
        }
    }
    return filters.join(QStringLiteral(";;"));
}

QString DefaultSuffixOf(std::string_view filter) {
    const auto parts =
        QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())).split(u'|');
    if (parts.size() < 2) {
        return {};
    }
    const auto patterns = PatternsOf(parts[1]);
    if (patterns.isEmpty() || !patterns.front().startsWith(QStringLiteral("*."))) {
        return {};
    }
    const auto suffix = patterns.front().mid(2);
    return suffix.contains(u'*') || suffix.contains(u'?') ? QString{} : suffix;
}

std::unique_ptr<QFileDialog> MakeFileDialog(const FileDialogRequest& request,
                                            const QString& dataDirectory, QWidget* parent) {
    auto dialog = std::make_unique<QFileDialog>(parent, QString::fromStdString(request.Title));
    const bool saving = request.Kind == FileDialogKind::SaveAs;
    dialog->setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(!saving && request.FileMustExist ? QFileDialog::ExistingFile
                                                         : QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, !(saving && request.ConfirmOverwrite));
    dialog->setNameFilter(QtFilterOf(request.Filter));
    if (saving) {
        dialog->setDefaultSuffix(DefaultSuffixOf(request.Filter));
        // A name typed without an extension takes the one of the filter shown
        // when the dialog closes, so the filter chooses the file's type.
        QObject::connect(dialog.get(), &QFileDialog::filterSelected, dialog.get(),
                         [d = dialog.get()](const QString& filter) {
                             d->setDefaultSuffix(SuffixOfShownFilter(filter));
                         });
    }

    auto directory = request.InitialDirectory.empty()
                         ? dataDirectory
                         : QString::fromStdString(request.InitialDirectory);
    const auto initialName = QString::fromStdString(request.InitialFileName);
    const QFileInfo initialFile(initialName);
    if (!initialName.isEmpty() && initialFile.isAbsolute()) {
        // A name that is a whole path (a file chosen before) opens in its own folder.
        directory = initialFile.absolutePath();
    }
    dialog->setDirectory(directory);
    if (!initialName.isEmpty()) {
        dialog->selectFile(initialFile.isAbsolute() ? initialFile.fileName() : initialName);
    }
    return dialog;
}

} // namespace vorla::ui
