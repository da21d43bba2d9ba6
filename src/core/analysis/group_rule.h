#pragma once

#include "core/scoring/data_skor.h"

#include <vector>

namespace taviro {

// The 27 % rule: 27·N/100 rounded to the nearest integer, an exact half to the even neighbour.
// Never more than N/2, so the upper and the lower group never share a subject.
int GroupSize(int subjects);

// Where the two groups stand in the score list after FormGroups.
struct Groups {
    int Size = 0;          // n, the same for both groups
    int UpperFirst = 0;    // always 0
    int LowerFirst = 0;    // N - n
};

// Puts the score list in score order (sorting it only when IsUrutkanBerdSkor is false, and then
// setting the flag) and returns the groups.
Groups FormGroups(TDataSkor& skor);

// Multiple choice: entry i is the number of subjects at positions first .. first+n-1 whose
// SkorButir holds "1" at 0-based position i; JumButir entries. A SkorButir shorter than JumButir
// counts as not right at the missing positions.
std::vector<int> GroupRightCounts(const TDataSkor& skor, int first, int n);

} // namespace taviro
