// The process entry of a program built on the framework: it runs the
// program's main routine, VelmoraMain, and then the application loop when
// the main routine asks for it.
#include "framework/app_entry.h"
#include "framework/framework.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR commandLine,
                   int showCommand) {
    return velmora::RunApplication(instance, commandLine, showCommand, VelmoraMain);
}
