#include "cli/terminal.h"

#include "tables/cp1252.h"

#include <cstdio>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tv::cli {

void PrepareTerminal() {
#ifdef _WIN32
    SetConsoleOutputCP(CP_UTF8);
#endif
}

void PrintLine(std::string_view cp1252) {
    const std::string utf8 = Cp1252ToUtf8(cp1252);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fputc('\n', stdout);
}

void PrintError(std::string_view cp1252) {
    const std::string utf8 = Cp1252ToUtf8(cp1252);
    std::fwrite(utf8.data(), 1, utf8.size(), stderr);
    std::fputc('\n', stderr);
}

} // namespace tv::cli
