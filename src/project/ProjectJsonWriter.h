#pragma once

#include <string>

#include "project/JSONVekProject.h"

namespace vek {

// The project file's text, UTF-8: one compact JSON object in the reflection layout
// (every object wrapped with "type", "id" and "fields"; ids depth first from 1).
std::string WriteProjectJson(const TJSONVekProject& project);

}  // namespace vek
