#pragma once

#include <QString>

#include <string>
#include <vector>

class QPrinter;

namespace taviro::gui {

// Prints report lines in order, one per printed line, in a fixed-pitch font sized so that lines
// of the report's width fit the page width; a line is never split or lost across pages, and each
// page has its number in a footer. Returns the number of pages printed.
int PrintLines(QPrinter& printer, const std::vector<std::string>& lines,
               int charactersPerLine = 80);

} // namespace taviro::gui
