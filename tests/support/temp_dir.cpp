#include "support/temp_dir.h"

#include <atomic>
#include <fstream>
#include <random>
#include <stdexcept>

namespace duplexa::test {
namespace fs = std::filesystem;
namespace {

fs::path FromUtf8(std::string_view text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

std::string ToUtf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace

TempDir::TempDir() {
    static std::atomic<unsigned> serial{0};
    std::random_device seed;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate =
            fs::temp_directory_path() /
            ("duplexa-test-" + std::to_string(seed()) + "-" + std::to_string(serial++));
        if (fs::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
    std::error_code ignored;
    // Tests may take permissions away; give them back so everything can be removed.
    for (auto it = fs::recursive_directory_iterator(path_, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored)) {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(path_, ignored);
}

std::string TempDir::Write(std::string_view name, const std::vector<std::uint8_t>& bytes) const {
    const fs::path file = path_ / FromUtf8(name);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + file.string());
    }
    return ToUtf8(file);
}

std::string TempDir::Write(std::string_view name, std::string_view text) const {
    return Write(name, std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::string TempDir::Sparse(std::string_view name, std::int64_t length) const {
    const fs::path file = path_ / FromUtf8(name);
    { std::ofstream create(file, std::ios::binary | std::ios::trunc); }
    fs::resize_file(file, static_cast<std::uintmax_t>(length));
    return ToUtf8(file);
}

std::vector<std::uint8_t> PatternBytes(std::size_t length, std::uint32_t seed) {
    std::vector<std::uint8_t> bytes(length);
    std::uint32_t state = seed * 2654435761u + 1;
    for (auto& byte : bytes) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<std::uint8_t>(state >> 24);
    }
    return bytes;
}

}  // namespace duplexa::test
