// The main routine that a program built on the framework defines. The entry
// calls it once with the command line (256 characters, blank-padded) and the
// show command; true asks for the application message loop, false ends the
// program at once.
#pragma once

#include <string>

bool VelmoraMain(const std::string& commandLine, int showCommand);
