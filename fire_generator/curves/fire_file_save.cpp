#include "fire_generator/curves/fire_file_save.h"

#include "common/files/atomic_file.h"
#include "common/fire_files/fire_file_reader.h"
#include "fire_generator/curves/fire_file_writer.h"

namespace vorla::generator {
namespace {

RejectedInput SaveError(std::string message) {
    return RejectedEntry(std::move(message), "cmdSave", -1, kSaveDataErrorTitle);
}

} // namespace

std::optional<RejectedInput> CheckFireFileColumns(const DesignFireState& module) {
    for (int a = 0; a <= module.LastPoint; ++a) {
        const auto column = ColumnTooNarrowFor(module.FireRate[a], module.HeatOfCombustion);
        if (!column) {
            continue;
        }
        const std::string at = " at " + std::to_string(module.FireTime[a]) + " s";
        if (*column == FireFileColumn::Rate) {
            return SaveError("The fire curve was not saved: the heat release rate" + at +
                             " is too large for a fire file, which holds at most " +
                             std::string(kLargestFireFileRate) + " kW.");
        }
        return SaveError("The fire curve was not saved: the burning rate" + at +
                         " (heat release rate / heat of combustion) is too large for a fire "
                         "file, which holds at most " +
                         std::string(kLargestFireFileBurningRate) + " g/s.");
    }
    return std::nullopt;
}

std::variant<std::string, RejectedInput>
FireFileContent(const DesignFireState& module, std::string_view path, std::string_view date) {
    std::string text = FireFileText(module.FireTime, module.FireRate, module.LastPoint,
                                    module.HeatOfCombustion, path, date, module.FireDescription);

    // The models read the file with this very reader: a table it would reject
    // is never written.
    FireTable readBack;
    if (const auto error = ParseFireFile(text, std::string(path), readBack)) {
        if (error->kind == FireFileError::Kind::TooFewPoints) {
            return SaveError("The fire curve has fewer than two points. VORLA-XW and SKEVA-XW "
                             "can not read such a fire file, so it was not saved.");
        }
        return SaveError("The fire curve was not saved: VORLA-XW and SKEVA-XW could not read "
                         "it. " +
                         DescribeFireFileError(*error));
    }
    return text;
}

std::optional<RejectedInput> SaveFireFile(const DesignFireState& module, std::string_view date) {
    return SaveFireFileTo(module, module.FireFileName, date);
}

std::optional<RejectedInput> SaveFireFileTo(const DesignFireState& module, const std::string& path,
                                            std::string_view date) {
    if (auto refusal = CheckFireFileColumns(module)) {
        return refusal;
    }
    auto content = FireFileContent(module, path, date);
    if (auto* refusal = std::get_if<RejectedInput>(&content)) {
        return *refusal;
    }
    if (auto error = WriteFileAtomically(path, std::get<std::string>(content))) {
        return SaveError(*error + " The fire curve was not saved.");
    }
    return std::nullopt;
}

} // namespace vorla::generator
