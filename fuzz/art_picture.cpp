// The art generator's large-picture source: the commands of one picture file, drawn.
// `include` lines look in an empty folder, so only the text in hand is read.
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "picture.h"
#include "scratch_folder.h"

namespace {

std::string EmptyFolder;

// A picture may be 4096 pixels square and a command may scatter 100000 shapes; drawing
// that thousands of times a second would leave no time for anything else. So before the
// text is read, `size` lines are cut to 160 x 120 (what falls past the edges is clipped
// as in a large picture) and every other number from 200 to 16384 becomes 200. Numbers
// beyond 16384 are kept, as the reader must refuse them.
std::string Cheaper(const std::string& word, const std::string& verb, size_t index) {
    char* end = nullptr;
    const double v = std::strtod(word.c_str(), &end);
    if (word.empty() || end != word.c_str() + word.size() || !std::isfinite(v)) return word;
    double most = 200;
    if (verb == "size") most = index == 1 ? 160 : 120;
    if (std::fabs(v) <= most || std::fabs(v) > 16384) return word;
    return std::to_string(static_cast<int>(v < 0 ? -most : most));
}

std::string Cheaper(const std::string& text) {
    std::istringstream in(text);
    std::string out, line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string word; words >> word;) w.push_back(word);
        // Pixel rows have no spaces; only commands are changed.
        if (w.size() >= 2) {
            line = w[0];
            for (size_t k = 1; k < w.size(); ++k) line += " " + Cheaper(w[k], w[0], k);
        }
        out += line;
        out += '\n';
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    EmptyFolder = MakeScratchFolder("hoofuzz-art");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Canvas out;
    std::string err;
    RenderPictureText(Cheaper(std::string(reinterpret_cast<const char*>(data), size)), "picture.txt", EmptyFolder, out,
                      err);
    return 0;
}
