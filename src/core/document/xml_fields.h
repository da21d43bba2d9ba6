#pragma once

#include <pugixml.hpp>

#include <string>
#include <vector>

namespace taviro {

// Reading of single-valued child elements. A reader finds its child by name; a
// missing child reads as empty text, and a number, boolean or real that cannot be converted stops
// the load with a TaviroError naming the element by its path (for example
// "Data_Mentah/Jawaban/JumItem").

std::string ElementPath(pugi::xml_node node);

std::string ReadTextChild(pugi::xml_node parent, const char* name);
int ReadIntChild(pugi::xml_node parent, const char* name);
bool ReadBoolChild(pugi::xml_node parent, const char* name);
double ReadRealChild(pugi::xml_node parent, const char* name);
// The reals joined by ','; empty text is an empty list, a ',' at the very end is ignored.
std::vector<double> ReadRealListChild(pugi::xml_node parent, const char* name);

// The parent's child element of that name; a TaviroError when there is none.
pugi::xml_node RequireChild(pugi::xml_node parent, const char* name);

// The first child element named firstName and the elements that follow it, count elements in
// all, read by position. countElement names the element the count came from: a negative count,
// or one larger than the elements present, stops the load with a message that names it. Nothing
// is allocated beyond the elements that are really there.
std::vector<pugi::xml_node> RepeatedElements(pugi::xml_node parent, const char* firstName,
                                             int count, pugi::xml_node countElement);

// The largest item count accepted from a document whose version carries no item labels, where
// nothing else in the file bounds it.
inline constexpr int MaxUnlabelledItems = 100000;

// Reads a count that must not be negative (and, when limit is given, not above it).
int ReadCountChild(pugi::xml_node parent, const char* name, int limit = -1);

} // namespace taviro
