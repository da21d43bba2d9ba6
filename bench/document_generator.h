#pragma once

#include "core/document/data_mentah.h"

#include <cstdint>

namespace taviro::bench {

// Fills the raw data with a synthetic test of the given size: every subject has an ability and
// every item a difficulty, and a subject answers an item right with a probability that grows
// with the difference; a few answers are left blank. The same seed gives the same document.
void GenerateRawData(TDataMentah& data, int subjects, int items, std::uint64_t seed);

} // namespace taviro::bench
