// Study files and fire files written to a fresh temporary folder for a test.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace vorla::study {

class TestFolder {
  public:
    TestFolder() {
        static int counter = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("vorla-study-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
        // Three fires: growth to a steady 500, 1000 and 2000 kW.
        Write("slow.fir", "0 0 0\r\n300 500 0\r\n900 500 0\r\n-9 -9 -9\r\n");
        Write("medium.fir", "0 0 0\r\n150 1000 0\r\n900 1000 0\r\n-9 -9 -9\r\n");
        Write("fast.fir", "0 0 0\r\n75 2000 0\r\n900 2000 0\r\n-9 -9 -9\r\n");
        Write("backwards.fir", "0 0 0\r\n300 500 0\r\n200 500 0\r\n-9 -9 -9\r\n");
    }
    ~TestFolder() { std::filesystem::remove_all(path_); }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    std::string Write(const std::string& name, const std::string& content) const {
        const std::string path = Path(name);
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }
    std::string Path(const std::string& name) const { return (path_ / name).string(); }
    static std::string Read(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

  private:
    std::filesystem::path path_;
};

} // namespace vorla::study
