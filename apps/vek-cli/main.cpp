// The command-line face of VEK. The calculation engine and the window are still
// being built; for now the tool reports the release it belongs to.
#include <cstdio>

#include "core/Release.h"

int main() {
  std::printf("VEK %s (%s)\n", vek::kReleaseVersion, vek::kReleaseDate);
  std::printf(
      "Design of parapet anchors. This tool will calculate .vek projects headless;\n"
      "the desktop program follows. Run scripts/test.sh to build and test the engine.\n");
  return 0;
}
