#include "verification/vettori_tests.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace vorla::verification {
namespace {

std::vector<std::string> VettoriLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> VettoriFields(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, ',')) {
        fields.push_back(field);
    }
    return fields;
}

// The whole of `text` as a number, or nothing ("NaN" is a number here: the
// caller skips it).
std::optional<double> VettoriNumber(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    const double value = std::strtod(begin, &end);
    if (end == begin) {
        return std::nullopt;
    }
    while (*end == ' ') {
        ++end;
    }
    return *end == '\0' ? std::optional<double>(value) : std::nullopt;
}

// The numbers after `key=` in a namelist line, separated by commas (as many
// as `count`); `key` must start the line's word (after a blank, a comma or
// the namelist's name).
std::optional<std::vector<double>> NamelistValues(const std::string& line, const std::string& key,
                                                  std::size_t count) {
    std::size_t at = 0;
    while ((at = line.find(key + "=", at)) != std::string::npos) {
        if (at > 0 && line[at - 1] != ' ' && line[at - 1] != ',') {
            at += key.size();
            continue;
        }
        const char* p = line.c_str() + at + key.size() + 1;
        std::vector<double> values;
        while (values.size() < count) {
            char* end = nullptr;
            const double value = std::strtod(p, &end);
            if (end == p) {
                return std::nullopt;
            }
            values.push_back(value);
            p = end;
            while (*p == ' ') {
                ++p;
            }
            if (values.size() < count) {
                if (*p != ',') {
                    return std::nullopt;
                }
                ++p;
            }
        }
        return values;
    }
    return std::nullopt;
}

void AddMeasured(MeasuredActivations& times, int test, int sprinkler, double seconds) {
    auto& list = times[test];
    list.emplace_back(sprinkler, seconds);
    std::sort(list.begin(), list.end());
}

std::optional<std::string> SlurpVettoriFile(const std::filesystem::path& path, std::string& text) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return "The file " + path.string() + " cannot be read.";
    }
    std::ostringstream content;
    content << file.rdbuf();
    text = content.str();
    return std::nullopt;
}

} // namespace

const char* BurnerPlaceWord(BurnerPlace place) {
    switch (place) {
    case BurnerPlace::Wall:
        return "wall";
    case BurnerPlace::Corner:
        return "corner";
    case BurnerPlace::Open:
        break;
    }
    return "open";
}

bool HasBeamedCeiling(int test) {
    return test % 5 == 4 || test % 5 == 0;
}

std::variant<MeasuredActivations, std::string> ParseActivationColumns(const std::string& text,
                                                                      const std::string& name) {
    const auto lines = VettoriLines(text);
    if (lines.size() < 2) {
        return name + " has no row of times under its names.";
    }
    const auto names = VettoriFields(lines[0]);
    const auto values = VettoriFields(lines[1]);
    if (names.size() != values.size()) {
        return name + " has " + std::to_string(names.size()) + " names and " +
               std::to_string(values.size()) + " times.";
    }
    MeasuredActivations times;
    for (std::size_t i = 1; i < names.size(); ++i) {
        int test = 0;
        int sprinkler = 0;
        char tail = 0;
        if (std::sscanf(names[i].c_str(), "Time-%d-%d%c", &test, &sprinkler, &tail) != 2 ||
            test < 1 || sprinkler < 1) {
            return name + ": the column \"" + names[i] + "\" is not Time-<test>-<sprinkler>.";
        }
        const auto seconds = VettoriNumber(values[i]);
        if (!seconds || !(*seconds > 0)) {
            return name + ": the time \"" + values[i] + "\" of " + names[i] +
                   " is not a positive number.";
        }
        AddMeasured(times, test, sprinkler, *seconds);
    }
    return times;
}

std::variant<MeasuredActivations, std::string> ParseActivationTable(const std::string& text,
                                                                    const std::string& name) {
    const auto lines = VettoriLines(text);
    if (lines.empty()) {
        return name + " is empty.";
    }
    const auto names = VettoriFields(lines[0]);
    std::vector<int> tests;
    for (const std::string& column : names) {
        int test = 0;
        char tail = 0;
        if (std::sscanf(column.c_str(), "Test_%d%c", &test, &tail) != 1 || test < 1) {
            return name + ": the column \"" + column + "\" is not Test_<number>.";
        }
        tests.push_back(test);
    }
    MeasuredActivations times;
    for (std::size_t row = 1; row < lines.size(); ++row) {
        if (lines[row].empty()) {
            continue;
        }
        const auto values = VettoriFields(lines[row]);
        if (values.size() != tests.size()) {
            return name + ": row " + std::to_string(row + 1) + " has " +
                   std::to_string(values.size()) + " values for " + std::to_string(tests.size()) +
                   " tests.";
        }
        for (std::size_t i = 0; i < values.size(); ++i) {
            const auto seconds = VettoriNumber(values[i]);
            if (!seconds) {
                return name + ": \"" + values[i] + "\" in row " + std::to_string(row + 1) +
                       " is not a number.";
            }
            if (std::isnan(*seconds)) {
                continue;
            }
            AddMeasured(times, tests[i], static_cast<int>(row), *seconds);
        }
    }
    return times;
}

std::variant<std::vector<VettoriTest>, std::string>
ParseCorrelationInputs(const std::string& text, const std::string& name) {
    std::vector<VettoriTest> tests;
    for (const std::string& line : VettoriLines(text)) {
        if (line.rfind("&SPRINKLER", 0) != 0) {
            continue;
        }
        VettoriTest t;
        const std::size_t file = line.find("_Test_");
        if (file == std::string::npos ||
            std::sscanf(line.c_str() + file, "_Test_%d", &t.Number) != 1) {
            return name + ": a &SPRINKLER line names no test in its OUTPUT_FILE.";
        }
        const std::string which = name + ", test " + std::to_string(t.Number);
        struct Field {
            const char* Key;
            double* Value;
        };
        double factor = 0;
        const Field fields[] = {{"ALPHA", &t.Alpha},
                                {"RTI", &t.Rti},
                                {"ACTIVATION_TEMPERATURE", &t.Operating},
                                {"H", &t.Height},
                                {"R", &t.Radius},
                                {"TMP_A", &t.Ambient},
                                {"LOCATION_FACTOR", &factor}};
        for (const Field& f : fields) {
            const auto value = NamelistValues(line, f.Key, 1);
            if (!value) {
                return which + " has no " + f.Key + ".";
            }
            *f.Value = (*value)[0];
        }
        if (!(t.Alpha > 0) || !(t.Rti > 0) || !(t.Height > 0) || !(t.Radius > 0)) {
            return which + ": ALPHA, RTI, H and R must be positive.";
        }
        if (factor == 1) {
            t.Place = BurnerPlace::Open;
        } else if (factor == 2) {
            t.Place = BurnerPlace::Wall;
        } else if (factor == 4) {
            t.Place = BurnerPlace::Corner;
        } else {
            return which + ": LOCATION_FACTOR must be 1, 2 or 4.";
        }
        tests.push_back(t);
    }
    if (tests.empty()) {
        return name + " has no &SPRINKLER line.";
    }
    return tests;
}

std::variant<VettoriRoom, std::string> ParseFdsRoom(const std::string& text,
                                                    const std::string& name) {
    VettoriRoom room;
    bool mesh = false;
    bool opening = false;
    bool prop = false;
    std::optional<double> level;
    for (const std::string& line : VettoriLines(text)) {
        if (line.rfind("&MESH", 0) == 0) {
            const auto xb = NamelistValues(line, "XB", 6);
            if (!xb) {
                return name + ": the MESH line has no XB of six numbers.";
            }
            room.Width = (*xb)[1] - (*xb)[0];
            room.Depth = (*xb)[3] - (*xb)[2];
            room.Ceiling = (*xb)[5];
            mesh = true;
        } else if (line.rfind("&VENT", 0) == 0 && line.find("'OPEN'") != std::string::npos) {
            const auto xb = NamelistValues(line, "XB", 6);
            if (!xb) {
                return name + ": the OPEN vent has no XB of six numbers.";
            }
            const double dx = (*xb)[1] - (*xb)[0];
            const double dy = (*xb)[3] - (*xb)[2];
            room.OpeningWidth = std::min(dx, dy);
            room.OpeningLength = std::max(dx, dy);
            room.OpeningLevel = (*xb)[4];
            opening = true;
        } else if (line.rfind("&PROP", 0) == 0) {
            const auto rti = NamelistValues(line, "RTI", 1);
            const auto operating = NamelistValues(line, "ACTIVATION_TEMPERATURE", 1);
            if (!rti || !operating) {
                return name + ": the PROP line lacks RTI or ACTIVATION_TEMPERATURE.";
            }
            room.Rti = (*rti)[0];
            room.Operating = (*operating)[0];
            prop = true;
        } else if (line.rfind("&DEVC", 0) == 0 && line.find("SPRINKLER") != std::string::npos) {
            const auto xyz = NamelistValues(line, "XYZ", 3);
            if (!xyz) {
                return name + ": a sprinkler's DEVC line has no XYZ of three numbers.";
            }
            if (level && *level != (*xyz)[2]) {
                return name + ": the sprinklers do not hang at one level.";
            }
            level = (*xyz)[2];
        }
    }
    if (!mesh || !opening || !prop || !level) {
        return name + " lacks " +
               (!mesh      ? "the MESH line."
                : !opening ? "the OPEN vent."
                : !prop    ? "the sprinklers' PROP line."
                           : "the sprinklers' DEVC lines.");
    }
    room.SprinklerLevel = *level;
    if (!(room.Width > 0) || !(room.Depth > 0) || !(room.SprinklerLevel < room.Ceiling)) {
        return name + ": the room has no floor, or the sprinklers are not below its ceiling.";
    }
    return room;
}

std::variant<VettoriSeries, std::string> ReadVettoriSeries(const std::string& folder) {
    const std::filesystem::path root(folder);
    std::string act;
    std::string inputs;
    std::string fds;
    for (const auto& [file, text] :
         {std::pair<const char*, std::string*>{"Vettori_Flat_Ceiling_Act.csv", &act},
          {"Vettori_Correlation_Inputs.txt", &inputs},
          {"Vettori_SMOOTH_OPEN_FAST_lines.fds", &fds}}) {
        if (auto problem = SlurpVettoriFile(root / file, *text)) {
            return *problem;
        }
    }
    const auto times = ParseActivationColumns(act, "Vettori_Flat_Ceiling_Act.csv");
    if (const auto* problem = std::get_if<std::string>(&times)) {
        return *problem;
    }
    auto tests = ParseCorrelationInputs(inputs, "Vettori_Correlation_Inputs.txt");
    if (const auto* problem = std::get_if<std::string>(&tests)) {
        return *problem;
    }
    const auto room = ParseFdsRoom(fds, "Vettori_SMOOTH_OPEN_FAST_lines.fds");
    if (const auto* problem = std::get_if<std::string>(&room)) {
        return *problem;
    }
    VettoriSeries series;
    series.Room = std::get<VettoriRoom>(room);
    series.Tests = std::move(std::get<std::vector<VettoriTest>>(tests));
    const auto& measured = std::get<MeasuredActivations>(times);
    for (VettoriTest& t : series.Tests) {
        if (const auto found = measured.find(t.Number); found != measured.end()) {
            t.Measured = found->second;
        }
    }
    return series;
}

} // namespace vorla::verification
