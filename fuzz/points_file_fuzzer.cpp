// `vorla fire custom --points` on any text: the points file parser, then the
// points typed into the custom fire form, then the fire file written from
// them. Whatever is written must read back with the models' own reader.
#include "cli/fire_custom_entry.h"
#include "cli/fire_points_file.h"
#include "common/fire_files/fire_file_reader.h"
#include "fire_generator/curves/curve_command.h"
#include "fire_generator/curves/fire_file_save.h"
#include "fuzz/fuzz_input.h"

#include <cstdint>
#include <memory>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using vorla::fuzz::Require;
    auto parsed = vorla::cli::ParseFirePoints(vorla::fuzz::TextOf(data, size), "FUZZ.TXT");
    if (const auto* problem = std::get_if<std::string>(&parsed)) {
        Require(problem->find("FUZZ.TXT") != std::string::npos);
        return 0;
    }
    auto module = std::make_unique<vorla::generator::DesignFireState>();
    vorla::generator::ChooseUnits(*module, vorla::UnitSystem::SI);
    const auto& points = std::get<std::vector<vorla::cli::FirePointText>>(parsed);
    if (vorla::cli::EnterCustomPoints(*module, points)) {
        return 0;
    }
    const auto content = vorla::generator::FireFileContent(*module, "FUZZ.FIR", "01/01/2000");
    if (const auto* text = std::get_if<std::string>(&content)) {
        auto table = std::make_unique<vorla::FireTable>();
        Require(!vorla::ParseFireFile(*text, "FUZZ.FIR", *table));
        Require(table->LastIndex == module->LastPoint);
    }
    return 0;
}
