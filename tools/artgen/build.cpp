#include "build.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "picture.h"
#include "png_io.h"

namespace fs = std::filesystem;

namespace {

bool ReadText(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}

// Sources are named relative to the art folder in messages, as people type them.
std::string Shown(const std::string& artDir, const fs::path& p) {
    return (fs::path(artDir) / fs::relative(p, artDir)).lexically_normal().string();
}

bool BuildFrames(const std::string& artDir, const Palette& pal, const OutputEntry& e, const std::string& listWhere,
                 FrameSet& set, std::string& err) {
    fs::path folder = fs::path(artDir) / e.source;
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        err = listWhere + ": source folder " + folder.string() + " does not exist";
        return false;
    }
    std::vector<fs::path> files;
    for (const auto& de : fs::directory_iterator(folder, ec))
        if (de.is_regular_file() && de.path().extension() == ".txt") files.push_back(de.path());
    std::sort(files.begin(), files.end());
    if (files.empty()) {
        err = listWhere + ": source folder " + folder.string() + " has no .txt files";
        return false;
    }
    set = MakeFrameSet(e.cellW, e.cellH, e.count);
    for (const fs::path& f : files) {
        std::string text;
        if (!ReadText(f.string(), text)) {
            err = f.string() + ":0: cannot read file";
            return false;
        }
        if (!ParseSheetSource(text, Shown(artDir, f), pal, set, err)) return false;
    }
    if (!FinishFrameSet(set, listWhere, err)) return false;
    if (e.kind == kOutFont) {
        // Text is tinted by multiplying, so every glyph pixel must be pure white.
        for (Canvas& g : set.frames)
            for (uint32_t& p : g.px) p = (p >> 24) ? 0xFFFFFFFFu : 0u;
    }
    return true;
}

}  // namespace

bool BuildAllOutputs(const std::string& artDir, std::vector<BuiltOutput>& outputs, std::string& err) {
    std::string listPath = (fs::path(artDir) / "sheets.txt").string();
    std::string palPath = (fs::path(artDir) / "palette.txt").string();
    std::string text;
    Palette pal;
    if (!ReadText(palPath, text)) {
        err = palPath + ":0: cannot read file";
        return false;
    }
    if (!ParsePalette(text, palPath, pal, err)) return false;
    if (!ReadText(listPath, text)) {
        err = listPath + ":0: cannot read file";
        return false;
    }
    std::vector<OutputEntry> entries;
    if (!ParseSheetList(text, listPath, entries, err)) return false;
    outputs.clear();
    for (const OutputEntry& e : entries) {
        std::string listWhere = listPath + ":" + std::to_string(e.line);
        BuiltOutput b;
        b.entry = e;
        if (e.kind == kOutSheet || e.kind == kOutFont) {
            if (!BuildFrames(artDir, pal, e, listWhere, b.frames, err)) return false;
            b.image = PackSheet(b.frames, e.columns);
        } else if (e.kind == kOutImage) {
            std::string src = (fs::path(artDir) / e.source).string();
            if (!ReadText(src, text)) {
                err = listWhere + ": cannot read " + src;
                return false;
            }
            if (!ParseImageSource(text, src, pal, b.image, err)) return false;
        } else {
            std::string src = (fs::path(artDir) / e.source).string();
            std::string why;
            if (!RenderPicture(src, artDir, b.image, why)) {
                // The renderer may already say where; otherwise point at our list.
                err = why.rfind(src, 0) == 0 ? why : listWhere + ": " + src + ": " + why;
                return false;
            }
            if (b.image.w <= 0 || b.image.h <= 0 ||
                b.image.px.size() != static_cast<size_t>(b.image.w) * static_cast<size_t>(b.image.h)) {
                err = listWhere + ": " + src + ": renderer returned an empty picture";
                return false;
            }
        }
        outputs.push_back(std::move(b));
    }
    return true;
}

bool WriteOutputs(const std::vector<BuiltOutput>& outputs, const std::string& outDir, const std::string& previewDir,
                  std::string& err) {
    std::error_code ec;
    fs::create_directories(outDir, ec);
    if (!fs::is_directory(outDir)) {
        err = outDir + ":0: cannot create output folder";
        return false;
    }
    for (const BuiltOutput& b : outputs)
        if (!WritePngAtomic((fs::path(outDir) / b.entry.file).string(), b.image, err)) return false;
    if (previewDir.empty()) return true;
    fs::create_directories(previewDir, ec);
    if (!fs::is_directory(previewDir)) {
        err = previewDir + ":0: cannot create preview folder";
        return false;
    }
    const Canvas* font = nullptr;
    for (const BuiltOutput& b : outputs)
        if (b.entry.kind == kOutFont) font = &b.image;
    for (const BuiltOutput& b : outputs) {
        std::string name = b.entry.file.substr(0, b.entry.file.size() - 4) + "_preview.png";
        Canvas img = (b.entry.kind == kOutSheet || b.entry.kind == kOutFont) ? MakeContactSheet(b.frames, font)
                                                                             : b.image;
        if (!WritePngAtomic((fs::path(previewDir) / name).string(), img, err)) return false;
    }
    return true;
}
