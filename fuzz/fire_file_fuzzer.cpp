// The fire file reader on any text: it either refuses the file with a message
// naming it, or gives a table the models can interpolate without overflow.
#include "common/fire_files/fire_file_reader.h"
#include "fuzz/fuzz_input.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using vorla::fuzz::Require;
    auto table = std::make_unique<vorla::FireTable>();
    const auto error = vorla::ParseFireFile(vorla::fuzz::TextOf(data, size), "FUZZ.FIR", *table);
    if (error) {
        Require(vorla::DescribeFireFileError(*error).find("FUZZ.FIR") != std::string::npos);
        return 0;
    }
    Require(table->LastIndex >= 1 && table->LastIndex < vorla::kFireTableCapacity);
    for (int k = 0; k <= table->LastIndex; ++k) {
        const auto& point = table->Points[k];
        Require(point.Time >= std::numeric_limits<std::int16_t>::min() &&
                point.Time <= std::numeric_limits<std::int16_t>::max());
        Require(point.Rate >= 0 && std::isfinite(static_cast<float>(point.Rate)));
        Require(k == 0 || point.Time >= table->Points[k - 1].Time);
        const double rate = vorla::FireRateAt(*table, point.Time);
        Require(!std::isnan(rate));
    }
    Require(!std::isnan(vorla::FireRateAt(*table, 0)));
    return 0;
}
