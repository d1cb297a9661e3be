// fortunix-batch: one Part of Fortune reading per line of standard input (BatchCommand.h).

#include <cstdio>
#include <iostream>
#include <string_view>
#include <vector>

#include "BatchCommand.h"
#include "ConsoleStreams.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const fortunix::console::ConsoleStreams console;
#ifdef _WIN32
    // Text mode would end the input at any Ctrl+Z byte and lose the lines after it; the lines
    // are read as bytes, and a line of only Ctrl+Z ends them.
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    return fortunix::batch::RunBatchCommand(arguments, stdin, std::cout, std::cerr);
}
