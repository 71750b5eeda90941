#include "verification/peer_test_file.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <optional>
#include <sstream>

namespace vorla::verification {
namespace {

// The records of a namelist file: "&TYPE key = value ... /", type first.
std::vector<std::string> Records(const std::string& text) {
    std::vector<std::string> records;
    std::size_t at = text.find('&');
    while (at != std::string::npos) {
        const std::size_t next = text.find('&', at + 1);
        records.push_back(text.substr(at + 1, next == std::string::npos ? next : next - at - 1));
        at = next;
    }
    return records;
}

bool IsType(const std::string& record, const std::string& type) {
    return record.compare(0, type.size() + 1, type + " ") == 0;
}

// The numbers after "KEY =" (a list separated by commas), or nothing when the
// key is not in the record.
std::optional<std::vector<double>> Values(const std::string& record, const std::string& key) {
    std::size_t at = 0;
    while ((at = record.find(key, at)) != std::string::npos) {
        const bool startsWord =
            at == 0 || record[at - 1] == ' ' || record[at - 1] == ',' || record[at - 1] == '\n';
        std::size_t pos = at + key.size();
        while (pos < record.size() && record[pos] == ' ') {
            ++pos;
        }
        if (startsWord && pos < record.size() && record[pos] == '=') {
            std::vector<double> values;
            const char* c = record.c_str() + pos + 1;
            while (true) {
                char* end = nullptr;
                const double v = std::strtod(c, &end);
                if (end == c) {
                    break;
                }
                values.push_back(v);
                c = end;
                while (*c == ' ') {
                    ++c;
                }
                if (*c != ',') {
                    break;
                }
                ++c;
            }
            if (!values.empty()) {
                return values;
            }
        }
        at += key.size();
    }
    return std::nullopt;
}

} // namespace

std::variant<PeerTest, std::string> ReadPeerTest(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return "The test file " + path + " cannot be read.";
    }
    std::ostringstream text;
    text << file.rdbuf();
    return ParsePeerTest(text.str(), path);
}

std::variant<PeerTest, std::string> ParsePeerTest(const std::string& text,
                                                  const std::string& name) {
    PeerTest test;
    bool room = false;
    bool chemistry = false;
    bool place = false;
    const auto missing = [&](const std::string& what) {
        return name + ": " + what + " is missing.";
    };
    for (const std::string& record : Records(text)) {
        if (IsType(record, "HEAD")) {
            const std::size_t open = record.find('\'');
            const std::size_t close = record.rfind('\'');
            if (open != std::string::npos && close > open) {
                for (const char c : record.substr(open + 1, close - open - 1)) {
                    if (c != '"') {
                        test.Title += c;
                    }
                }
            }
        } else if (IsType(record, "INIT")) {
            if (const auto t = Values(record, "INTERIOR_TEMPERATURE")) {
                test.Ambient = t->front();
            }
        } else if (IsType(record, "COMP")) {
            const auto w = Values(record, "WIDTH");
            const auto d = Values(record, "DEPTH");
            const auto h = Values(record, "HEIGHT");
            if (!w || !d || !h) {
                return missing("the room's WIDTH, DEPTH or HEIGHT");
            }
            test.Width = w->front();
            test.Depth = d->front();
            test.Height = h->front();
            room = true;
        } else if (IsType(record, "VENT")) {
            if (record.find("'WALL'") == std::string::npos) {
                continue;
            }
            ++test.WallVents;
            const auto b = Values(record, "BOTTOM");
            const auto h = Values(record, "HEIGHT");
            const auto w = Values(record, "WIDTH");
            if (!b || !h || !w) {
                return missing("a wall vent's BOTTOM, HEIGHT or WIDTH");
            }
            test.VentBottom = b->front();
            test.VentHeight = h->front();
            test.VentWidth = w->front();
            if (const std::size_t face = record.find("FACE = '"); face != std::string::npos) {
                const std::size_t end = record.find('\'', face + 8);
                test.VentFace = record.substr(face + 8, end - face - 8);
            }
        } else if (IsType(record, "MVNT")) {
            ++test.MechanicalVents;
        } else if (IsType(record, "FIRE")) {
            const auto at = Values(record, "LOCATION");
            if (!at || at->size() < 2) {
                return missing("the fire's LOCATION");
            }
            test.FireX = (*at)[0];
            test.FireY = (*at)[1];
            place = true;
        } else if (IsType(record, "CHEM")) {
            const auto r = Values(record, "RADIATIVE_FRACTION");
            if (!r) {
                return missing("the RADIATIVE_FRACTION");
            }
            test.RadiativeFraction = r->front();
            chemistry = true;
        } else if (IsType(record, "TABL")) {
            // DATA = time, HRR, height, area, yields...
            if (const auto data = Values(record, "DATA"); data && data->size() >= 4) {
                test.Fire.push_back({static_cast<int>(std::lround((*data)[0])), (*data)[1]});
                if (test.Fire.size() == 1) {
                    test.FireBase = (*data)[2];
                    test.FireArea = (*data)[3];
                }
            }
        }
    }
    if (!room) {
        return missing("the compartment (&COMP)");
    }
    if (test.WallVents == 0) {
        return missing("a wall vent");
    }
    if (!place || !chemistry || test.Fire.size() < 2) {
        return missing("the fire (&FIRE, &CHEM and two &TABL DATA rows)");
    }
    return test;
}

double VentWallLength(const PeerTest& test) {
    return test.VentFace == "LEFT" || test.VentFace == "RIGHT" ? test.Depth : test.Width;
}

FirePosition PlaceOfFire(const PeerTest& test) {
    const double diameter = std::sqrt(4 * test.FireArea / std::numbers::pi);
    const bool xWall = test.FireX <= diameter || test.Width - test.FireX <= diameter;
    const bool yWall = test.FireY <= diameter || test.Depth - test.FireY <= diameter;
    if (xWall && yWall) {
        return FirePosition::InCorner;
    }
    return xWall || yWall ? FirePosition::AgainstWall : FirePosition::Centre;
}

} // namespace vorla::verification
