// vek-cli: calculates ".vek" projects without the window; see --help.
#include <iostream>
#include <string>
#include <vector>

#include "VekCli.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return vek::RunVekCli(args, std::cout, std::cerr);
}
