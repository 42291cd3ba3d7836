// hoofart: turns the text sources under art/ into the game's PNG pictures.
//   hoofart --art DIR --out DIR [--preview DIR]
#include <cstdio>
#include <string>

#include "build.h"

int main(int argc, char** argv) {
    std::string artDir, outDir, previewDir;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if ((a == "--art" || a == "--out" || a == "--preview") && i + 1 < argc) {
            std::string v = argv[++i];
            (a == "--art" ? artDir : a == "--out" ? outDir : previewDir) = v;
        } else {
            std::fprintf(stderr, "usage: hoofart --art DIR --out DIR [--preview DIR]\n");
            return 1;
        }
    }
    if (artDir.empty() || outDir.empty()) {
        std::fprintf(stderr, "usage: hoofart --art DIR --out DIR [--preview DIR]\n");
        return 1;
    }
    std::vector<BuiltOutput> outputs;
    std::string err;
    if (!BuildAllOutputs(artDir, outputs, err) || !WriteOutputs(outputs, outDir, previewDir, err)) {
        std::fprintf(stderr, "%s\n", err.c_str());
        return 1;
    }
    return 0;
}
