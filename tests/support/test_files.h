#pragma once

#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

namespace lumora::testing {

inline std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

// An empty directory of the running test's own, removed with everything in it afterwards.
class ScratchDir {
  public:
    ScratchDir() : path_(std::filesystem::temp_directory_path() / UniqueName()) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    operator const std::filesystem::path&() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    static std::string UniqueName() {
        std::string name = "lumora-test-" + std::to_string(::getpid());
        if (const auto* test = ::testing::UnitTest::GetInstance()->current_test_info()) {
            name += std::string("-") + test->test_suite_name() + "-" + test->name();
        }
        for (char& c : name) {
            if (c == '/') {
                c = '_';  // parameterised tests
            }
        }
        return name;
    }

    std::filesystem::path path_;
};

}  // namespace lumora::testing
