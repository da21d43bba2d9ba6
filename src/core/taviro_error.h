#pragma once

#include <stdexcept>
#include <string>

namespace taviro {

// The one exception type of the system: an operation that cannot go on throws it with the
// Indonesian message that the user reads (message box in the GUI, standard error on the command
// line).
class TaviroError : public std::runtime_error {
public:
    explicit TaviroError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace taviro
