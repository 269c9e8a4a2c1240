#pragma once

namespace vek {

// The release this build is: shown in the dialogs, compared by the update
// check and written into the documents.
inline constexpr const char* kReleaseVersion = "2.0.0";
inline constexpr const char* kReleaseDate = "2026-05-27";

}  // namespace vek
