// The program's entry: the application object, the interface language
// (interface_language.h), the title, and the main window until it closes.
#pragma once

#include "app/interface_language.h"

namespace tv::app {

int RunApplication(int argc, char** argv);

} // namespace tv::app
