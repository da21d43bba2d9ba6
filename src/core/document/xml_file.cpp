#include "core/document/xml_file.h"

#include "core/taviro_error.h"
#include "core/text/number_text.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace taviro {

namespace {

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

std::string ParseProblem(const pugi::xml_parse_result& result) {
    if (result.status == pugi::status_no_document_element) {
        return "berkas kosong atau tidak berisi elemen XML";
    }
    if (result.status == pugi::status_out_of_memory) {
        return "memori tidak cukup untuk membacanya";
    }
    return "isinya bukan dokumen XML yang utuh (rusak di sekitar byte ke-" +
           IntToText(static_cast<long long>(result.offset) + 1) + ")";
}

// Reads the whole file into memory from pugixml's allocator, so the document can own the buffer
// and parse it in place without a second copy.
void LoadInPlace(std::FILE* file, const std::string& path, pugi::xml_document& document) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error) {
        throw TaviroError(SystemProblem(error.value()));
    }
    void* buffer = pugi::get_memory_allocation_function()(size > 0 ? size : 1);
    if (buffer == nullptr) {
        throw TaviroError("berkas terlalu besar untuk memori");
    }
    const std::size_t read = size > 0 ? std::fread(buffer, 1, size, file) : 0;
    if (read != size) {
        const int readError = errno;
        pugi::get_memory_deallocation_function()(buffer);
        throw TaviroError(std::ferror(file) ? SystemProblem(readError)
                                            : std::string("berkas berubah selagi dibaca"));
    }
    const unsigned options = pugi::parse_default | pugi::parse_ws_pcdata_single;
    const pugi::xml_parse_result result = document.load_buffer_inplace_own(buffer, size, options);
    if (!result) {
        throw TaviroError(ParseProblem(result));
    }
}

class FdWriter : public pugi::xml_writer {
public:
    explicit FdWriter(int fd) : Fd(fd) {}
    void write(const void* data, size_t size) override {
        const auto* bytes = static_cast<const char*>(data);
        while (size > 0 && Error == 0) {
            const ssize_t written = ::write(Fd, bytes, size);
            if (written < 0) {
                if (errno != EINTR) {
                    Error = errno;
                }
                continue;
            }
            bytes += written;
            size -= static_cast<size_t>(written);
        }
    }
    int Fd;
    int Error = 0;
};

} // namespace

void ParseXmlFile(const std::string& path, pugi::xml_document& document) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status)) {
        throw TaviroError("berkas tidak ditemukan");
    }
    if (std::filesystem::is_directory(status)) {
        throw TaviroError("itu sebuah folder, bukan berkas");
    }
    if (!std::filesystem::is_regular_file(status)) {
        throw TaviroError("itu bukan berkas biasa");
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        throw TaviroError(SystemProblem(errno));
    }
    try {
        LoadInPlace(file, path, document);
    } catch (...) {
        std::fclose(file);
        throw;
    }
    std::fclose(file);
}

void WriteXmlFileAtomically(const pugi::xml_document& document, const std::string& path) {
    const std::filesystem::path target(path);
    if (std::filesystem::is_directory(target)) {
        throw TaviroError(SystemProblem(EISDIR));
    }
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        throw TaviroError(SystemProblem(errno));
    }
    // A replaced document keeps its permissions; a new one gets the usual ones.
    struct stat old {};
    ::fchmod(fd, ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644);

    FdWriter writer(fd);
    document.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    int error = writer.Error;
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        throw TaviroError(SystemProblem(error));
    }
}

} // namespace taviro
