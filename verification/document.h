// The verification document: docs/verification/README.md with its plots as
// SVG and PNG files, built in memory so that it can be written or compared
// with the committed one.
#pragma once

#include "verification/case_report.h"

#include <QByteArray>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vorla::verification {

// File name (no folder) to content.
using DocumentFiles = std::map<std::string, QByteArray>;

DocumentFiles BuildDocument(const std::vector<CaseReport>& reports);

// Writes every file into `folder` (created when missing); the first failure
// is returned as a sentence.
std::optional<std::string> WriteDocument(const DocumentFiles& files, const std::string& folder);

// The differences between the files and those in `folder`, one sentence each:
// the Markdown and the SVG files byte for byte, the PNG files pixel for pixel
// (their compressed bytes may differ between zlib versions; the pictures
// may not). Files of the folder that the document no longer has count too.
std::vector<std::string> CompareDocument(const DocumentFiles& files, const std::string& folder);

} // namespace vorla::verification
