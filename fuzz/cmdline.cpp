// The command line: the input split at zero bytes into the arguments after the
// program's name.
#include <cstdint>
#include <string>
#include <vector>

#include "core/cmdline.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> args(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back().push_back(static_cast<char>(data[i]));
    }
    CommandLine line;
    std::string error;
    ParseCommandLine(args, line, error);
    return 0;
}
