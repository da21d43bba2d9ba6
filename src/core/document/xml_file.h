#pragma once

#include <pugixml.hpp>

#include <string>

namespace taviro {

// Parses the file into the document. Throws a TaviroError with the problem in Indonesian (not
// found, a folder, unreadable, not well-formed XML) without naming the file; the caller adds it.
void ParseXmlFile(const std::string& path, pugi::xml_document& document);

} // namespace taviro
