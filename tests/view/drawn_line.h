// One text a frame drew, where it drew it: what the view tests read a frame as, through
// the platform's text watcher.
#pragma once
#include <ostream>
#include <string>

struct Line {
    std::string text;
    int x;
    int y;
    bool operator==(const Line& o) const { return text == o.text && x == o.x && y == o.y; }
};

inline std::ostream& operator<<(std::ostream& out, const Line& l) {
    return out << "(" << l.x << ", " << l.y << ") \"" << l.text << "\"";
}
