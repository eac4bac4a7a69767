// SPDX-License-Identifier: MIT
#include <cstdio>

#include "cli/cli.h"

#ifdef _WIN32
#include <io.h>
#define RAZ_ISATTY(fd) _isatty(fd)
#define RAZ_FILENO(f) _fileno(f)
#else
#include <unistd.h>
#define RAZ_ISATTY(fd) isatty(fd)
#define RAZ_FILENO(f) fileno(f)
#endif

namespace cli {

bool StandardOutputIsTerminal() {
  return RAZ_ISATTY(RAZ_FILENO(stdout)) != 0;
}

}  // namespace cli
