#pragma once

#include "core/session.h"

#include <nlohmann/json.hpp>

#include <string>

namespace taviro {

// Scores the open document when its raw data asks for it (a scoring error is thrown), then runs
// every analysis of its kind in the order of the whole analysis and returns one JSON object: the
// kind and, per class, its fields and items. An analysis that fails appears as {"error": message}
// and the others still run. Undefined statistics are null.
nlohmann::ordered_json ComputeStats(Session& session);

// The decimal separator of the environment's numeric locale ('.' when it cannot be told).
char EnvironmentDecimalSeparator();

} // namespace taviro
