// The process entry of a Fortran program built on the library: the
// library's entry runs the program's VelmoraMain (through main_bridge.f90)
// and then the application loop when it asks for one.
#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/framework.h"

extern "C" int32_t velmora_call_main(const char* commandLine, const int32_t* showCommand);

namespace {

bool CallFortranMain(const std::string& commandLine, int showCommand) {
    std::string line = commandLine;
    line.resize(velmora::kCommandLineLength, ' ');
    const int32_t show = showCommand;
    return velmora_call_main(line.data(), &show) != 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR commandLine,
                   int showCommand) {
    return velmora::RunApplication(instance, commandLine, showCommand, CallFortranMain);
}
