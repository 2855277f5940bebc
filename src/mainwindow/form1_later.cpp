#include "mainwindow/form1.h"

namespace vennor {

// Commands whose windows live in other parts of the program.
void form1::advancedSearchCommand() {}

void form1::printCommand() {}

void form1::helpTopicsCommand() {}

void form1::latestVersionCommand() {}

void form1::mailGroupCommand() {}

void form1::aboutCommand() {}

void form1::closeAboutBox() {}

} // namespace vennor
