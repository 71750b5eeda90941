#include "cli/fire_command_help.h"

#include <string>

namespace vorla::cli {
namespace {

constexpr std::string_view kCommonOptions =
    "Options every kind takes:\n"
    "  --units si|us             the units the values are typed in (default si)\n"
    "  --heat-of-combustion X    kJ/kg, or Btu/lb with --units us; at most 120000 kJ/kg\n"
    "                            (default 12000 kJ/kg, shown as 5159 Btu/lb)\n"
    "  --delay S                 s from the start of the curve to ignition (default 0)\n"
    "  --description TEXT        one line for people reading the file; the first 60\n"
    "                            characters are kept\n"
    "  --date TEXT               the date on the file's name line (default today's date\n"
    "                            in the system's short format)\n"
    "  -o FILE.fir               the fire file to write (needed), replacing it whole only\n"
    "                            once the new one is complete; \"-o -\" writes it to\n"
    "                            standard output (its name line then holds no name); it\n"
    "                            may not be the points file of a custom fire\n"
    "  --help                    this text\n"
    "  --version                 the suite's version\n"
    "\n"
    "Times go in whole seconds up to 32767 s from the start of the curve. The file\n"
    "holds times in s and rates in kW whatever --units says; -o, --date and\n"
    "--description are one line each. A rejected input prints QDOT-XW's message and\n"
    "exits with 2; a file that cannot be read or written exits with 1.\n";

constexpr std::string_view kFireUsage =
    "Usage: vorla fire <kind> [options] -o FILE.fir\n"
    "\n"
    "Builds a design fire as QDOT-XW does and writes its fire file, the table of heat\n"
    "release rate against time that VORLA-XW and SKEVA-XW read.\n"
    "\n"
    "Kinds:\n"
    "  tsquared   --alpha X --t-max S --t-end S\n"
    "  universal  --t-end S\n"
    "  pool       --mass-loss-rate X --k-beta X --diameter D --t-end S\n"
    "  furniture  --mass M [--fabric thermoplastic|cellulosic|pvc] [--padding foam|cotton]\n"
    "             [--style ornate|high|low|plain]\n"
    "             [--frame-combustibility non-combustible|melting|wood|charring]\n"
    "             [--frame-material metal|wood]\n"
    "  custom     --points FILE\n"
    "\n";

constexpr std::string_view kFireUsageEnd =
    "\n'vorla fire <kind> --help' explains the options of a kind.\n";

struct KindHelp {
    std::string_view kind;
    std::string_view text;
};

constexpr KindHelp kKindHelp[] = {
    {"tsquared",
     "Usage: vorla fire tsquared --alpha X --t-max S --t-end S [options] -o FILE.fir\n"
     "\n"
     "A t-squared fire: alpha * t^2 after ignition, flat from t-max on, one point\n"
     "every 5 s.\n"
     "\n"
     "  --alpha X    growth factor, kW/s² (Btu/s/s² with --units us); above 0, at most\n"
     "               2.11 kW/s² (2 Btu/s/s²)\n"
     "  --t-max S    s from ignition to the maximum; above 0\n"
     "  --t-end S    s from ignition to the end of the curve; 1 to 9000\n"
     "\n"},
    {"universal",
     "Usage: vorla fire universal --t-end S [options] -o FILE.fir\n"
     "\n"
     "A semi-universal fire: 10 kW at ignition growing in three exponential phases\n"
     "joined at 147.6 s (400 kW) and 349 s (3000 kW), rates in kW in both unit systems.\n"
     "\n"
     "  --t-end S    s from ignition to the end of the curve; 1 to 600\n"
     "\n"},
    {"pool", "Usage: vorla fire pool --mass-loss-rate X --k-beta X --diameter D --t-end S\n"
             "                       [options] -o FILE.fir\n"
             "\n"
             "A pool fire: the rate of a burning liquid pool, reached 1 s after ignition and\n"
             "held to the end of burning.\n"
             "\n"
             "  --mass-loss-rate X   infinite size pool mass loss rate, kg/m²-s (lb/ft²-s);\n"
             "                       above 0, at most 1 kg/m²-s\n"
             "  --k-beta X           K x Beta, 1/m (1/ft); above 0, at most 10 1/m\n"
             "  --diameter D         pool diameter, m (ft); at least 0.2 m\n"
             "  --t-end S            s from ignition to the end of burning; 1 to 9000\n"
             "\n"},
    {"furniture",
     "Usage: vorla fire furniture --mass M [factors] [options] -o FILE.fir\n"
     "\n"
     "A furniture fire: a triangle whose peak follows from the combustible mass and\n"
     "the construction factors, and whose burning time follows from the heat of\n"
     "combustion and the frame material.\n"
     "\n"
     "  --mass M                 combustible mass, kg (lb); above 0\n"
     "  --fabric thermoplastic|cellulosic|pvc         FF 1.00, 0.40, 0.25 (default thermoplastic)\n"
     "  --padding foam|cotton                          PF 1.00, 0.40 (default foam)\n"
     "  --style ornate|high|low|plain                  SF 1.50, 1.30, 1.20, 1.00 (default ornate)\n"
     "  --frame-combustibility non-combustible|melting|wood|charring\n"
     "                           FC 1.66, 0.58, 0.30, 0.18 (default non-combustible)\n"
     "  --frame-material metal|wood                    FM 1.80, 1.30 (default metal)\n"
     "\n"},
    {"custom",
     "Usage: vorla fire custom --points FILE [options] -o FILE.fir\n"
     "\n"
     "A custom fire typed point by point.\n"
     "\n"
     "  --points FILE   one \"time rate\" pair a line: time in s, rate in kW (Btu/s with\n"
     "                  --units us); times rise strictly after the first point, rates are\n"
     "                  0 or more; blank lines and lines starting with # are skipped.\n"
     "                  With a delay of 1 s or more the curve starts with (0, 0) and\n"
     "                  (delay, 0), and the file gives the points after them. At least\n"
     "                  two points, at most 1800.\n"
     "\n"},
};

} // namespace

std::string FireUsage() {
    return std::string(kFireUsage) + std::string(kCommonOptions) + std::string(kFireUsageEnd);
}

std::string FireKindUsage(std::string_view kind) {
    for (const auto& help : kKindHelp) {
        if (help.kind == kind) {
            return std::string(help.text) + std::string(kCommonOptions);
        }
    }
    return FireUsage();
}

} // namespace vorla::cli
