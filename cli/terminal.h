// Output to the terminal: the core's Windows-1252 text becomes UTF-8 here.
#pragma once

#include <string_view>

namespace tv::cli {

// Sets up the console for UTF-8 output (Windows).
void PrepareTerminal();
// Windows-1252 text to stdout / stderr as UTF-8, with a line end.
void PrintLine(std::string_view cp1252);
void PrintError(std::string_view cp1252);

} // namespace tv::cli
