#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace taviro {

// (a - b) / 2 truncated toward zero: the offset that centres a text of size b in a cell of size a.
int CenterOffset(int a, int b);

// The text itself when it fits in maxLength characters, else its first maxLength - 3 characters
// and "..." ("..." alone when maxLength is below 3). Lengths count characters (UTF-8 code
// points), so a name with accented letters is cut between letters, never inside one.
std::string TruncateText(std::string_view text, int maxLength);

// Number of characters (UTF-8 code points) of a text.
std::size_t CharacterCount(std::string_view text);

// The folder path with a trailing separator. The platform's separator is '/', but a path that
// already ends in '\' is left alone as well.
std::string AddBackslash(std::string_view folder);

// The folder of the running program, with a trailing separator.
std::string ExeFolder();

// The pieces of the text between separators, in order, empty pieces included, except that an
// empty last piece is not added ("a,,b," gives "a", "", "b"; "" gives nothing).
std::vector<std::string> SplitText(std::string_view text, char separator);

// The numbers in the document's real-number form, joined by the separator with none at the end.
std::string JoinFloats(const std::vector<double>& numbers, char separator);

} // namespace taviro
