#pragma once

#include <ostream>

namespace taviro {

// The command line of taviro-olah: parses the arguments, runs the command, writes its output to
// out and any error as one Indonesian sentence to err. Returns the exit status.
int RunOlah(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

} // namespace taviro
