// Large pictures (title scene, logo, hero portraits, ending) are drawn from short
// text procedures in art/pictures/. The language is described in
// art/pictures/README.md; every command below is one line of it.
#include "picture.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <vector>

namespace {

// The art tool keeps its own tiny generator: pictures are made at build time and
// must never touch the game's random sequence. Same seed, same picture.
struct PicRandom {
    uint32_t state = 1;
    uint32_t Next() {
        state = state * 1664525u + 1013904223u;
        return state >> 8;  // the low bits of an LCG are poor; keep 24 good ones
    }
    double Unit() { return Next() / 16777216.0; }
    double Range(double a, double b) { return a + (b - a) * Unit(); }
    int Int(int lo, int hi) {
        return hi <= lo ? lo : lo + static_cast<int>(Next() % static_cast<uint32_t>(hi - lo + 1));
    }
};

uint32_t Alpha(uint32_t c) { return c >> 24; }

// Source-over compositing that also works on a transparent canvas, so portraits
// and the logo keep soft edges where they use translucent colours.
void Blend(Canvas& c, int x, int y, uint32_t src) {
    if (x < 0 || y < 0 || x >= c.w || y >= c.h) return;
    uint32_t sa = Alpha(src);
    if (sa == 0) return;
    uint32_t& d = c.px[static_cast<size_t>(y) * c.w + x];
    if (sa == 255) {
        d = src;
        return;
    }
    double fa = sa / 255.0;
    double fd = Alpha(d) / 255.0 * (1.0 - fa);
    double oa = fa + fd;
    uint32_t out = static_cast<uint32_t>(std::lround(oa * 255.0)) << 24;
    for (int shift = 0; shift <= 16; shift += 8) {
        double cs = (src >> shift) & 0xFF;
        double cd = (d >> shift) & 0xFF;
        uint32_t v = static_cast<uint32_t>(std::lround((cs * fa + cd * fd) / oa));
        out |= std::min<uint32_t>(v, 255) << shift;
    }
    d = out;
}

uint32_t WithAlphaScaled(uint32_t c, double k) {
    k = std::clamp(k, 0.0, 1.0);
    uint32_t a = static_cast<uint32_t>(std::lround(Alpha(c) * k));
    return (a << 24) | (c & 0xFFFFFF);
}

uint32_t Mix(uint32_t a, uint32_t b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    uint32_t out = 0;
    for (int shift = 0; shift <= 24; shift += 8) {
        double ca = (a >> shift) & 0xFF;
        double cb = (b >> shift) & 0xFF;
        out |= static_cast<uint32_t>(std::lround(ca + (cb - ca) * t)) << shift;
    }
    return out;
}

void FillRect(Canvas& c, int x, int y, int w, int h, uint32_t col) {
    int x0 = std::max(x, 0), y0 = std::max(y, 0);
    int x1 = std::min(x + w, c.w), y1 = std::min(y + h, c.h);
    for (int yy = y0; yy < y1; ++yy)
        for (int xx = x0; xx < x1; ++xx) Blend(c, xx, yy, col);
}

// A pixel belongs to a shape when its centre lies inside it.
void FillEllipse(Canvas& c, double cx, double cy, double rx, double ry, uint32_t col) {
    if (rx <= 0 || ry <= 0) return;
    int y0 = static_cast<int>(std::floor(cy - ry)), y1 = static_cast<int>(std::ceil(cy + ry));
    int x0 = static_cast<int>(std::floor(cx - rx)), x1 = static_cast<int>(std::ceil(cx + rx));
    for (int y = std::max(y0, 0); y <= std::min(y1, c.h - 1); ++y) {
        double dy = (y + 0.5 - cy) / ry;
        for (int x = std::max(x0, 0); x <= std::min(x1, c.w - 1); ++x) {
            double dx = (x + 0.5 - cx) / rx;
            if (dx * dx + dy * dy <= 1.0) Blend(c, x, y, col);
        }
    }
}

void FillPolygon(Canvas& c, const std::vector<double>& xs, const std::vector<double>& ys, uint32_t col) {
    double minY = *std::min_element(ys.begin(), ys.end());
    double maxY = *std::max_element(ys.begin(), ys.end());
    size_t n = xs.size();
    for (int y = std::max(0, static_cast<int>(std::floor(minY)));
         y <= std::min(c.h - 1, static_cast<int>(std::ceil(maxY))); ++y) {
        double sy = y + 0.5;
        std::vector<double> cross;
        for (size_t i = 0; i < n; ++i) {
            size_t j = (i + 1) % n;
            double ya = ys[i], yb = ys[j];
            if ((ya <= sy && yb > sy) || (yb <= sy && ya > sy))
                cross.push_back(xs[i] + (sy - ya) / (yb - ya) * (xs[j] - xs[i]));
        }
        std::sort(cross.begin(), cross.end());
        for (size_t k = 0; k + 1 < cross.size(); k += 2) {
            int xa = static_cast<int>(std::ceil(cross[k] - 0.5));
            int xb = static_cast<int>(std::floor(cross[k + 1] - 0.5));
            for (int x = std::max(xa, 0); x <= std::min(xb, c.w - 1); ++x) Blend(c, x, y, col);
        }
    }
}

void FillLine(Canvas& c, double x0, double y0, double x1, double y1, double width, uint32_t col) {
    double dx = x1 - x0, dy = y1 - y0;
    double len = std::sqrt(dx * dx + dy * dy);
    if (len == 0) {
        FillEllipse(c, x0, y0, width / 2, width / 2, col);
        return;
    }
    double nx = -dy / len * width / 2, ny = dx / len * width / 2;
    FillPolygon(c, {x0 + nx, x1 + nx, x1 - nx, x0 - nx}, {y0 + ny, y1 + ny, y1 - ny, y0 - ny}, col);
}

struct Grid {
    int w = 0;
    std::vector<std::string> rows;
    std::map<char, uint32_t> keys;
};

struct Block {
    enum Kind { kNone, kGrid, kGlyph } kind = kNone;
    std::string name;
    int startLine = 0;
    Grid grid;
};

struct PicState {
    Canvas* out = nullptr;
    bool sized = false;
    PicRandom rng;
    std::map<std::string, Grid> grids;
    std::map<char, Grid> glyphs;
    std::string artDir;
    int depth = 0;
};

bool ParseNumber(const std::string& s, double& v) {
    if (s.empty()) return false;
    char* end = nullptr;
    v = std::strtod(s.c_str(), &end);
    return end == s.c_str() + s.size() && std::isfinite(v);
}

bool ParseColor(const std::string& s, uint32_t& argb) {
    if (s.size() != 7 && s.size() != 9) return false;
    if (s[0] != '#') return false;
    for (size_t i = 1; i < s.size(); ++i)
        if (!std::isxdigit(static_cast<unsigned char>(s[i]))) return false;
    uint32_t v = static_cast<uint32_t>(std::strtoul(s.c_str() + 1, nullptr, 16));
    argb = s.size() == 7 ? (0xFF000000u | v) : ((v & 0xFF) << 24) | (v >> 8);
    return true;
}

// A coordinate, length or radius lies within this of 0 (four times the largest canvas):
// far enough for any shape that reaches into a picture, and near enough that every sum
// and rounding of it stays an int and every loop over it ends soon.
constexpr double kMaxCoord = 16384;

// Reads the arguments of one command; the first failure is kept as the reason.
struct Args {
    const std::vector<std::string>& tok;
    std::string why;
    bool Count(size_t lo, size_t hi = 0) {
        size_t n = tok.size() - 1;
        if (n >= lo && (hi == 0 ? n == lo : n <= hi)) return true;
        why = tok[0] + " takes " + std::to_string(lo) +
              (hi == 0 ? "" : (hi == SIZE_MAX ? " or more" : " to " + std::to_string(hi))) + " arguments, got " +
              std::to_string(n);
        return false;
    }
    bool Number(size_t i, double& v) {
        if (ParseNumber(tok[i], v)) return true;
        why = "argument " + std::to_string(i) + " of " + tok[0] + " is not a number: '" + tok[i] + "'";
        return false;
    }
    bool Num(size_t i, double& v) {
        if (!Number(i, v)) return false;
        if (std::abs(v) <= kMaxCoord) return true;
        why = "argument " + std::to_string(i) + " of " + tok[0] + " lies beyond -16384 to 16384: '" + tok[i] + "'";
        return false;
    }
    bool Int(size_t i, int& v, int lo, int hi) {
        double d;
        if (!Number(i, d)) return false;
        if (d != std::floor(d) || d < lo || d > hi) {
            why = "argument " + std::to_string(i) + " of " + tok[0] + " must be a whole number from " +
                  std::to_string(lo) + " to " + std::to_string(hi) + ": '" + tok[i] + "'";
            return false;
        }
        v = static_cast<int>(d);
        return true;
    }
    bool Color(size_t i, uint32_t& c) {
        if (ParseColor(tok[i], c)) return true;
        why = "argument " + std::to_string(i) + " of " + tok[0] + " is not a colour #RRGGBB or #RRGGBBAA: '" + tok[i] +
              "'";
        return false;
    }
    bool Colors(size_t from, std::vector<uint32_t>& cs) {
        for (size_t i = from; i < tok.size(); ++i) {
            uint32_t c;
            if (!Color(i, c)) return false;
            cs.push_back(c);
        }
        return true;
    }
    bool Nums(size_t from, size_t n, double* v) {
        for (size_t i = 0; i < n; ++i)
            if (!Num(from + i, v[i])) return false;
        return true;
    }
};

constexpr int kMaxSide = 4096;
constexpr int kMaxCount = 100000;

void DrawTrunk(PicState& st, double cx, double top, double bottom, double w, uint32_t mid, uint32_t dark,
               uint32_t light) {
    Canvas& c = *st.out;
    double h = bottom - top;
    for (int y = static_cast<int>(std::floor(top)); y < static_cast<int>(std::ceil(bottom)); ++y) {
        double t = (y + 0.5 - top) / h;  // 0 at the top, 1 at the foot
        double half = w / 2 * (0.82 + 0.18 * t);
        if (t > 0.86) half += w * 0.55 * std::pow((t - 0.86) / 0.14, 2);  // root flare
        double left = cx - half, right = cx + half;
        for (int x = static_cast<int>(std::ceil(left - 0.5)); x <= static_cast<int>(std::floor(right - 0.5)); ++x) {
            double u = (x + 0.5 - left) / (right - left);  // 0 left edge .. 1 right edge
            uint32_t col = u < 0.28 ? light : (u > 0.66 ? dark : mid);
            if (u > 0.9) col = Mix(dark, 0xFF000000u, 0.25);
            Blend(c, x, y, col);
        }
    }
    // bark furrows, a little longer on big trunks
    int furrows = static_cast<int>(w * h / 45) + 1;
    for (int i = 0; i < furrows; ++i) {
        double fx = cx + st.rng.Range(-0.4, 0.4) * w;
        double fy = st.rng.Range(top, bottom - 4);
        int len = st.rng.Int(4, 8 + static_cast<int>(w / 3));
        uint32_t col = WithAlphaScaled(dark, 0.8);
        if (fx > cx + w * 0.15) col = WithAlphaScaled(Mix(dark, 0xFF000000u, 0.3), 0.8);
        for (int k = 0; k < len; ++k) Blend(c, static_cast<int>(fx), static_cast<int>(fy) + k, col);
    }
}

// Clumps of leaves: a dark mass, a lit layer shifted up-left, highlights on the
// clumps that face the light (top-left of the crown).
void DrawCanopy(PicState& st, double x, double y, double w, double h, int count, double rmin, double rmax,
                uint32_t dark, uint32_t mid, uint32_t light) {
    struct Clump {
        double cx, cy, r, u, v;
    };
    std::vector<Clump> cl;
    for (int i = 0; i < count; ++i) {
        double u, v;
        do {
            u = st.rng.Range(-1, 1);
            v = st.rng.Range(-1, 1);
        } while (u * u + v * v > 1.0);
        double r = st.rng.Range(rmin, rmax);
        cl.push_back({x + w / 2 + u * (w / 2 - r * 0.6), y + h / 2 + v * (h / 2 - r * 0.6), r, u, v});
    }
    for (const Clump& k : cl) FillEllipse(*st.out, k.cx, k.cy + k.r * 0.12, k.r, k.r * 0.92, dark);
    for (const Clump& k : cl) FillEllipse(*st.out, k.cx - k.r * 0.14, k.cy - k.r * 0.14, k.r * 0.78, k.r * 0.72, mid);
    for (const Clump& k : cl)
        if (k.u + k.v < 0.5) FillEllipse(*st.out, k.cx - k.r * 0.36, k.cy - k.r * 0.36, k.r * 0.38, k.r * 0.32, light);
}

void DrawBunting(PicState& st, double x0, double y0, double x1, double y1, double sag, double size, uint32_t cord,
                 const std::vector<uint32_t>& flags) {
    auto at = [&](double t) {
        double yy = y0 + (y1 - y0) * t + sag * 4 * t * (1 - t);
        return std::pair<double, double>(x0 + (x1 - x0) * t, yy);
    };
    int steps = static_cast<int>(std::abs(x1 - x0) + std::abs(y1 - y0)) + 1;
    int nflags = static_cast<int>(std::abs(x1 - x0) / (size * 1.5));
    for (int i = 0; i < nflags; ++i) {
        double t = (i + 0.5) / nflags;
        auto [fx, fy] = at(t);
        uint32_t col = flags[i % flags.size()];
        FillPolygon(*st.out, {fx - size / 2, fx + size / 2, fx}, {fy, fy, fy + size * 1.25}, col);
        FillPolygon(*st.out, {fx + size * 0.1, fx + size / 2, fx}, {fy, fy, fy + size * 1.25},
                    Mix(col, 0xFF000000u, 0.22));
    }
    for (int i = 0; i <= steps; ++i) {
        auto [px, py] = at(static_cast<double>(i) / steps);
        Blend(*st.out, static_cast<int>(std::floor(px)), static_cast<int>(std::floor(py)), cord);
    }
}

void PlaceGrid(PicState& st, const Grid& g, int x, int y, int scale, bool flip, const std::map<char, uint32_t>& over) {
    for (size_t r = 0; r < g.rows.size(); ++r) {
        for (int col = 0; col < g.w; ++col) {
            char ch = g.rows[r][flip ? g.w - 1 - col : col];
            if (ch == '.') continue;
            auto o = over.find(ch);
            uint32_t argb = o != over.end() ? o->second : g.keys.at(ch);
            FillRect(*st.out, x + col * scale, y + static_cast<int>(r) * scale, scale, scale, argb);
        }
    }
}

bool DrawLettering(PicState& st, int x, int y, int scale, int gap, uint32_t top, uint32_t bottom, uint32_t outline,
                   int ow, const std::string& text, std::string& why) {
    int width = 0, height = 0;
    for (char ch : text) {
        if (ch == ' ') {
            width += 4 + gap;
            continue;
        }
        auto g = st.glyphs.find(ch);
        if (g == st.glyphs.end()) {
            why = std::string("lettering uses '") + ch + "', which has no glyph";
            return false;
        }
        width += g->second.w + gap;
        height = std::max(height, static_cast<int>(g->second.rows.size()));
    }
    // The lettering's mask is mw x mh, but only the part that lands on the picture is
    // coloured, and only it and a margin of the outline's width are worked out: a long
    // line of text running far past the edge costs nothing for what cannot be seen.
    const int mw = width * scale + 2 * ow, mh = height * scale + 2 * ow;
    const int myFrom = std::max(0, ow - y), myTo = std::min(mh, st.out->h - y + ow);
    const int mxFrom = std::max(0, ow - x), mxTo = std::min(mw, st.out->w - x + ow);
    if (myFrom >= myTo || mxFrom >= mxTo) return true;
    const int rx0 = std::max(0, mxFrom - ow), rx1 = std::min(mw, mxTo + ow);
    const int ry0 = std::max(0, myFrom - ow), ry1 = std::min(mh, myTo + ow);
    const int rw = rx1 - rx0;
    std::vector<uint8_t> ink(static_cast<size_t>(rw) * (ry1 - ry0), 0);
    auto inked = [&](int mx, int my) {
        return mx >= rx0 && mx < rx1 && my >= ry0 && my < ry1 &&
               ink[static_cast<size_t>(my - ry0) * rw + (mx - rx0)] != 0;
    };
    int cx = 0;
    for (char ch : text) {
        if (ch == ' ') {
            cx += 4 + gap;
            continue;
        }
        const Grid& g = st.glyphs.at(ch);
        const int left = ow + cx * scale;
        cx += g.w + gap;
        if (left + g.w * scale <= rx0 || left >= rx1) continue;  // wholly outside what is worked out
        for (size_t r = 0; r < g.rows.size(); ++r)
            for (int c = 0; c < g.w; ++c)
                if (g.rows[r][c] != '.')
                    for (int dy = 0; dy < scale; ++dy)
                        for (int dx = 0; dx < scale; ++dx) {
                            const int mx = left + c * scale + dx, my = ow + static_cast<int>(r) * scale + dy;
                            if (mx >= rx0 && mx < rx1 && my >= ry0 && my < ry1)
                                ink[static_cast<size_t>(my - ry0) * rw + (mx - rx0)] = 1;
                        }
    }
    for (int my = myFrom; my < myTo; ++my) {
        for (int mx = mxFrom; mx < mxTo; ++mx) {
            int px = x - ow + mx, py = y - ow + my;
            if (inked(mx, my)) {
                double t = height * scale > 1 ? static_cast<double>(my - ow) / (height * scale - 1) : 0;
                Blend(*st.out, px, py, Mix(top, bottom, t));
                continue;
            }
            bool near = false;
            for (int dy = -ow; dy <= ow && !near; ++dy)
                for (int dx = -ow; dx <= ow && !near; ++dx) {
                    if (dx * dx + dy * dy > ow * ow + ow) continue;  // rounded outline corners
                    if (inked(mx + dx, my + dy)) near = true;
                }
            if (near) Blend(*st.out, px, py, outline);
        }
    }
    return true;
}

bool RunFile(PicState& st, const std::string& path, std::string& err);

// Executes one command line (already split into tokens). Returns false with the reason in why.
bool RunCommand(PicState& st, const std::vector<std::string>& tok, std::string& why) {
    const std::string& cmd = tok[0];
    Args a{tok, ""};
    auto fail = [&]() {
        why = a.why;
        return false;
    };
    if (cmd == "size") {
        int w, h;
        if (!a.Count(2) || !a.Int(1, w, 1, kMaxSide) || !a.Int(2, h, 1, kMaxSide)) return fail();
        if (st.sized) {
            why = "size given twice";
            return false;
        }
        *st.out = MakeCanvas(w, h, 0);
        st.sized = true;
        return true;
    }
    if (cmd == "seed") {
        int s;
        if (!a.Count(1) || !a.Int(1, s, 0, 2000000000)) return fail();
        st.rng.state = static_cast<uint32_t>(s) * 2654435761u + 12345u;
        return true;
    }
    if (cmd == "include") {
        if (!a.Count(1)) return fail();
        if (st.depth >= 8) {
            why = "includes nested too deeply";
            return false;
        }
        ++st.depth;
        bool ok = RunFile(st, st.artDir + "/" + tok[1], why);
        --st.depth;
        if (!ok) why = "in included file: " + why;
        return ok;
    }
    if (!st.sized) {
        why = "'" + cmd + "' before size";
        return false;
    }
    Canvas& c = *st.out;
    if (cmd == "fill") {
        uint32_t col;
        if (!a.Count(1) || !a.Color(1, col)) return fail();
        FillRect(c, 0, 0, c.w, c.h, col);
        return true;
    }
    if (cmd == "rect") {
        double v[4];
        uint32_t col;
        if (!a.Count(5) || !a.Nums(1, 4, v) || !a.Color(5, col)) return fail();
        FillRect(c, static_cast<int>(std::lround(v[0])), static_cast<int>(std::lround(v[1])),
                 static_cast<int>(std::lround(v[2])), static_cast<int>(std::lround(v[3])), col);
        return true;
    }
    if (cmd == "vgradient" || cmd == "hgradient") {
        double v[4];
        uint32_t c0, c1;
        if (!a.Count(6) || !a.Nums(1, 4, v) || !a.Color(5, c0) || !a.Color(6, c1)) return fail();
        int x0 = static_cast<int>(std::lround(v[0])), y0 = static_cast<int>(std::lround(v[1]));
        int w = static_cast<int>(std::lround(v[2])), h = static_cast<int>(std::lround(v[3]));
        bool vertical = cmd == "vgradient";
        int n = vertical ? h : w;
        for (int i = 0; i < n; ++i) {
            uint32_t col = Mix(c0, c1, n > 1 ? static_cast<double>(i) / (n - 1) : 0);
            if (vertical)
                FillRect(c, x0, y0 + i, w, 1, col);
            else
                FillRect(c, x0 + i, y0, 1, h, col);
        }
        return true;
    }
    if (cmd == "ellipse" || cmd == "glow") {
        double v[4];
        uint32_t col;
        if (!a.Count(5) || !a.Nums(1, 4, v) || !a.Color(5, col)) return fail();
        if (cmd == "ellipse") {
            FillEllipse(c, v[0], v[1], v[2], v[3], col);
            return true;
        }
        if (v[2] <= 0 || v[3] <= 0) return true;
        // Only the canvas is visited: a glow draws no random numbers, so nothing past it matters.
        for (int y = std::max(static_cast<int>(v[1] - v[3]), 0); y <= std::min(static_cast<int>(v[1] + v[3]), c.h - 1);
             ++y)
            for (int x = std::max(static_cast<int>(v[0] - v[2]), 0);
                 x <= std::min(static_cast<int>(v[0] + v[2]), c.w - 1); ++x) {
                double dx = (x + 0.5 - v[0]) / v[2], dy = (y + 0.5 - v[1]) / v[3];
                double d = std::sqrt(dx * dx + dy * dy);
                if (d < 1.0) Blend(c, x, y, WithAlphaScaled(col, (1 - d) * (1 - d)));
            }
        return true;
    }
    if (cmd == "polygon") {
        uint32_t col;
        if (!a.Count(7, SIZE_MAX) || !a.Color(1, col)) return fail();
        if ((tok.size() - 2) % 2 != 0) {
            why = "polygon needs pairs of coordinates";
            return false;
        }
        std::vector<double> xs, ys;
        for (size_t i = 2; i < tok.size(); i += 2) {
            double px, py;
            if (!a.Num(i, px) || !a.Num(i + 1, py)) return fail();
            xs.push_back(px);
            ys.push_back(py);
        }
        FillPolygon(c, xs, ys, col);
        return true;
    }
    if (cmd == "line") {
        double v[5];
        uint32_t col;
        if (!a.Count(6) || !a.Nums(1, 5, v) || !a.Color(6, col)) return fail();
        FillLine(c, v[0], v[1], v[2], v[3], v[4], col);
        return true;
    }
    if (cmd == "speckle" || cmd == "blobs" || cmd == "grass") {
        bool sized = cmd != "speckle";
        size_t first = sized ? 8 : 6;
        double v[4], r[2] = {0, 0};
        int count;
        std::vector<uint32_t> cols;
        if (!a.Count(first, SIZE_MAX) || !a.Nums(1, 4, v) || !a.Int(5, count, 0, kMaxCount) ||
            (sized && !a.Nums(6, 2, r)) || !a.Colors(first, cols))
            return fail();
        for (int i = 0; i < count; ++i) {
            double px = st.rng.Range(v[0], v[0] + v[2]), py = st.rng.Range(v[1], v[1] + v[3]);
            double size = sized ? st.rng.Range(r[0], r[1]) : 0;
            uint32_t col = cols[st.rng.Int(0, static_cast<int>(cols.size()) - 1)];
            if (cmd == "speckle") {
                Blend(c, static_cast<int>(px), static_cast<int>(py), col);
            } else if (cmd == "blobs") {
                FillEllipse(c, px, py, size, size * 0.85, col);
            } else {
                double lean = st.rng.Range(-0.45, 0.45);
                for (int k = 0; k < static_cast<int>(size); ++k)
                    Blend(c, static_cast<int>(std::floor(px + lean * k)), static_cast<int>(py) - k, col);
            }
        }
        return true;
    }
    if (cmd == "flowers") {
        double v[4];
        int count;
        uint32_t centre;
        std::vector<uint32_t> petals;
        if (!a.Count(7, SIZE_MAX) || !a.Nums(1, 4, v) || !a.Int(5, count, 0, kMaxCount) || !a.Color(6, centre) ||
            !a.Colors(7, petals))
            return fail();
        for (int i = 0; i < count; ++i) {
            int fx = static_cast<int>(st.rng.Range(v[0], v[0] + v[2]));
            int fy = static_cast<int>(st.rng.Range(v[1], v[1] + v[3]));
            uint32_t p = petals[st.rng.Int(0, static_cast<int>(petals.size()) - 1)];
            uint32_t shade = Mix(p, 0xFF000000u, 0.25);
            Blend(c, fx - 1, fy, p);
            Blend(c, fx, fy - 1, p);
            Blend(c, fx + 1, fy, shade);
            Blend(c, fx, fy + 1, shade);
            Blend(c, fx, fy, centre);
        }
        return true;
    }
    if (cmd == "canopy") {
        double v[4], r[2];
        int count;
        uint32_t dark, mid, light;
        if (!a.Count(10) || !a.Nums(1, 4, v) || !a.Int(5, count, 0, kMaxCount) || !a.Nums(6, 2, r) ||
            !a.Color(8, dark) || !a.Color(9, mid) || !a.Color(10, light))
            return fail();
        DrawCanopy(st, v[0], v[1], v[2], v[3], count, r[0], r[1], dark, mid, light);
        return true;
    }
    if (cmd == "trunk") {
        double v[4];
        uint32_t mid, dark, light;
        if (!a.Count(7) || !a.Nums(1, 4, v) || !a.Color(5, mid) || !a.Color(6, dark) || !a.Color(7, light))
            return fail();
        if (v[2] <= v[1] || v[3] <= 0) {
            why = "trunk needs its top above its foot and a positive width";
            return false;
        }
        DrawTrunk(st, v[0], v[1], v[2], v[3], mid, dark, light);
        return true;
    }
    if (cmd == "bunting") {
        double v[6];
        uint32_t cord;
        std::vector<uint32_t> flags;
        if (!a.Count(8, SIZE_MAX) || !a.Nums(1, 6, v) || !a.Color(7, cord) || !a.Colors(8, flags)) return fail();
        if (v[5] < 2) {
            why = "bunting flags must be at least 2 pixels";
            return false;
        }
        DrawBunting(st, v[0], v[1], v[2], v[3], v[4], v[5], cord, flags);
        return true;
    }
    if (cmd == "noise") {
        double v[4];
        int amount;
        if (!a.Count(5) || !a.Nums(1, 4, v) || !a.Int(5, amount, 0, 255)) return fail();
        for (int y = static_cast<int>(v[1]); y < static_cast<int>(v[1] + v[3]); ++y)
            for (int x = static_cast<int>(v[0]); x < static_cast<int>(v[0] + v[2]); ++x) {
                int d = st.rng.Int(-amount, amount);
                if (x < 0 || y < 0 || x >= c.w || y >= c.h) continue;
                uint32_t& p = c.px[static_cast<size_t>(y) * c.w + x];
                if (Alpha(p) == 0) continue;
                uint32_t q = p & 0xFF000000u;
                for (int shift = 0; shift <= 16; shift += 8)
                    q |= static_cast<uint32_t>(std::clamp(static_cast<int>((p >> shift) & 0xFF) + d, 0, 255)) << shift;
                p = q;
            }
        return true;
    }
    if (cmd == "place") {
        int x, y, scale;
        if (!a.Count(4, SIZE_MAX) || !a.Int(2, x, -kMaxSide, kMaxSide) || !a.Int(3, y, -kMaxSide, kMaxSide) ||
            !a.Int(4, scale, 1, 64))
            return fail();
        auto g = st.grids.find(tok[1]);
        if (g == st.grids.end()) {
            why = "no grid named '" + tok[1] + "'";
            return false;
        }
        bool flip = false;
        std::map<char, uint32_t> over;
        for (size_t i = 5; i < tok.size(); ++i) {
            uint32_t col;
            if (tok[i] == "flip") {
                flip = true;
            } else if (tok[i].size() >= 3 && tok[i][1] == '=' && ParseColor(tok[i].substr(2), col)) {
                over[tok[i][0]] = col;
            } else {
                why = "place option must be 'flip' or c=#RRGGBB: '" + tok[i] + "'";
                return false;
            }
        }
        PlaceGrid(st, g->second, x, y, scale, flip, over);
        return true;
    }
    if (cmd == "lettering") {
        int x, y, scale, gap, ow;
        uint32_t top, bottom, outline;
        if (!a.Count(9, SIZE_MAX) || !a.Int(1, x, -kMaxSide, kMaxSide) || !a.Int(2, y, -kMaxSide, kMaxSide) ||
            !a.Int(3, scale, 1, 64) || !a.Int(4, gap, -8, 64) || !a.Color(5, top) || !a.Color(6, bottom) ||
            !a.Color(7, outline) || !a.Int(8, ow, 0, 32))
            return fail();
        std::string text = tok[9];
        for (size_t i = 10; i < tok.size(); ++i) text += " " + tok[i];
        return DrawLettering(st, x, y, scale, gap, top, bottom, outline, ow, text, why);
    }
    why = "unknown command '" + cmd + "'";
    return false;
}

std::vector<std::string> Split(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> tok;
    std::string t;
    while (in >> t) tok.push_back(t);
    return tok;
}

// Collects one line of a grid or glyph block. Key lines ("key c #RRGGBB") have
// spaces; pixel rows never do.
bool BlockLine(Block& b, const std::string& line, std::string& why) {
    if (line.find_first_of(" \t") != std::string::npos) {
        std::vector<std::string> tok = Split(line);
        uint32_t col;
        if (b.kind != Block::kGrid || tok.size() != 3 || tok[0] != "key" || tok[1].size() != 1 ||
            !ParseColor(tok[2], col)) {
            why = b.kind == Block::kGrid ? "expected a pixel row or 'key <char> #RRGGBB'"
                                         : "glyph rows may not contain spaces";
            return false;
        }
        if (tok[1] == ".") {
            why = "'.' is always transparent and cannot be a key";
            return false;
        }
        b.grid.keys[tok[1][0]] = col;
        return true;
    }
    if (!b.grid.rows.empty() && static_cast<int>(line.size()) != b.grid.w) {
        why = "row is " + std::to_string(line.size()) + " wide, the block's first row is " + std::to_string(b.grid.w);
        return false;
    }
    if (b.kind == Block::kGrid)
        for (char ch : line)
            if (ch != '.' && !b.grid.keys.count(ch)) {
                why = std::string("'") + ch + "' has no key in grid " + b.name;
                return false;
            }
    b.grid.w = static_cast<int>(line.size());
    b.grid.rows.push_back(line);
    return true;
}

bool RunText(PicState& st, const std::string& text, const std::string& path, std::string& err);

bool RunFile(PicState& st, const std::string& path, std::string& err) {
    std::ifstream file(path);
    if (!file) {
        err = path + ": cannot open";
        return false;
    }
    std::stringstream text;
    text << file.rdbuf();
    return RunText(st, text.str(), path, err);
}

// Runs the commands of one source text; `path` names it in messages.
bool RunText(PicState& st, const std::string& text, const std::string& path, std::string& err) {
    std::istringstream in(text);
    std::string line;
    int n = 0;
    Block block;
    auto where = [&](int ln) { return path + ":" + std::to_string(ln) + ": "; };
    while (std::getline(in, line)) {
        ++n;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.pop_back();
        std::string why;
        if (block.kind != Block::kNone) {
            if (line == "end") {
                if (block.grid.rows.empty()) {
                    err = where(n) + "block '" + block.name + "' has no rows";
                    return false;
                }
                if (block.kind == Block::kGrid)
                    st.grids[block.name] = block.grid;
                else
                    st.glyphs[block.name[0]] = block.grid;
                block = Block();
                continue;
            }
            if (line.empty()) {
                err = where(n) + "empty line inside block '" + block.name + "' (close it with 'end')";
                return false;
            }
            if (!BlockLine(block, line, why)) {
                err = where(n) + why;
                return false;
            }
            continue;
        }
        size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;
        std::vector<std::string> tok = Split(line);
        if (tok.empty()) continue;  // only whitespace such as a vertical tab or form feed
        if (tok[0] == "grid" || tok[0] == "glyph") {
            if (tok.size() != 2 || (tok[0] == "glyph" && tok[1].size() != 1)) {
                err = where(n) + (tok[0] == "grid" ? "grid takes one name" : "glyph takes one character");
                return false;
            }
            block.kind = tok[0] == "grid" ? Block::kGrid : Block::kGlyph;
            block.name = tok[1];
            block.startLine = n;
            continue;
        }
        if (!RunCommand(st, tok, why)) {
            err = where(n) + why;
            return false;
        }
    }
    if (block.kind != Block::kNone) {
        err = where(block.startLine) + "block '" + block.name + "' is never closed with 'end'";
        return false;
    }
    return true;
}

}  // namespace

namespace {

// The one way a picture is drawn, from its file or from text already in memory.
bool Render(const std::string* text, const std::string& sourcePath, const std::string& artDir, Canvas& out,
            std::string& err) {
    PicState st;
    Canvas canvas;
    st.out = &canvas;
    st.artDir = artDir;
    err.clear();
    if (!(text ? RunText(st, *text, sourcePath, err) : RunFile(st, sourcePath, err))) return false;
    if (!st.sized) {
        err = sourcePath + ": no size given";
        return false;
    }
    out = std::move(canvas);
    return true;
}

}  // namespace

bool RenderPicture(const std::string& sourcePath, const std::string& artDir, Canvas& out, std::string& err) {
    return Render(nullptr, sourcePath, artDir, out, err);
}

bool RenderPictureText(const std::string& text, const std::string& name, const std::string& artDir, Canvas& out,
                       std::string& err) {
    return Render(&text, name, artDir, out, err);
}
