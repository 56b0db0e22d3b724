// Settings paths and values of any shape, against the real store in a folder of its own: what
// is written is read back, and nothing lands outside the configuration folder.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "settings/posix_store_path.h"
#include "settings/registry_common.h"

namespace {

std::filesystem::path gRoot;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char folder[] = "/tmp/duplexa-settings-fuzz-XXXXXX";
    if (::mkdtemp(folder) == nullptr) {
        std::abort();
    }
    gRoot = std::filesystem::path(folder) / "config";
    std::filesystem::create_directory(gRoot);
    ::setenv("XDG_CONFIG_HOME", gRoot.c_str(), 1);
    std::atexit([] { std::filesystem::remove_all(gRoot.parent_path()); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace duplexa;
    // Each input starts from an empty store, so the runs stay as quick as the first.
    std::filesystem::remove_all(gRoot);
    std::filesystem::create_directory(gRoot);
    // key path, value name and the value's bytes, split at the first two '|'.
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t first = input.find('|');
    const std::size_t second = first == std::string_view::npos ? first : input.find('|', first + 1);
    if (second == std::string_view::npos) {
        return 0;
    }
    const std::string keyPath(input.substr(0, first));
    const std::string valueName(input.substr(first + 1, second - first - 1));
    const std::string_view bytes = input.substr(second + 1);
    const std::int32_t value = bytes.empty() ? 0 : static_cast<std::uint8_t>(bytes[0]) * 257;

    (void)registry::posix_store::KeyFolders(keyPath);
    (void)registry::posix_store::IsStoreName(valueName);
    const std::int32_t written = modRegistryCommon::RegWriteWord(
        modRegistryCommon::kHkeyCurrentUser, keyPath, valueName, value);
    std::int32_t read = -1;
    const std::int32_t got = modRegistryCommon::RegReadWord(modRegistryCommon::kHkeyCurrentUser,
                                                            keyPath, valueName, 0x7700, read);
    if (written == 0 && (got != 0 || read != (value & 0xFFFF))) {
        std::abort();  // stored, but not read back
    }
    // A stored value of any length and bytes, read as the language.
    const auto language = gRoot / "Veltrimo" / "Language";
    std::filesystem::create_directories(language.parent_path());
    if (FILE* file = std::fopen(language.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    const std::int32_t loaded = modRegistryCommon::LoadLanguage();
    if (loaded < 0 || loaded > 0xFFFF || (bytes.size() > 2 && loaded != 1)) {
        std::abort();
    }
    // Nothing is ever stored beside the configuration folder.
    for (const auto& entry : std::filesystem::directory_iterator(gRoot.parent_path())) {
        if (entry.path() != gRoot) {
            std::abort();
        }
    }
    return 0;
}
