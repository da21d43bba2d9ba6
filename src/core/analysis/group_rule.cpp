#include "core/analysis/group_rule.h"

#include "core/text/prefetch.h"

#include <algorithm>
#include <cmath>

namespace taviro {

int GroupSize(int subjects) {
    const double exact = static_cast<double>(27LL * subjects) / 100.0;
    // nearbyint rounds ties to even in the default rounding mode.
    return static_cast<int>(std::nearbyint(exact));
}

Groups FormGroups(TDataSkor& skor) {
    if (!skor.IsUrutkanBerdSkor) {
        skor.IsUrutkanBerdSkor = true;
        skor.SortItems(false);
    }
    Groups groups;
    groups.Size = GroupSize(skor.Count());
    groups.LowerFirst = skor.Count() - groups.Size;
    return groups;
}

std::vector<int> GroupRightCounts(const TDataSkor& skor, int first, int n) {
    std::vector<int> counts(static_cast<std::size_t>(std::max(skor.JumButir, 0)), 0);
    // Plain pointers held in locals: a store through the vector or the string would make the
    // compiler reload their data pointers after every count (a char may alias anything), which
    // keeps the loop from being vectorised.
    int* const count = counts.data();
    for (int member = first; member < first + n; ++member) {
        if (member + PrefetchAhead < first + n) {
            PrefetchText(skor.GetItem(member + PrefetchAhead).SkorButir);
        }
        const std::string& result = skor.GetItem(member).SkorButir;
        const char* const mark = result.data();
        const std::size_t length = std::min(result.size(), counts.size());
        // Without a branch per answer: right and wrong answers come in no predictable order.
        for (std::size_t i = 0; i < length; ++i) {
            count[i] += mark[i] == '1' ? 1 : 0;
        }
    }
    return counts;
}

} // namespace taviro
