#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "project/VekProject.h"

namespace vek {

// Far beyond any real project (one component takes about 2.5 kB); a larger file is
// refused before it is read.
inline constexpr std::size_t kMaxProjectFileSize = 32u << 20;

// The bytes of the project file: the JSON text in Windows-1252, or in UTF-8 behind a
// byte-order mark when the code page lacks a character of it.
std::string WriteProjectFileBytes(const TVekProject& project);

// The project of a project file's bytes, with every assigned component recalculated.
// Any failure throws ELoadProjectError.
std::unique_ptr<TVekProject> ReadProjectFileBytes(std::string_view bytes);

// Reads a project file; throws ELoadProjectError.
std::unique_ptr<TVekProject> LoadProjectFromFile(const std::filesystem::path& fileName);

// Writes the project file through a temporary file in the same folder that then
// replaces the old file, so that a failure leaves the old file as it was. Throws
// ESaveProjectError.
void SaveProjectToFile(const TVekProject& project, const std::filesystem::path& fileName);

// True when a component has the special anchor (size 9) or a length above 950 mm; only
// an administrator opens such a project.
bool IsAdminOnlyProject(const TVekProject& project);

}  // namespace vek
