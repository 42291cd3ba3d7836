#include "sprite_source.h"

#include <cstdlib>
#include <sstream>

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string cur;
    for (char ch : text) {
        if (ch == '\n') {
            lines.push_back(cur);
            cur.clear();
        } else if (ch != '\r') {
            cur += ch;
        }
    }
    if (!cur.empty()) lines.push_back(cur);
    return lines;
}

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> w;
    std::string s;
    while (in >> s) w.push_back(s);
    return w;
}

// Blank as the word splitter sees it: any run of whitespace, a vertical tab or a form
// feed too, so a line that splits into no words is never read for its first word.
bool IsBlank(const std::string& line) { return Words(line).empty(); }

bool IsComment(const std::string& line) {
    size_t p = line.find_first_not_of(" \t");
    return p != std::string::npos && line[p] == '#';
}

bool ParseInt(const std::string& s, int& v) {
    if (s.empty() || s.size() > 9) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    v = std::atoi(s.c_str());
    return true;
}

std::string Where(const std::string& file, int line) { return file + ":" + std::to_string(line); }

bool Fail(std::string& err, const std::string& file, int line, const std::string& why) {
    err = Where(file, line) + ": " + why;
    return false;
}

// A palette character must be printable, not a space, and not '#' (which
// starts comments) or '.' (always transparent).
bool UsableColourChar(const std::string& s) {
    return s.size() == 1 && s[0] > ' ' && s[0] < 127 && s[0] != '#' && s[0] != '.';
}

bool ParseColourLine(const std::vector<std::string>& w, size_t first, const std::string& file, int line, Palette& pal,
                     std::string& err) {
    if (w.size() != first + 2) return Fail(err, file, line, "expected '<char> #RRGGBB[AA]'");
    if (!UsableColourChar(w[first]))
        return Fail(err, file, line,
                    "'" + w[first] + "' cannot name a colour (one printable character, not '#' or '.')");
    uint32_t argb = 0;
    if (!ParseHexColour(w[first + 1], argb)) return Fail(err, file, line, "bad colour '" + w[first + 1] + "'");
    unsigned char c = static_cast<unsigned char>(w[first][0]);
    pal.argb[c] = argb;
    pal.known[c] = true;
    return true;
}

// Reads `h` grid rows starting at lines[i] into a canvas of w x h.
bool ReadGrid(const std::vector<std::string>& lines, size_t& i, int w, int h, const Palette& pal,
              const std::string& file, Canvas& out, std::string& err) {
    out = MakeCanvas(w, h);
    int headerLine = static_cast<int>(i);  // 1-based number of the `frame` line
    for (int y = 0; y < h; ++y) {
        if (i >= lines.size())
            return Fail(err, file, headerLine,
                        "frame has " + std::to_string(y) + " rows, expected " + std::to_string(h));
        const std::string& row = lines[i];
        int lineNo = static_cast<int>(i) + 1;
        ++i;
        if (static_cast<int>(row.size()) != w) {
            // A short grid followed by the next directive is a missing row,
            // which reads better than "wrong width" on the directive line.
            std::vector<std::string> ww = Words(row);
            if (!ww.empty() && (ww[0] == "frame" || ww[0] == "same" || ww[0] == "empty" || ww[0] == "color"))
                return Fail(err, file, headerLine,
                            "frame has " + std::to_string(y) + " rows, expected " + std::to_string(h));
            return Fail(err, file, lineNo,
                        "row is " + std::to_string(row.size()) + " characters wide, expected " + std::to_string(w));
        }
        for (int x = 0; x < w; ++x) {
            unsigned char c = static_cast<unsigned char>(row[x]);
            if (c == '.') continue;
            if (c >= 128 || !pal.known[c])
                return Fail(
                    err, file, lineNo,
                    std::string("unknown colour character '") + row[x] + "' in column " + std::to_string(x + 1));
            PutPixel(out, x, y, pal.argb[c]);
        }
    }
    return true;
}

bool CheckFrameNumber(const FrameSet& set, const std::string& s, const std::string& file, int line, int& n,
                      std::string& err) {
    if (!ParseInt(s, n)) return Fail(err, file, line, "'" + s + "' is not a frame number");
    if (n >= static_cast<int>(set.state.size()))
        return Fail(err, file, line,
                    "frame " + s + " is out of range (the sheet has " + std::to_string(set.state.size()) + " frames)");
    return true;
}

bool ClaimFrame(FrameSet& set, int n, int state, const std::string& file, int line, std::string& err) {
    if (set.state[n] != kFrameUndefined)
        return Fail(err, file, line, "frame " + std::to_string(n) + " is already defined at " + set.where[n]);
    set.state[n] = state;
    set.where[n] = Where(file, line);
    return true;
}

}  // namespace

bool ParseHexColour(const std::string& text, uint32_t& argb) {
    if (text.size() != 7 && text.size() != 9) return false;
    if (text[0] != '#') return false;
    uint32_t v = 0;
    for (size_t i = 1; i < text.size(); ++i) {
        char c = text[i];
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return false;
        v = (v << 4) | static_cast<uint32_t>(d);
    }
    if (text.size() == 7)
        argb = 0xFF000000u | v;
    else
        argb = (v >> 8) | ((v & 0xFFu) << 24);
    return true;
}

bool ParsePalette(const std::string& text, const std::string& fileName, Palette& pal, std::string& err) {
    std::vector<std::string> lines = SplitLines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        int lineNo = static_cast<int>(i) + 1;
        if (IsBlank(lines[i]) || IsComment(lines[i])) continue;
        std::vector<std::string> w = Words(lines[i]);
        // Only a name that can be a colour is looked up: a byte past 127 lies outside the table.
        if (UsableColourChar(w[0]) && pal.known[static_cast<unsigned char>(w[0][0])])
            return Fail(err, fileName, lineNo, "colour '" + w[0] + "' is defined twice");
        if (!ParseColourLine(w, 0, fileName, lineNo, pal, err)) return false;
    }
    return true;
}

FrameSet MakeFrameSet(int cellW, int cellH, int count) {
    FrameSet s;
    s.cellW = cellW;
    s.cellH = cellH;
    s.frames.assign(count, MakeCanvas(cellW, cellH));
    s.state.assign(count, kFrameUndefined);
    s.where.assign(count, std::string());
    return s;
}

bool ParseSheetSource(const std::string& text, const std::string& fileName, const Palette& shared, FrameSet& set,
                      std::string& err) {
    Palette pal = shared;
    std::vector<std::string> lines = SplitLines(text);
    size_t i = 0;
    while (i < lines.size()) {
        int lineNo = static_cast<int>(i) + 1;
        const std::string& line = lines[i];
        ++i;
        if (IsBlank(line) || IsComment(line)) continue;
        std::vector<std::string> w = Words(line);
        const std::string& cmd = w[0];
        if (cmd == "color") {
            if (!ParseColourLine(w, 1, fileName, lineNo, pal, err)) return false;
        } else if (cmd == "frame") {
            if (w.size() < 2) return Fail(err, fileName, lineNo, "expected 'frame <N> <name>'");
            int n = 0;
            if (!CheckFrameNumber(set, w[1], fileName, lineNo, n, err)) return false;
            if (!ClaimFrame(set, n, kFrameDrawn, fileName, lineNo, err)) return false;
            if (!ReadGrid(lines, i, set.cellW, set.cellH, pal, fileName, set.frames[n], err)) return false;
        } else if (cmd == "same") {
            if (w.size() != 3) return Fail(err, fileName, lineNo, "expected 'same <N> <M>'");
            int n = 0, m = 0;
            if (!CheckFrameNumber(set, w[1], fileName, lineNo, n, err)) return false;
            if (!CheckFrameNumber(set, w[2], fileName, lineNo, m, err)) return false;
            if (n == m) return Fail(err, fileName, lineNo, "frame " + w[1] + " cannot be a copy of itself");
            if (!ClaimFrame(set, n, kFrameSame, fileName, lineNo, err)) return false;
            set.copies.push_back({n, m, Where(fileName, lineNo)});
        } else if (cmd == "empty") {
            if (w.size() != 2) return Fail(err, fileName, lineNo, "expected 'empty <N>'");
            int n = 0;
            if (!CheckFrameNumber(set, w[1], fileName, lineNo, n, err)) return false;
            if (!ClaimFrame(set, n, kFrameEmpty, fileName, lineNo, err)) return false;
        } else {
            return Fail(err, fileName, lineNo, "unknown line '" + cmd + "' (expected frame, same, empty or color)");
        }
    }
    return true;
}

bool FinishFrameSet(FrameSet& set, const std::string& listWhere, std::string& err) {
    for (const PendingCopy& c : set.copies) {
        if (set.state[c.from] != kFrameDrawn) {
            err = c.where + ": frame " + std::to_string(c.from) + " is not a drawn frame";
            return false;
        }
        set.frames[c.frame] = set.frames[c.from];
    }
    for (size_t n = 0; n < set.state.size(); ++n) {
        if (set.state[n] == kFrameUndefined) {
            err = listWhere + ": frame " + std::to_string(n) + " is not defined by any source";
            return false;
        }
    }
    return true;
}

Canvas PackSheet(const FrameSet& set, int columns) {
    int count = static_cast<int>(set.frames.size());
    int rows = (count + columns - 1) / columns;
    Canvas sheet = MakeCanvas(columns * set.cellW, rows * set.cellH);
    for (int n = 0; n < count; ++n) {
        int ox = (n % columns) * set.cellW, oy = (n / columns) * set.cellH;
        for (int y = 0; y < set.cellH; ++y)
            for (int x = 0; x < set.cellW; ++x) PutPixel(sheet, ox + x, oy + y, GetPixel(set.frames[n], x, y));
    }
    return sheet;
}

bool ParseImageSource(const std::string& text, const std::string& fileName, const Palette& shared, Canvas& out,
                      std::string& err) {
    Palette pal = shared;
    std::vector<std::string> lines = SplitLines(text);
    int w = 0, h = 0;
    bool drawn = false;
    size_t i = 0;
    while (i < lines.size()) {
        int lineNo = static_cast<int>(i) + 1;
        const std::string& line = lines[i];
        ++i;
        if (IsBlank(line) || IsComment(line)) continue;
        std::vector<std::string> ws = Words(line);
        if (ws[0] == "color") {
            if (!ParseColourLine(ws, 1, fileName, lineNo, pal, err)) return false;
        } else if (ws[0] == "size") {
            if (ws.size() != 3 || !ParseInt(ws[1], w) || !ParseInt(ws[2], h) || w <= 0 || h <= 0 || w > 4096 ||
                h > 4096)
                return Fail(err, fileName, lineNo, "expected 'size <W> <H>'");
        } else if (ws[0] == "frame") {
            if (ws.size() < 2 || ws[1] != "0") return Fail(err, fileName, lineNo, "an image has only frame 0");
            if (drawn) return Fail(err, fileName, lineNo, "frame 0 is already defined");
            if (w == 0) return Fail(err, fileName, lineNo, "'size <W> <H>' must come before the frame");
            if (!ReadGrid(lines, i, w, h, pal, fileName, out, err)) return false;
            drawn = true;
        } else {
            return Fail(err, fileName, lineNo, "unknown line '" + ws[0] + "' (expected size, frame or color)");
        }
    }
    if (!drawn) return Fail(err, fileName, static_cast<int>(lines.size()), "no 'frame 0' in the image source");
    return true;
}

bool ParseSheetList(const std::string& text, const std::string& fileName, std::vector<OutputEntry>& out,
                    std::string& err) {
    std::vector<std::string> lines = SplitLines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        int lineNo = static_cast<int>(i) + 1;
        if (IsBlank(lines[i]) || IsComment(lines[i])) continue;
        std::vector<std::string> w = Words(lines[i]);
        OutputEntry e;
        e.line = lineNo;
        if (w[0] == "sheet") {
            if (w.size() != 7)
                return Fail(err, fileName, lineNo,
                            "expected 'sheet <file.png> <cellW> <cellH> <frames> <columns> <folder>'");
            e.kind = kOutSheet;
            if (!ParseInt(w[2], e.cellW) || !ParseInt(w[3], e.cellH) || !ParseInt(w[4], e.count) ||
                !ParseInt(w[5], e.columns) || e.cellW <= 0 || e.cellH <= 0 || e.count <= 0 || e.columns <= 0)
                return Fail(err, fileName, lineNo, "cell size, frame count and columns must be positive numbers");
            e.source = w[6];
        } else if (w[0] == "font") {
            if (w.size() != 3) return Fail(err, fileName, lineNo, "expected 'font <file.png> <folder>'");
            e.kind = kOutFont;
            e.cellW = kFontCellW;
            e.cellH = kFontCellH;
            e.count = kFontGlyphs;
            e.columns = kFontColumns;
            e.source = w[2];
        } else if (w[0] == "picture" || w[0] == "image") {
            if (w.size() != 3) return Fail(err, fileName, lineNo, "expected '" + w[0] + " <file.png> <source file>'");
            e.kind = w[0] == "picture" ? kOutPicture : kOutImage;
            e.source = w[2];
        } else {
            return Fail(err, fileName, lineNo,
                        "unknown output '" + w[0] + "' (expected sheet, font, picture or image)");
        }
        e.file = w[1];
        if (e.file.size() < 5 || e.file.substr(e.file.size() - 4) != ".png" || e.file.find('/') != std::string::npos)
            return Fail(err, fileName, lineNo, "output '" + e.file + "' must be a plain file name ending in .png");
        for (const OutputEntry& o : out)
            if (o.file == e.file)
                return Fail(err, fileName, lineNo, e.file + " is already listed on line " + std::to_string(o.line));
        out.push_back(e);
    }
    return true;
}
