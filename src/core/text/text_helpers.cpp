#include "core/text/text_helpers.h"

#include "core/text/number_text.h"

#include <filesystem>
#include <system_error>

namespace taviro {

int CenterOffset(int a, int b) { return (a - b) / 2; }

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

namespace {

// Byte length of the first `characters` code points of the text.
std::size_t PrefixBytes(std::string_view text, std::size_t characters) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (seen == characters) {
                return i;
            }
            ++seen;
        }
    }
    return text.size();
}

} // namespace

std::string TruncateText(std::string_view text, int maxLength) {
    if (maxLength >= 0 && CharacterCount(text) <= static_cast<std::size_t>(maxLength)) {
        return std::string(text);
    }
    if (maxLength < 3) {
        return "...";
    }
    std::string result(text.substr(0, PrefixBytes(text, static_cast<std::size_t>(maxLength - 3))));
    result += "...";
    return result;
}

std::string AddBackslash(std::string_view folder) {
    std::string path(folder);
    if (path.empty() || (path.back() != '/' && path.back() != '\\')) {
        path += '/';
    }
    return path;
}

std::string ExeFolder() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return AddBackslash(std::filesystem::current_path(error).string());
    }
    return AddBackslash(exe.parent_path().string());
}

std::vector<std::string> SplitText(std::string_view text, char separator) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos) {
            pieces.emplace_back(text.substr(start));
            return pieces;
        }
        pieces.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return pieces;
}

std::string JoinFloats(const std::vector<double>& numbers, char separator) {
    std::string text;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0) {
            text += separator;
        }
        text += RealToText(numbers[i]);
    }
    return text;
}

} // namespace taviro
