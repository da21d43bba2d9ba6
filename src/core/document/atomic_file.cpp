#include "core/document/atomic_file.h"

#include "core/taviro_error.h"
#include "core/text/number_text.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace taviro {

std::string SystemProblem(int error) {
    switch (error) {
    case ENOENT:
        return "berkas atau foldernya tidak ada";
    case EACCES:
    case EPERM:
        return "tidak ada izin untuk itu";
    case ENOSPC:
    case EDQUOT:
        return "ruang disk penuh";
    case EROFS:
        return "disknya hanya bisa dibaca";
    case EISDIR:
        return "nama itu dipakai oleh sebuah folder";
    case ENOTDIR:
        return "salah satu bagian jalurnya bukan folder";
    case ENAMETOOLONG:
        return "namanya terlalu panjang";
    case ENOMEM:
        return "memori tidak cukup";
    default:
        return std::string("kesalahan sistem nomor ") + IntToText(error);
    }
}

AtomicFile::AtomicFile(const std::string& path) : path_(path) {
    const std::filesystem::path target(path);
    std::error_code ignored;
    if (std::filesystem::is_directory(target, ignored)) {
        throw TaviroError(SystemProblem(EISDIR));
    }
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    // The temporary name adds 8 characters to the file's name: a name near the file system's limit
    // of 255 bytes is shortened in it, so that every name that can be saved can be saved safely.
    const std::string name = target.filename().string().substr(0, 200);
    temporary_ = (folder / ("." + name + ".XXXXXX")).string();
    fd_ = ::mkstemp(temporary_.data());
    if (fd_ < 0) {
        throw TaviroError(SystemProblem(errno));
    }
    // A replaced file keeps its permissions; a new one gets the usual ones.
    struct stat old {};
    ::fchmod(fd_, ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644);
}

AtomicFile::~AtomicFile() {
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(temporary_.c_str());
    }
}

void AtomicFile::Write(std::string_view data) {
    while (!data.empty()) {
        const ssize_t written = ::write(fd_, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw TaviroError(SystemProblem(errno));
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
}

void AtomicFile::Commit() {
    int error = 0;
    if (::fsync(fd_) != 0) {
        error = errno;
    }
    if (::close(fd_) != 0 && error == 0) {
        error = errno;
    }
    fd_ = -1;
    if (error == 0 && std::rename(temporary_.c_str(), path_.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary_.c_str());
        throw TaviroError(SystemProblem(error));
    }
    SyncFolder();
}

void AtomicFile::SyncFolder() const {
    // The rename lives in the folder: until the folder reaches the disk, a power cut may still
    // bring back the old file. The new file is in place already, so a failure here is no reason
    // to report the save as failed.
    const std::filesystem::path target(path_);
    const std::string folder = target.has_parent_path() ? target.parent_path().string() : ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace taviro
