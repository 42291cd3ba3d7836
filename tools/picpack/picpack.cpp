// hoofpicpack: packs every PNG picture of a folder for the web page, under the same
// names, so the page finds them where the game looks for its pictures.
//   hoofpicpack IMAGES_DIR OUT_DIR
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/picture_pack.h"
#include "platform/png_io.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: hoofpicpack IMAGES_DIR OUT_DIR\n");
        return 2;
    }
    const std::string in = argv[1], out = argv[2];
    DIR* dir = opendir(in.c_str());
    if (!dir) {
        std::fprintf(stderr, "hoofpicpack: cannot read the folder %s\n", in.c_str());
        return 2;
    }
    std::vector<std::string> names;
    while (dirent* e = readdir(dir)) {
        const std::string name = e->d_name;
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".png") == 0) names.push_back(name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    mkdir(out.c_str(), 0755);
    int failures = 0;
    for (const std::string& name : names) {
        int w = 0, h = 0;
        std::vector<uint8_t> rgba;
        std::string error;
        if (!LoadPng(in + "/" + name, w, h, rgba, error)) {
            std::fprintf(stderr, "hoofpicpack: %s: %s\n", name.c_str(), error.c_str());
            ++failures;
            continue;
        }
        const std::vector<uint8_t> packed = PackPicture(w, h, rgba);
        const std::string path = out + "/" + name;
        FILE* f = std::fopen(path.c_str(), "wb");
        const bool written = f && std::fwrite(packed.data(), 1, packed.size(), f) == packed.size();
        if (f && std::fclose(f) != 0) ++failures;
        if (!written) {
            std::fprintf(stderr, "hoofpicpack: cannot write %s\n", path.c_str());
            ++failures;
        }
    }
    if (names.empty()) std::fprintf(stderr, "hoofpicpack: no pictures in %s\n", in.c_str());
    return failures || names.empty() ? 1 : 0;
}
