// The experiments' relative spread σ̃_E that a peer model's validation guide
// uses for one quantity: the Sigma_E column, in per cent, of its scatter plot
// inputs (the NIST models' Utilities/Matlab/*_validation_scatterplot_inputs.csv),
// on the row whose Scatter_Plot_Title names the quantity. The validation reads
// its σ̃_E from the copied files, so each value is the source's own.
#pragma once

#include <string>
#include <variant>
#include <vector>

namespace vorla::verification {

// The fields of one CSV line; a field in double quotes may hold commas, and a
// doubled quote inside it is one quote.
std::variant<std::vector<std::string>, std::string> CsvFields(const std::string& line);

// σ̃_E as a fraction (the file's 7 is 0.07), or a sentence naming the file and
// what is wrong with it.
std::variant<double, std::string> SigmaEOf(const std::string& text, const std::string& path,
                                           const std::string& title);
std::variant<double, std::string> ReadSigmaE(const std::string& path, const std::string& title);

} // namespace vorla::verification
