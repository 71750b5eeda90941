// Every reader of the batch command takes only a regular file of reasonable
// size: a device, a FIFO or a huge file is refused at once with a message
// naming it, and never blocks or fills memory.
#include "cli/vorla_command.h"
#include "common/files/text_file.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace vorla::cli {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Compartment(std::vector<std::string> more) {
    std::vector<std::string> args = {"compartment",
                                     "--title",
                                     "T",
                                     "--output-name",
                                     "R.VOF",
                                     "--floor-area",
                                     "20",
                                     "--room-height",
                                     "2.4",
                                     "--vent-width",
                                     "0.9",
                                     "--sill-height",
                                     "0",
                                     "--soffit-height",
                                     "2",
                                     "--fire-height",
                                     "0",
                                     "--run-time",
                                     "60",
                                     "-o",
                                     "-"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

std::vector<std::string> Smoke(std::vector<std::string> more) {
    std::vector<std::string> args = {"smoke", "--title",      "T",  "--output-name",
                                     "R.SOF", "--floor-area", "30", "--room-height",
                                     "3",     "--run-time",   "60", "-o",
                                     "-"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(ReaderLimits, EveryReaderRefusesWhatIsNotAFileOfReasonableSize) {
    const fs::path folder =
        fs::temp_directory_path() / ("vorla-reader-limits-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const std::string fifo = (folder / "FIFO").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string huge = (folder / "HUGE").string();
    {
        // A fire file's first point, then blanks past the limit.
        std::ofstream out(huge, std::ios::binary);
        out << "0 0 0\r\n" << std::string(kLargestReadableFile, ' ');
    }
    const std::string notRegular = "it is not a regular file";
    const std::string tooLarge = "it is larger than 4 MB";
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {Compartment({"--fire", "/dev/zero"}),
         "vorla compartment: The fire file /dev/zero cannot be opened (" + notRegular + ").\n"},
        {Compartment({"--fire", fifo}),
         "vorla compartment: The fire file " + fifo + " cannot be opened (" + notRegular + ").\n"},
        {Compartment({"--fire", huge}),
         "vorla compartment: The fire file " + huge + " cannot be opened (" + tooLarge + ").\n"},
        {Compartment({"--from", "/dev/zero"}),
         "vorla compartment: /dev/zero: The report file /dev/zero cannot be opened (" + notRegular +
             ").\n"},
        {Compartment({"--from", huge}), "vorla compartment: " + huge + ": The report file " + huge +
                                            " cannot be opened (" + tooLarge + ").\n"},
        {Smoke({"--fire", fifo}),
         "The fire file " + fifo + " cannot be opened (" + notRegular + ").\n"},
        {Smoke({"--from", fifo}),
         "vorla smoke: The results file " + fifo + " cannot be opened (" + notRegular + ").\n"},
        {Smoke({"--from", huge}),
         "vorla smoke: The results file " + huge + " cannot be opened (" + tooLarge + ").\n"},
        {{"fire", "custom", "--points", "/dev/zero", "-o", "-"},
         "vorla: The points file /dev/zero cannot be opened (" + notRegular + ").\n"},
        {{"fire", "custom", "--points", huge, "-o", "-"},
         "vorla: The points file " + huge + " cannot be opened (" + tooLarge + ").\n"},
    };
    for (const auto& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(RunVorla(c.args, out, err), kExitFileProblem) << c.message;
        EXPECT_EQ(err.str(), c.message);
        EXPECT_EQ(out.str(), "");
    }
    fs::remove_all(folder);
}

} // namespace
} // namespace vorla::cli
