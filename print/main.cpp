// SPDX-License-Identifier: MIT
#include <iostream>
#include <string>
#include <vector>

#include "print/printprogram.h"

int main(int argc, char** argv) {
  return print::RunPrintProgram(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                std::cerr);
}
