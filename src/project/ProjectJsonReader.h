#pragma once

#include <cstddef>
#include <string_view>

#include "project/JSONVekProject.h"

namespace vek {

// More components than any building has; a file with more is refused.
inline constexpr std::size_t kMaxStoredComponents = 10000;

// The transfer project of a project file's UTF-8 text. Only the stored layout is
// accepted: wrappers with "type", "id" and "fields", known members with values of their
// type, arrays of their fixed length. Members that are absent keep their zero values.
// Anything else throws ELoadProjectError; memory stays proportional to the text.
TJSONVekProject ReadProjectJson(std::string_view text);

}  // namespace vek
