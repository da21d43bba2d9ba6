#pragma once

#include <pugixml.hpp>

#include <string>

namespace taviro {

// Parses the file into the document. Throws a TaviroError with the problem in Indonesian (not
// found, a folder, unreadable, not well-formed XML) without naming the file; the caller adds it.
void ParseXmlFile(const std::string& path, pugi::xml_document& document);

// Writes the document without indentation to a temporary file beside the path, flushes it to
// disk and renames it over the path. On failure the temporary file is removed, any old file at
// the path is untouched, and a TaviroError tells the problem (without the file name).
void WriteXmlFileAtomically(const pugi::xml_document& document, const std::string& path);

} // namespace taviro
