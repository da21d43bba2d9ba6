#include "support/test_files.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include <unistd.h>

namespace taviro::test {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "taviro-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& content) {
    std::ofstream file(path, std::ios::binary);
    file << content;
}

std::filesystem::path FixturesDir() { return TAVIRO_FIXTURES_DIR; }

} // namespace taviro::test
