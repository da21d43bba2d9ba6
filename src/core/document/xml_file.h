#pragma once

#include <pugixml.hpp>

#include <cstdint>
#include <string>

namespace taviro {

// The largest document that is read. A load needs about three times the file's size in memory
// (the text, parsed in place, and its element tree), so this keeps a load within about 1.5 GiB,
// and a file that could only exhaust the memory is refused at once with a clear message instead.
// The largest real documents (an exam office: hundreds of thousands of subjects, a hundred items,
// essays included) stay far below it: 100,000 essay subjects of 100 items take 77 MB.
inline constexpr std::uintmax_t MaxDocumentBytes = std::uintmax_t{512} << 20;

// Parses the file into the document. Throws a TaviroError with the problem in Indonesian (not
// found, a folder, unreadable, larger than MaxDocumentBytes, not well-formed XML) without naming
// the file; the caller adds it.
void ParseXmlFile(const std::string& path, pugi::xml_document& document);

} // namespace taviro
