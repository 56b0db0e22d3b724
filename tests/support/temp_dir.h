#pragma once
// A fresh folder for one test, removed with everything in it when the test ends.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace duplexa::test {

class TempDir {
  public:
    TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir();

    const std::filesystem::path& path() const { return path_; }

    // Writes a file with the given bytes and returns its full path as UTF-8.
    std::string Write(std::string_view name, const std::vector<std::uint8_t>& bytes) const;
    std::string Write(std::string_view name, std::string_view text) const;
    // A file of the given length with no data written (sparse where the file system allows).
    std::string Sparse(std::string_view name, std::int64_t length) const;

  private:
    std::filesystem::path path_;
};

// length bytes of a repeatable pseudo-random pattern.
std::vector<std::uint8_t> PatternBytes(std::size_t length, std::uint32_t seed = 1);

}  // namespace duplexa::test
