#include "views/info_batas_sig.h"

namespace taviro {

const std::vector<std::string>& TFInfoBatasSIg::Lines() {
    // Printed with a decimal comma whatever the user's setting: the text is fixed.
    static const std::vector<std::string> lines = {
        " Catatan: Batas signifikansi koefisien korelasi sebagaai berikut:",
        "",
        "           df (N-2)  P=0,05  P=0,01     df (N-2)  P=0,05  P=0,01",
        "              10     0,576   0,708         60     0,250   0,325",
        "              15     0,482   0,606         70     0,233   0,302",
        "              20     0,423   0,549         80     0,217   0,283",
        "              25     0,381   0,496         90     0,205   0,267",
        "              30     0,349   0,449        100     0,195   0,254",
        "              40     0,304   0,393        125     0,174   0,228",
        "              50     0,273   0,354       >150     0,159   0,208",
        "",
        "           Bila koefisien = 0,000  berarti tidak dapat dihitung.",
    };
    return lines;
}

} // namespace taviro
