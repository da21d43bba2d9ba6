#include "programs/olah/olah_app.h"

#include <iostream>

int main(int argc, char** argv) {
    // Reports of a whole district run to a million lines.
    std::ios::sync_with_stdio(false);
    return taviro::RunOlah(argc, argv, std::cout, std::cerr);
}
