#include <iostream>
#include <string>
#include <vector>

#include "commands/Command.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return zorvan::cli::RunCli(args, std::cout, std::cerr);
}
