#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

std::string Root;
std::string WriteError;

// ---- The step seam (HOOF_FILE_STEPS) --------------------------------------------------
// Off unless the variable is set. Every step that changes the disk is numbered and told
// on stderr; the process stops itself (SIGSTOP) before the steps it names, so a crash
// trial can look at the folder or kill the process at exactly that instant.
struct StepSeam {
    bool read = false;
    bool on = false;
    bool stopAtGroups = false;  // before each group's "begin" and "end"
    std::vector<int> stopAt;
    int count = 0;
};
StepSeam Seam;

void ReadSeam(const char* setting) {
    Seam = StepSeam{};
    Seam.read = true;
    if (!setting || !*setting) return;
    Seam.on = true;
    std::string text = setting;
    if (text.rfind("stop:", 0) != 0) return;  // "announce", or anything else: only tell
    text.erase(0, 5);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(',', start);
        if (end == std::string::npos) end = text.size();
        const std::string item = text.substr(start, end - start);
        if (item == "groups") {
            Seam.stopAtGroups = true;
        } else if (!item.empty()) {
            Seam.stopAt.push_back(std::atoi(item.c_str()));
        }
        start = end + 1;
    }
}

void Step(const char* what, const std::string& path) {
    if (!Seam.read) ReadSeam(std::getenv("HOOF_FILE_STEPS"));
    if (!Seam.on) return;
    ++Seam.count;
    std::fprintf(stderr, "hoofbound: file step %d %s %s\n", Seam.count, what, path.c_str());
    bool stop = Seam.stopAtGroups && (std::strcmp(what, "begin") == 0 || std::strcmp(what, "end") == 0);
    for (int k : Seam.stopAt) stop = stop || k == Seam.count;
    if (stop) {
        std::fflush(stderr);
        raise(SIGSTOP);
    }
}

// ---- Saving several files as one ------------------------------------------------------
// While a group is open, WriteWholeFile leaves each new file under its temporary name and
// DeleteFile only notes the name; CommitFileGroup then lists them all in the marker and
// carries them out. A run's save and its sector file are separate files, and a crash
// between their renames would pair a hero with a sector from another moment.
const char* const MarkerName = "SaveInProgress.txt";

struct PendingChange {
    std::string temp;    // full path of the finished temporary file; empty for a deletion
    std::string target;  // full path of the file it replaces or that goes
};
bool Grouping = false;
bool GroupFailed = false;
std::vector<PendingChange> Pending;

bool IsFolder(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Creates a folder and its parents; true when it exists afterwards.
bool MakeFolders(const std::string& path) {
    if (path.empty() || IsFolder(path)) return !path.empty();
    const size_t slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0) MakeFolders(path.substr(0, slash));
    if (mkdir(path.c_str(), 0755) != 0 && errno != EEXIST) return false;
    return IsFolder(path);
}

bool FolderWritable(const std::string& path) { return IsFolder(path) && access(path.c_str(), W_OK | X_OK) == 0; }

// Joins `base` with the game's relative path, choosing for each component an existing
// entry that matches without regard to case, or the name as written when none exists.
std::string Resolve(const std::string& base, const std::string& gamePath) {
    std::string result = base;
    std::string rest = gamePath;
    for (char& c : rest) {
        if (c == '\\') c = '/';
    }
    size_t start = 0;
    while (start <= rest.size()) {
        size_t end = rest.find('/', start);
        if (end == std::string::npos) end = rest.size();
        const std::string part = rest.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".") {
            if (end == rest.size()) break;
            continue;
        }
        std::string chosen = part;
        const std::string exact = result + "/" + part;
        struct stat st {};
        if (stat(exact.c_str(), &st) != 0) {
            // Of several spellings on disk, the first in byte order wins, so the
            // choice never depends on the order the folder happens to list them.
            bool found = false;
            if (DIR* dir = opendir(result.c_str())) {
                while (dirent* entry = readdir(dir)) {
                    if (strcasecmp(entry->d_name, part.c_str()) == 0 && (!found || chosen > entry->d_name)) {
                        chosen = entry->d_name;
                        found = true;
                    }
                }
                closedir(dir);
            }
        }
        result += "/" + chosen;
        if (end == rest.size()) break;
    }
    return result;
}

std::string ParentFolder(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

bool Fail(const std::string& gamePath, const std::string& what) {
    const std::string error = "Could not save " + gamePath + ": " + what;
    std::fprintf(stderr, "hoofbound: %s\n", error.c_str());
    // Of a save's files, the first that failed is the one the player is told about.
    if (!(Grouping && GroupFailed)) WriteError = error;
    if (Grouping) GroupFailed = true;
    return false;
}

// Writes `bytes` to `temp`, flushed to disk; on failure nothing of it is left.
bool WriteTemporary(const std::string& gamePath, const std::string& temp, const std::vector<uint8_t>& bytes) {
    Step("open", temp);
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return Fail(gamePath, std::strerror(errno));
    size_t done = 0;
    while (done < bytes.size()) {
        Step("write", temp);
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const std::string why = n < 0 ? std::strerror(errno) : "nothing written";
            close(fd);
            unlink(temp.c_str());
            return Fail(gamePath, why);
        }
        done += static_cast<size_t>(n);
    }
    Step("sync", temp);
    if (fsync(fd) != 0) {
        const std::string why = std::strerror(errno);
        close(fd);
        unlink(temp.c_str());
        return Fail(gamePath, why);
    }
    Step("close", temp);
    if (close(fd) != 0) {
        const std::string why = std::strerror(errno);
        unlink(temp.c_str());
        return Fail(gamePath, why);
    }
    return true;
}

// Flushes a folder's entries, so a rename in it is on disk before what depends on it.
void SyncFolder(const std::string& folder) {
    Step("syncfolder", folder);
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

// A path inside the data root as the marker writes it, and back.
std::string InsideRoot(const std::string& path) {
    const std::string prefix = Root + "/";
    return path.rfind(prefix, 0) == 0 ? path.substr(prefix.size()) : path;
}
std::string FromRoot(const std::string& name) { return name.empty() || name[0] == '/' ? name : Root + "/" + name; }

// "NAME.tmp<digits>": what WriteWholeFile leaves when it is cut short.
bool IsTemporaryName(const std::string& name) {
    const size_t mark = name.rfind(".tmp");
    if (mark == std::string::npos || mark + 4 == name.size()) return false;
    return name.find_first_not_of("0123456789", mark + 4) == std::string::npos;
}

}  // namespace

std::string ProgramFolder() {
    static std::string folder;
    if (!folder.empty()) return folder;
    char buffer[4096];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n > 0) {
        buffer[n] = '\0';
        folder = ParentFolder(buffer);
    } else {
        folder.assign(1, '.');  // not `= "."`: GCC 12 warns falsely (-Wrestrict) on that assignment
    }
    return folder;
}

std::string PictureFolder() {
    static std::string folder;
    if (!folder.empty()) return folder;
    folder = ProgramFolder();
    // Installed, the pictures live in the shared data folder beside bin/, as a desktop
    // expects; built, they sit beside the program.
    struct stat st {};
    const std::string installed = ProgramFolder() + "/../share/hoofbound";
    if (stat((folder + "/images").c_str(), &st) != 0 && stat((installed + "/images").c_str(), &st) == 0 &&
        S_ISDIR(st.st_mode))
        folder = installed;
    return folder;
}

bool RunningInstalled() { return PictureFolder() != ProgramFolder(); }

namespace {

// $XDG_DATA_HOME/hoofbound, or ~/.local/share/hoofbound; empty when neither is known.
std::string PerUserFolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    if (xdg && *xdg) return std::string(xdg) + "/hoofbound";
    if (home && *home) return std::string(home) + "/.local/share/hoofbound";
    return "";
}

}  // namespace

bool ChooseDataRoot(const std::string& requested, std::string& error) {
    std::string root;
    if (!requested.empty()) {
        root = requested;
        while (root.size() > 1 && root.back() == '/') root.pop_back();
        if (!MakeFolders(root) || !FolderWritable(root)) {
            error = "cannot create or write the folder " + requested + ": " + std::strerror(errno);
            return false;
        }
    } else if (RunningInstalled()) {
        // An installed game keeps each player's saves in their own folder, never in the
        // shared program folders, writable or not.
        root = PerUserFolder();
        if (root.empty() || !MakeFolders(root) || !FolderWritable(root)) {
            error = "no per-user folder could be made for the saves (set HOME or XDG_DATA_HOME)";
            return false;
        }
    } else {
        root = ProgramFolder();
        if (!FolderWritable(root)) {
            const std::string fallback = PerUserFolder();
            if (fallback.empty() || !MakeFolders(fallback) || !FolderWritable(fallback)) {
                error = "the program's folder " + root + " cannot be written and no per-user folder could be made";
                return false;
            }
            std::fprintf(stderr,
                         "hoofbound: the program's folder %s cannot be written; keeping saves and settings in %s\n",
                         root.c_str(), fallback.c_str());
            root = fallback;
        }
    }
    Root = root;
    const std::string world = Resolve(Root, "World");
    if (!MakeFolders(world)) {
        error = "cannot create the folder " + world + ": " + std::strerror(errno);
        return false;
    }
    FinishInterruptedSave();
    return true;
}

std::string DataRoot() { return Root.empty() ? ProgramFolder() : Root; }

std::string DataPath(const std::string& gamePath) { return Resolve(DataRoot(), gamePath); }

std::string ImagePath(const std::string& gamePath) { return Resolve(PictureFolder(), gamePath); }

int FileSize(const std::string& gamePath) {
    struct stat st {};
    const std::string path = DataPath(gamePath);
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
    return st.st_size > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(st.st_size);
}

int FileKind(const std::string& gamePath) {
    struct stat st {};
    const std::string path = DataPath(gamePath);
    if (stat(path.c_str(), &st) != 0) return 0;
    return S_ISDIR(st.st_mode) ? 2 : 1;
}

std::vector<std::string> ListFolder(const std::string& gamePath) {
    std::vector<std::string> names;
    DIR* dir = opendir(DataPath(gamePath).c_str());
    if (!dir) return names;
    names.push_back(".");
    names.push_back("..");
    while (dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    closedir(dir);
    return names;
}

bool DeleteFile(const std::string& gamePath) {
    const std::string path = DataPath(gamePath);
    if (Grouping) {
        Pending.push_back({std::string(), path});
        return true;
    }
    Step("delete", path);
    if (unlink(path.c_str()) == 0 || errno == ENOENT) return true;
    std::fprintf(stderr, "hoofbound: could not delete %s: %s\n", path.c_str(), std::strerror(errno));
    return false;
}

bool ReadWholeFile(const std::string& gamePath, std::vector<uint8_t>& bytes) {
    bytes.clear();
    FILE* f = std::fopen(DataPath(gamePath).c_str(), "rb");
    if (!f) return false;
    uint8_t buffer[65536];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
    const bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

bool WriteWholeFile(const std::string& gamePath, const std::vector<uint8_t>& bytes) {
    const std::string path = DataPath(gamePath);
    const std::string temp = path + ".tmp" + std::to_string(getpid());
    if (Grouping) {
        for (const PendingChange& change : Pending) {
            if (change.target == path) return Fail(gamePath, "written twice in one save");
        }
    }
    if (!WriteTemporary(gamePath, temp, bytes)) return false;
    if (Grouping) {
        Pending.push_back({temp, path});
        return true;
    }
    Step("rename", path);
    if (rename(temp.c_str(), path.c_str()) != 0) {
        const std::string why = std::strerror(errno);
        unlink(temp.c_str());
        return Fail(gamePath, why);
    }
    return true;
}

void BeginFileGroup() {
    Step("begin", Root);
    Grouping = true;
    GroupFailed = false;
    Pending.clear();
}

bool CommitFileGroup() {
    Grouping = false;
    std::vector<PendingChange> changes;
    changes.swap(Pending);
    bool ok = !GroupFailed;
    if (ok && !changes.empty()) {
        // The marker goes down whole (temporary file, flushed, renamed) only once every new
        // file is complete: from then on the save counts, and a start-up finishes it.
        std::string text;
        for (const PendingChange& change : changes) {
            text += change.temp.empty()
                        ? "delete\t" + InsideRoot(change.target) + "\n"
                        : "rename\t" + InsideRoot(change.temp) + "\t" + InsideRoot(change.target) + "\n";
        }
        const std::string marker = Root + "/" + MarkerName;
        const std::string markerTemp = marker + ".tmp" + std::to_string(getpid());
        ok = WriteTemporary(MarkerName, markerTemp, std::vector<uint8_t>(text.begin(), text.end()));
        if (ok) {
            Step("rename", marker);
            ok = rename(markerTemp.c_str(), marker.c_str()) == 0 || Fail(MarkerName, std::strerror(errno));
            if (!ok) unlink(markerTemp.c_str());
        }
        if (ok) {
            SyncFolder(Root);
            std::vector<std::string> folders;
            for (const PendingChange& change : changes) {
                const std::string name = InsideRoot(change.target);
                if (change.temp.empty()) {
                    Step("delete", change.target);
                    if (unlink(change.target.c_str()) != 0 && errno != ENOENT) ok = Fail(name, std::strerror(errno));
                } else {
                    Step("rename", change.target);
                    if (rename(change.temp.c_str(), change.target.c_str()) != 0) ok = Fail(name, std::strerror(errno));
                }
                const std::string folder = ParentFolder(change.target);
                bool listed = false;
                for (const std::string& f : folders) listed = listed || f == folder;
                if (!listed) folders.push_back(folder);
            }
            for (const std::string& folder : folders) SyncFolder(folder);
            // A change that failed half way leaves the marker, so the next start-up
            // finishes the save instead of leaving its files from two moments.
            if (ok) {
                Step("delete", marker);
                unlink(marker.c_str());
            }
            Step("end", Root);
            return ok;
        }
    }
    for (const PendingChange& change : changes) {
        if (!change.temp.empty()) unlink(change.temp.c_str());
    }
    Step("end", Root);
    return ok;
}

void FinishInterruptedSave() {
    const std::string marker = Root + "/" + MarkerName;
    std::vector<uint8_t> bytes;
    if (FILE* f = std::fopen(marker.c_str(), "rb")) {
        uint8_t buffer[4096];
        size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
        std::fclose(f);
        // Renames whose temporary file is gone were done before the crash; doing the rest
        // again, in the same order, ends with every file of that save in place.
        const std::string text(bytes.begin(), bytes.end());
        size_t start = 0;
        int failed = 0;
        while (start < text.size()) {
            size_t end = text.find('\n', start);
            if (end == std::string::npos) end = text.size();
            const std::string line = text.substr(start, end - start);
            start = end + 1;
            const size_t tab = line.find('\t');
            const size_t tab2 = tab == std::string::npos ? tab : line.find('\t', tab + 1);
            if (line.rfind("delete\t", 0) == 0) {
                const std::string target = FromRoot(line.substr(tab + 1));
                if (unlink(target.c_str()) != 0 && errno != ENOENT) ++failed;
            } else if (line.rfind("rename\t", 0) == 0 && tab2 != std::string::npos) {
                const std::string temp = FromRoot(line.substr(tab + 1, tab2 - tab - 1));
                const std::string target = FromRoot(line.substr(tab2 + 1));
                struct stat st {};
                if (stat(temp.c_str(), &st) == 0 && rename(temp.c_str(), target.c_str()) != 0) ++failed;
            }
        }
        if (failed == 0) {
            SyncFolder(Root);
            SyncFolder(Resolve(Root, "World"));
            unlink(marker.c_str());
            std::fprintf(stderr, "hoofbound: a save cut short by a crash was finished\n");
        } else {
            std::fprintf(stderr,
                         "hoofbound: a save cut short by a crash could not be finished (%d files); it is tried again "
                         "next time\n",
                         failed);
            return;  // its temporary files are still needed
        }
    }
    // Temporary files no marker names are a save that never counted: the files they
    // were to replace are whole and of one moment.
    int removed = 0;
    for (const std::string& folder : {Root, Resolve(Root, "World")}) {
        DIR* dir = opendir(folder.c_str());
        if (!dir) continue;
        std::vector<std::string> stray;
        while (dirent* entry = readdir(dir)) {
            if (IsTemporaryName(entry->d_name)) stray.push_back(folder + "/" + entry->d_name);
        }
        closedir(dir);
        for (const std::string& path : stray) removed += unlink(path.c_str()) == 0 ? 1 : 0;
    }
    if (removed > 0) std::fprintf(stderr, "hoofbound: removed %d unfinished file(s) of a save cut short\n", removed);
}

void SetFileStepSeam(const char* setting) { ReadSeam(setting); }

const std::string& LastFileError() { return WriteError; }

std::string SetFileAside(const std::string& gamePath) {
    const std::string path = DataPath(gamePath);
    for (int k = 1; k < 1000; ++k) {
        std::string suffix = ".damaged";
        if (k > 1) suffix.append(1, '-').append(std::to_string(k));
        const std::string target = path + suffix;
        struct stat st {};
        if (stat(target.c_str(), &st) == 0) continue;
        if (rename(path.c_str(), target.c_str()) == 0) return gamePath + suffix;
        return std::string();
    }
    return std::string();
}

int ReadInt(IntStream& stream) {
    if (stream.pos + 4 > stream.bytes.size()) {
        stream.pos = stream.bytes.size();
        stream.overrun = true;
        return 0;
    }
    const uint8_t* b = stream.bytes.data() + stream.pos;
    stream.pos += 4;
    const uint32_t u = static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                       static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24;
    return static_cast<int32_t>(u);
}

std::string ReadText(IntStream& stream, int length) {
    if (length < 0 || static_cast<size_t>(length) > stream.bytes.size() - stream.pos) {
        stream.pos = stream.bytes.size();
        stream.overrun = true;
        return std::string();
    }
    std::string text(reinterpret_cast<const char*>(stream.bytes.data() + stream.pos), static_cast<size_t>(length));
    stream.pos += static_cast<size_t>(length);
    return text;
}

void WriteInt(std::vector<uint8_t>& out, int n) {
    const uint32_t u = static_cast<uint32_t>(n);
    out.push_back(static_cast<uint8_t>(u));
    out.push_back(static_cast<uint8_t>(u >> 8));
    out.push_back(static_cast<uint8_t>(u >> 16));
    out.push_back(static_cast<uint8_t>(u >> 24));
}

void WriteText(std::vector<uint8_t>& out, const std::string& text) { out.insert(out.end(), text.begin(), text.end()); }
