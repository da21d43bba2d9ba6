#pragma once

#include <string>
#include <string_view>

namespace taviro {

// A file that replaces the file at its path only when it was written completely: the content goes
// to a temporary file beside the path, Commit flushes it to disk and renames it over the path.
// Until then, and whenever writing fails, any old file at the path is untouched; an uncommitted
// temporary file is removed. Failures throw a TaviroError telling the problem in Indonesian
// (without the file name: the caller adds it).
class AtomicFile {
public:
    explicit AtomicFile(const std::string& path);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    void Write(std::string_view data);
    void Commit();

private:
    void SyncFolder() const;

    std::string path_;
    std::string temporary_;
    int fd_ = -1;
};

// The Indonesian wording of a system error number.
std::string SystemProblem(int error);

} // namespace taviro
