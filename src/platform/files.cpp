#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <strings.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

std::string Root;
std::string WriteError;
std::vector<std::string> Notices;

// The lock on the data root: an open handle of the folder with an advisory lock on it.
int RootLock = -1;
bool RootShared = false;
const char* const SharedRootReason = "another copy of the game is using this data folder";

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
    bool hadOld = false;       // a file stood there before the group
    std::vector<uint8_t> old;  // its bytes, to put back if the group fails half way
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
    if (RootShared) return Fail(gamePath, SharedRootReason);
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

bool AllDigits(const std::string& text, size_t from) {
    return from < text.size() && text.find_first_not_of("0123456789", from) == std::string::npos;
}

bool SameIgnoringCase(const std::string& a, const char* b) { return strcasecmp(a.c_str(), b) == 0; }

// "NAME.tmp<digits>" of one of the game's own files (or of the marker): what
// WriteWholeFile leaves when it is cut short. `rootPath` is inside the data root.
bool IsOwnTemporary(const std::string& rootPath) {
    const size_t mark = rootPath.rfind(".tmp");
    if (mark == std::string::npos || !AllDigits(rootPath, mark + 4)) return false;
    const std::string base = rootPath.substr(0, mark);
    return IsGameFile(base) || base == MarkerName;
}

// Why what stands at `path` cannot be replaced or deleted as a file; empty when it is a
// regular file or nothing.
std::string NotReplaceable(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) return errno == ENOENT ? std::string() : std::strerror(errno);
    if (S_ISREG(st.st_mode)) return std::string();
    return S_ISDIR(st.st_mode) ? "a folder stands in its place" : "something that is not a file stands in its place";
}

// Reads what a group is about to replace, to compare and to put back.
bool ReadOld(const std::string& path, std::vector<uint8_t>& bytes) {
    std::string why;
    return ReadRegularFile(path, 64u << 20, bytes, why);
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

void LockDataRoot();

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
    LockDataRoot();
    FinishInterruptedSave();
    return true;
}

namespace {

void LockDataRoot() {
    if (RootLock >= 0) close(RootLock);
    RootShared = false;
    RootLock = open(Root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (RootLock >= 0 && flock(RootLock, LOCK_EX | LOCK_NB) == 0) return;
    if (RootLock >= 0 && errno != EWOULDBLOCK) return;  // a folder that cannot be locked at all is no second copy
    RootShared = true;
    std::fprintf(stderr, "hoofbound: %s (%s); nothing will be saved\n", SharedRootReason, Root.c_str());
    TellPlayer("Another copy of the game is using this data folder. Nothing will be saved here.");
}

}  // namespace

bool DataRootShared() { return RootShared; }

void TellPlayer(const std::string& text) { Notices.push_back(text); }

std::string TakePlayerNotice() {
    std::string first = Notices.empty() ? std::string() : Notices.front();
    Notices.clear();
    return first;
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
    if (stat(path.c_str(), &st) != 0) return lstat(path.c_str(), &st) == 0 ? 3 : 0;
    if (S_ISDIR(st.st_mode)) return 2;
    return S_ISREG(st.st_mode) ? 1 : 3;
}

bool CanReadFile(const std::string& gamePath) {
    const std::string path = DataPath(gamePath);
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    const bool regular = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    close(fd);
    return regular;
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
    if (RootShared) return Fail(gamePath, SharedRootReason);
    if (Grouping) {
        PendingChange change;
        change.target = path;
        change.hadOld = ReadOld(path, change.old);
        Pending.push_back(std::move(change));
        return true;
    }
    Step("delete", path);
    if (unlink(path.c_str()) == 0 || errno == ENOENT) return true;
    std::fprintf(stderr, "hoofbound: could not delete %s: %s\n", path.c_str(), std::strerror(errno));
    return false;
}

bool ReadRegularFile(const std::string& path, size_t limit, std::vector<uint8_t>& bytes, std::string& why) {
    bytes.clear();
    // Not blocking: a pipe in a file's place must not hold the game up before the check.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        why = errno == ENOENT ? "there is no such file" : std::strerror(errno);
        return false;
    }
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        why = S_ISDIR(st.st_mode) ? "it is a folder" : "it is not a file";
        close(fd);
        return false;
    }
    if (static_cast<unsigned long long>(st.st_size) > limit) {
        why = "it is larger than " + std::to_string(limit) + " bytes";
        close(fd);
        return false;
    }
    uint8_t buffer[65536];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            why = std::strerror(errno);
            close(fd);
            return false;
        }
        if (n == 0) break;
        // A file that grows while it is read is still held to the bound.
        if (bytes.size() + static_cast<size_t>(n) > limit) {
            why = "it is larger than " + std::to_string(limit) + " bytes";
            close(fd);
            return false;
        }
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    close(fd);
    return true;
}

bool ReadWholeFile(const std::string& gamePath, std::vector<uint8_t>& bytes, size_t limit, std::string& why) {
    return ReadRegularFile(DataPath(gamePath), limit, bytes, why);
}

bool WriteWholeFile(const std::string& gamePath, const std::vector<uint8_t>& bytes) {
    const std::string path = DataPath(gamePath);
    const std::string temp = path + ".tmp" + std::to_string(getpid());
    PendingChange change;
    if (Grouping) {
        for (const PendingChange& done : Pending) {
            if (done.target == path) return Fail(gamePath, "written twice in one save");
        }
        // A file that already holds these bytes is left alone: a save then waits only on
        // the files that changed, and the group's promise holds all the same.
        change.hadOld = ReadOld(path, change.old);
        if (change.hadOld && change.old == bytes) return true;
    }
    if (!WriteTemporary(gamePath, temp, bytes)) return false;
    if (Grouping) {
        change.temp = temp;
        change.target = path;
        Pending.push_back(std::move(change));
        return true;
    }
    const std::string blocked = NotReplaceable(path);
    Step("rename", path);
    if (!blocked.empty() || rename(temp.c_str(), path.c_str()) != 0) {
        const std::string why = blocked.empty() ? std::strerror(errno) : blocked;
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

namespace {

// Puts back what the first `done` changes of a failed group replaced; true when every one
// is as it was.
bool UndoChanges(const std::vector<PendingChange>& changes, size_t done) {
    bool ok = true;
    for (size_t k = done; k-- > 0;) {
        const PendingChange& change = changes[k];
        if (!change.hadOld) {
            Step("delete", change.target);
            ok = (unlink(change.target.c_str()) == 0 || errno == ENOENT) && ok;
            continue;
        }
        const std::string temp = change.target + ".tmp" + std::to_string(getpid());
        bool back = WriteTemporary(InsideRoot(change.target), temp, change.old);
        if (back) {
            Step("rename", change.target);
            back = rename(temp.c_str(), change.target.c_str()) == 0;
            if (!back) unlink(temp.c_str());
        }
        ok = back && ok;
    }
    return ok;
}

void AddFolder(std::vector<std::string>& folders, const std::string& path) {
    const std::string folder = ParentFolder(path);
    for (const std::string& f : folders) {
        if (f == folder) return;
    }
    folders.push_back(folder);
}

}  // namespace

bool CommitFileGroup() {
    Grouping = false;
    std::vector<PendingChange> changes;
    changes.swap(Pending);
    bool ok = !GroupFailed;
    // Every file the group replaces or deletes must be a file or nothing, or a rename
    // would fail half way: then nothing is changed at all.
    for (const PendingChange& change : changes) {
        if (!ok) break;
        const std::string blocked = NotReplaceable(change.target);
        if (!blocked.empty()) ok = Fail(InsideRoot(change.target), blocked);
    }
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
            size_t done = 0;
            for (; done < changes.size(); ++done) {
                const PendingChange& change = changes[done];
                const std::string name = InsideRoot(change.target);
                AddFolder(folders, change.target);
                if (change.temp.empty()) {
                    Step("delete", change.target);
                    if (unlink(change.target.c_str()) != 0 && errno != ENOENT) ok = Fail(name, std::strerror(errno));
                } else {
                    Step("rename", change.target);
                    if (rename(change.temp.c_str(), change.target.c_str()) != 0) ok = Fail(name, std::strerror(errno));
                }
                if (!ok) break;
            }
            // A change that failed half way undoes the ones before it, so the last save
            // stands whole; only when that fails too does the marker stay, for the next
            // start-up to finish the save instead of leaving files of two moments.
            bool settled = ok;
            if (!ok) {
                settled = UndoChanges(changes, done);
                for (size_t k = done; k < changes.size() && settled; ++k) {
                    if (!changes[k].temp.empty()) unlink(changes[k].temp.c_str());
                }
            }
            for (const std::string& folder : folders) SyncFolder(folder);
            if (settled) {
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

bool IsGameFile(const std::string& rootPath) {
    static const char* const RootFiles[] = {"GlobalData.dat",  "RecipeBook.dat",  "Settings.txt",   "prevseed.dat",
                                            "Highscores.dat",  "Highscores2.dat", "Highscores3.dat"};
    const size_t slash = rootPath.find('/');
    if (slash == std::string::npos) {
        for (const char* name : RootFiles) {
            if (SameIgnoringCase(rootPath, name)) return true;
        }
        return false;
    }
    if (!SameIgnoringCase(rootPath.substr(0, slash), "World")) return false;
    const std::string name = rootPath.substr(slash + 1);
    if (SameIgnoringCase(name, "savedata.dat")) return true;
    // Forest<n>.flr, n a sector number with an optional minus sign.
    if (name.size() < 11 || strncasecmp(name.c_str(), "forest", 6) != 0 ||
        strcasecmp(name.c_str() + name.size() - 4, ".flr") != 0)
        return false;
    std::string number = name.substr(6, name.size() - 10);
    if (!number.empty() && number[0] == '-') number.erase(0, 1);
    return number.size() <= 9 && AllDigits(number, 0);
}

namespace {

// One line of the marker, as CommitFileGroup writes it and nothing else: the game's own
// file inside the data root, renamed from its own temporary name or deleted. Anything
// else (a path outside, a file that is not the game's, a word too many) is not a save.
struct JournalEntry {
    std::string temp;  // empty for a deletion
    std::string target;
};

bool ParseJournalLine(const std::string& line, JournalEntry& entry) {
    const size_t tab = line.find('\t');
    if (tab == std::string::npos) return false;
    const std::string verb = line.substr(0, tab);
    const std::string rest = line.substr(tab + 1);
    const size_t tab2 = rest.find('\t');
    if (verb == "delete" && tab2 == std::string::npos) {
        // A save only ever deletes files of a run: the scores and options are never listed.
        entry.temp.clear();
        entry.target = rest;
        return IsGameFile(rest) && strncasecmp(rest.c_str(), "World/", 6) == 0;
    }
    if (verb != "rename" || tab2 == std::string::npos) return false;
    entry.temp = rest.substr(0, tab2);
    entry.target = rest.substr(tab2 + 1);
    if (entry.target.find('\t') != std::string::npos || !IsGameFile(entry.target)) return false;
    const std::string prefix = entry.target + ".tmp";
    return entry.temp.rfind(prefix, 0) == 0 && AllDigits(entry.temp, prefix.size());
}

// Sets the marker aside whole, says why, and leaves every file it names as it is.
void SetMarkerAside(const std::string& why) {
    const std::string aside = SetFileAside(MarkerName, why);
    std::fprintf(stderr, "hoofbound: the list of a save cut short by a crash (%s) %s; %s; nothing was changed\n",
                 MarkerName, why.c_str(), aside.empty() ? "could not be moved" : ("is kept as " + aside).c_str());
    TellPlayer("A save cut short by a crash could not be finished. " +
               (aside.empty() ? "Its list could not be moved aside." : "Its list and why are kept in " + AsideFolder() + "."));
}

}  // namespace

void FinishInterruptedSave() {
    if (RootShared) return;  // the other copy's save is its own business
    const std::string marker = Root + "/" + MarkerName;
    struct stat markerStat {};
    if (lstat(marker.c_str(), &markerStat) == 0) {
        std::vector<uint8_t> bytes;
        std::string why;
        std::vector<JournalEntry> entries;
        // A real marker lists a few dozen files; anything larger is not one.
        bool sound = ReadRegularFile(marker, 1u << 20, bytes, why);
        const std::string text(bytes.begin(), bytes.end());
        size_t start = 0;
        while (sound && start < text.size()) {
            const size_t end = text.find('\n', start);
            if (end == std::string::npos) {
                sound = false;
                why = "its last line is cut off";
                break;
            }
            JournalEntry entry;
            if (!ParseJournalLine(text.substr(start, end - start), entry)) {
                sound = false;
                why = "it names something other than the game's own files";
            }
            entries.push_back(entry);
            start = end + 1;
        }
        if (sound && entries.empty()) {
            sound = false;
            why = "it is empty";
        }
        // Renames whose temporary file is gone were done before the crash; doing the rest
        // again, in the same order, ends with every file of that save in place. Every file
        // they replace must be a file or nothing, checked before the first one moves.
        for (size_t k = 0; sound && k < entries.size(); ++k) {
            const std::string blocked = NotReplaceable(FromRoot(entries[k].target));
            if (!blocked.empty()) {
                sound = false;
                why = entries[k].target + ": " + blocked;
            }
        }
        int failed = 0;
        for (size_t k = 0; sound && k < entries.size(); ++k) {
            const std::string target = FromRoot(entries[k].target);
            if (entries[k].temp.empty()) {
                if (unlink(target.c_str()) != 0 && errno != ENOENT) ++failed;
                continue;
            }
            const std::string temp = FromRoot(entries[k].temp);
            struct stat st {};
            if (lstat(temp.c_str(), &st) == 0 && rename(temp.c_str(), target.c_str()) != 0) ++failed;
        }
        if (!sound) {
            SetMarkerAside(why);
            return;  // its temporary files stay with it, for whoever looks
        }
        SyncFolder(Root);
        SyncFolder(Resolve(Root, "World"));
        if (failed == 0) {
            unlink(marker.c_str());
            std::fprintf(stderr, "hoofbound: a save cut short by a crash was finished\n");
            TellPlayer("A save cut short by a crash was finished.");
        } else {
            // Tried once: the next start-up would only fail again.
            SetMarkerAside(std::to_string(failed) + " of its files could not be put in place");
            return;
        }
    }
    // The game's own temporary files that no marker names are a save that never counted:
    // the files they were to replace are whole and of one moment.
    int removed = 0;
    for (const std::string& sub : {std::string(), std::string("World")}) {
        const std::string folder = sub.empty() ? Root : Resolve(Root, sub);
        DIR* dir = opendir(folder.c_str());
        if (!dir) continue;
        std::vector<std::string> stray;
        while (dirent* entry = readdir(dir)) {
            const std::string name = sub.empty() ? entry->d_name : "World/" + std::string(entry->d_name);
            if (IsOwnTemporary(name)) stray.push_back(folder + "/" + entry->d_name);
        }
        closedir(dir);
        for (const std::string& path : stray) removed += unlink(path.c_str()) == 0 ? 1 : 0;
    }
    if (removed > 0) std::fprintf(stderr, "hoofbound: removed %d unfinished file(s) of a save cut short\n", removed);
}

void SetFileStepSeam(const char* setting) { ReadSeam(setting); }

const std::string& LastFileError() { return WriteError; }

namespace {

// One folder per session: the date and time of the first file set aside.
std::string AsideStamp() {
    static std::string stamp;
    if (stamp.empty()) {
        const std::time_t now = std::time(nullptr);
        std::tm local {};
        localtime_r(&now, &local);
        char text[32];
        std::strftime(text, sizeof text, "%Y-%m-%d-%H%M%S", &local);
        stamp = text;
    }
    return stamp;
}

}  // namespace

std::string AsideFolder() { return "Damaged/" + AsideStamp(); }

std::string SetFileAside(const std::string& gamePath, const std::string& why) {
    if (RootShared) return std::string();
    const std::string path = DataPath(gamePath);
    const std::string inside = InsideRoot(path);
    const std::string folder = Root + "/" + AsideFolder();
    const size_t slash = inside.find_last_of('/');
    const std::string sub = slash == std::string::npos ? std::string() : "/" + inside.substr(0, slash);
    if (!MakeFolders(folder + sub)) return std::string();
    for (int k = 1; k < 1000; ++k) {
        std::string name = inside;
        if (k > 1) name.append(1, '-').append(std::to_string(k));
        const std::string target = folder + "/" + name;
        struct stat st {};
        if (lstat(target.c_str(), &st) == 0) continue;
        if (rename(path.c_str(), target.c_str()) != 0) return std::string();
        // The note says what each file was and why it was moved, for the player who looks.
        const std::string note = folder + "/why.txt";
        if (FILE* f = std::fopen(note.c_str(), "a")) {
            std::fprintf(f, "%s was %s: %s\n", name.c_str(), inside.c_str(), why.c_str());
            std::fclose(f);
        }
        SyncFolder(ParentFolder(path));
        SyncFolder(ParentFolder(target));
        return AsideFolder() + "/" + name;
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
