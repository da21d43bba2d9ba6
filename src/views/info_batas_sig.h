#pragma once

#include <string>
#include <vector>

namespace taviro {

// The "Info Batas Signifikansi" dialog: the critical values of the correlation coefficient as
// fixed text, which also ends the correlation report. It holds no state.
class TFInfoBatasSIg {
public:
    // The twelve lines of the dialog's memo, leading blanks included.
    static const std::vector<std::string>& Lines();
};

} // namespace taviro
