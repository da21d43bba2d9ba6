#include "programs/olah/olah_app.h"

#include <iostream>

int main(int argc, char** argv) { return taviro::RunOlah(argc, argv, std::cout, std::cerr); }
