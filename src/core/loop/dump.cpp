#include "core/loop/dump.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <sstream>
#include <type_traits>

#include "core/loop/startup.h"
#include "core/open_screen.h"
#include "core/random.h"
#include "core/state.h"
#include "core/ui_mode.h"
#include "worldgen/terrain.h"

namespace {

enum class Element { Int, Text, Real };

template <typename T>
constexpr Element ElementOf() {
    static_assert(std::is_same_v<T, int> || std::is_same_v<T, std::string> || std::is_same_v<T, double>);
    return std::is_same_v<T, int> ? Element::Int : std::is_same_v<T, std::string> ? Element::Text : Element::Real;
}

// Writes entry [i][j] of a table; a list ignores j and a scalar both.
template <typename T, T& table>
void WriteEntry(std::ostream& out, int i, int j) {
    if constexpr (std::rank_v<T> == 0) {
        out << table;
    } else if constexpr (std::rank_v<T> == 1) {
        out << table[i];
    } else {
        out << table[i][j];
    }
}

struct Shape {
    int rank;     // 0 a scalar, 1 a list, 2 a grid
    int entries;  // first index
    int columns;  // second index
};

template <typename T>
constexpr Shape ShapeOf() {
    return {static_cast<int>(std::rank_v<T>), static_cast<int>(std::extent_v<T, 0>),
            static_cast<int>(std::extent_v<T, 1>)};
}

struct DumpedTable {
    const char* name;
    DumpAs::Rule rule;
    Element element;
    Shape shape;
    void (*write)(std::ostream& out, int i, int j);
};

// Every table of state.h, in the order it lists them.
const DumpedTable Tables[] = {
#define HOOF_TABLE(type, name, dims, dump) \
    {#name, DumpAs::dump, ElementOf<type>(), ShapeOf<decltype(name)>(), &WriteEntry<decltype(name), name>},
#include "core/state.h"
};

void WriteValueLine(std::ostream& out, const DumpedTable& t, int i, int j) {
    t.write(out, i, j);
    out << '\n';
}

void WriteValues(std::ostream& out, DumpAs::Kind kind) {
    for (const Element e : {Element::Int, Element::Text, Element::Real}) {
        for (const DumpedTable& t : Tables) {
            if (t.rule.kind != kind || t.element != e) continue;
            out << t.name << ' ';
            WriteValueLine(out, t, 0, 0);
        }
    }
}

void WriteLists(std::ostream& out, DumpAs::Kind kind) {
    for (const DumpedTable& t : Tables) {
        if (t.rule.kind != kind) continue;
        const int count = t.rule.entries > 0 ? t.rule.entries : t.shape.entries;
        for (int i = 0; i < count; ++i) {
            out << t.name << '[' << i << "] ";
            WriteValueLine(out, t, i, 0);
        }
    }
}

// The hero's slot of the creature table: its name first, then its numbers, then its
// columns (the statuses).
void WriteHeroSlot(std::ostream& out) {
    for (const bool text : {true, false}) {
        for (const DumpedTable& t : Tables) {
            const bool field = t.rule.kind == DumpAs::Kind::HeroSlot && t.shape.rank == 1;
            if (!field || (t.element == Element::Text) != text) continue;
            out << t.name << "[0] ";
            WriteValueLine(out, t, 0, 0);
        }
    }
    for (const DumpedTable& t : Tables) {
        if (t.rule.kind != DumpAs::Kind::HeroSlot || t.shape.rank != 2) continue;
        for (int s = 0; s < t.shape.columns; ++s) {
            out << t.name << "[0," << s << "] ";
            WriteValueLine(out, t, 0, s);
        }
    }
}

// The Ranked tables, [rank][table] (the high scores): each rank of each table shows
// its value, name and depth together.
void WriteRanked(std::ostream& out) {
    int ranks = 0, tables = 0;
    for (const DumpedTable& t : Tables) {
        if (t.rule.kind != DumpAs::Kind::Ranked) continue;
        ranks = std::max(ranks, t.shape.entries);
        tables = std::max(tables, t.shape.columns);
    }
    for (int c = 0; c < tables; ++c) {
        for (int r = 0; r < ranks; ++r) {
            for (const DumpedTable& t : Tables) {
                if (t.rule.kind != DumpAs::Kind::Ranked || r >= t.shape.entries || c >= t.shape.columns) continue;
                out << t.name << '[' << r << ',' << c << "] ";
                WriteValueLine(out, t, r, c);
            }
        }
    }
}

}  // namespace

std::string StateDumpText() {
    std::ostringstream out;
    out << "MapMaxX " << MapMaxX << '\n' << "MapMaxY " << MapMaxY << '\n';
    WriteValues(out, DumpAs::Kind::Value);
    if (UiMode == UiLook) WriteValues(out, DumpAs::Kind::WhileLooking);
    if (ActiveScreen != ScreenNone) WriteValues(out, DumpAs::Kind::WhileScreenOpen);
    out << "TitleScroll " << TitleScroll() << '\n' << "TitleFade " << TitleFade() << '\n';
    WriteLists(out, DumpAs::Kind::Vars);
    WriteLists(out, DumpAs::Kind::List);
    WriteHeroSlot(out);
    WriteRanked(out);
    out << "TerrainHash " << TerrainHash() << '\n';
    WriteLists(out, DumpAs::Kind::Countdowns);
    // The Slots tables: one line per occupied slot of the satchel and the ground, kind
    // tier seed count and kind tier x y seed count; between them the creatures, kind x
    // y hp maxhp attitude mode level, from their HeroSlot tables.
    for (int i = 0; i < InvSlots; ++i) {
        if (InvKind[i] == 0) continue;
        out << "Inv[" << i << "] " << InvKind[i] << ' ' << InvTier[i] << ' ' << InvSeed[i] << ' ' << InvCount[i]
            << '\n';
    }
    for (int m = 1; m <= MonCapacity; ++m) {
        if (MonKind[m] == 0) continue;
        out << "Mon[" << m << "] " << MonKind[m] << ' ' << MonX[m] << ' ' << MonY[m] << ' ' << MonHp[m] << ' '
            << MonMaxHp[m] << ' ' << MonAttitude[m] << ' ' << MonMode[m] << ' ' << MonLevel[m] << '\n';
    }
    for (int g = 0; g < GroundSlots; ++g) {
        if (GroundItemKind[g] == 0) continue;
        out << "Ground[" << g << "] " << GroundItemKind[g] << ' ' << GroundItemTier[g] << ' ' << GroundItemX[g] << ' '
            << GroundItemY[g] << ' ' << GroundItemSeed[g] << ' ' << GroundItemCount[g] << '\n';
    }
    out << "RandomState " << RandomState() << '\n';
    return out.str();
}

void WriteStateDump(const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "wb");
    const std::string text = StateDumpText();
    if (!f || std::fwrite(text.data(), 1, text.size(), f) != text.size()) {
        std::fprintf(stderr, "hoofbound: state dump %s not written\n", path.c_str());
    }
    if (f) std::fclose(f);
}
