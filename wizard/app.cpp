// The Velmora Wizard's main routine as the framework's entry calls it.
#include "framework/app_entry.h"
#include "wizard/panel.h"

bool VelmoraMain(const std::string&, int) { return genhand::wizard::RunWizard(); }
