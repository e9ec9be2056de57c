#pragma once

#include "DecodeService.h"

#include <memory>
#include <string>

namespace shell {

// Every control shows its text in the system's sans-serif face at 8 points: the size the window
// was laid out for, so the longest captions fit their fixed boxes.
void useEightPointFont();

// Starts the program: reads the arguments, builds and fills the window, shows it and runs until
// it is closed. Returns the process exit code.
int runApplication(int argc, char *argv[]);

// The decode service the program's windows share, with its helpers.
std::shared_ptr<sheets::DecodeService> decodeService();

// The decoding helper: where the package installs it, else beside the program (a build folder).
std::string decoderProgram();

} // namespace shell
