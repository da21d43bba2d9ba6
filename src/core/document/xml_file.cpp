#include "core/document/xml_file.h"

#include "core/document/atomic_file.h"
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

// "1024 MB": whole megabytes (of 2^20 bytes), rounded up so that a file just over the limit
// never reads as the limit itself.
std::string MegabytesText(std::uintmax_t bytes) {
    const std::uintmax_t megabyte = std::uintmax_t{1} << 20;
    return IntToText(static_cast<long long>((bytes + megabyte - 1) / megabyte)) + " MB";
}

// Reads the whole file into memory from pugixml's allocator, so the document can own the buffer
// and parse it in place without a second copy.
void LoadInPlace(std::FILE* file, std::size_t size, pugi::xml_document& document) {
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
    // Text kept inside its element halves the nodes of a document, and so the memory of a load.
    const unsigned options =
        pugi::parse_default | pugi::parse_ws_pcdata_single | pugi::parse_embed_pcdata;
    const pugi::xml_parse_result result = document.load_buffer_inplace_own(buffer, size, options);
    if (!result) {
        throw TaviroError(ParseProblem(result));
    }
}

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
    const auto size = std::filesystem::file_size(path, error);
    if (error) {
        throw TaviroError(SystemProblem(error.value()));
    }
    if (size > MaxDocumentBytes) {
        throw TaviroError("berkas terlalu besar (" + MegabytesText(size) +
                          "), padahal dokumen yang bisa dibaca paling besar " +
                          MegabytesText(MaxDocumentBytes));
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        throw TaviroError(SystemProblem(errno));
    }
    try {
        LoadInPlace(file, static_cast<std::size_t>(size), document);
    } catch (...) {
        std::fclose(file);
        throw;
    }
    std::fclose(file);
}

} // namespace taviro
