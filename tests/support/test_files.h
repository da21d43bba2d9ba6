#pragma once

#include <filesystem>
#include <string>

namespace taviro::test {

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& content);

std::filesystem::path FixturesDir();

} // namespace taviro::test
