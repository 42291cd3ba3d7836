// Files beside the program: where they live, and reading and writing them safely.
//
// The game names its files as relative paths ("World/savedata.dat", "GlobalData.dat",
// "images\tiles.png"). Data files resolve inside the data root (the program's folder,
// --root DIR, or the per-user folder); pictures resolve in the picture folder (beside
// the program, or the shared data folder of an installed game). Every path component is matched without regard to case,
// because the game spells some names with a capital in one place and a small letter in another.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// ---- Where files live ---------------------------------------------------------
// The folder holding the running binary (no trailing slash).
std::string ProgramFolder();
// The folder holding images/: beside the program when built, or the shared data folder
// (<prefix>/share/hoofbound) when the game runs installed (<prefix>/bin).
std::string PictureFolder();
// True when the game runs from an installed layout (its pictures in the shared folder).
bool RunningInstalled();
// Chooses the data root: `requested` when not empty (created when missing); else, for an
// installed game, $XDG_DATA_HOME/hoofbound (~/.local/share/hoofbound); else the program's
// folder, or that per-user folder when the program's folder cannot be written (said
// once on stderr). Also creates World/.
// False with a reason when no usable folder can be had.
bool ChooseDataRoot(const std::string& requested, std::string& error);
// The chosen data root.
std::string DataRoot();
// Full path of a data file named by the game, matched case-insensitively.
std::string DataPath(const std::string& gamePath);
// Full path of a picture named by the game, matched case-insensitively.
std::string ImagePath(const std::string& gamePath);

// ---- One game per data root ------------------------------------------------------------
// ChooseDataRoot takes an advisory lock on the data root (the system lets it go when the
// process ends, however it ends). A second copy of the game on the same root gets no lock:
// it then writes, renames and deletes nothing there, and says so to the player.
bool DataRootShared();

// ---- What the files layer tells the player -----------------------------------------------
// Start-up and reading run before the title shows: what the player must know of them (a
// save finished or set aside, a second copy of the game) is kept here for the title.
void TellPlayer(const std::string& text);
// The first text told since the last call, then forgotten; empty when there is none.
std::string TakePlayerNotice();

// ---- File operations on game paths ----------------------------------------------
// Size in bytes of a regular file, or -1 when there is none (a folder, a device or a pipe
// in its place is not a file).
int FileSize(const std::string& gamePath);
// 0 nothing there, 1 a regular file, 2 a folder, 3 something else (a device, a pipe, a
// link to nowhere): what stands there and cannot be read as a file.
int FileKind(const std::string& gamePath);
// True when the regular file at a game path can be opened for reading.
bool CanReadFile(const std::string& gamePath);
// The entries of a folder, "." and ".." first; empty when the folder cannot be read.
std::vector<std::string> ListFolder(const std::string& gamePath);
// Removes a file; true when it is gone (or was never there).
bool DeleteFile(const std::string& gamePath);
// Reads a regular file of at most `limit` bytes at a real path; never blocks on a pipe
// and never reads a device. False with a reason (one line) otherwise.
bool ReadRegularFile(const std::string& path, size_t limit, std::vector<uint8_t>& bytes, std::string& why);
// ReadRegularFile on a game path.
bool ReadWholeFile(const std::string& gamePath, std::vector<uint8_t>& bytes, size_t limit, std::string& why);
// Replaces a file whole: the bytes go to a temporary file in the same folder, which is
// flushed to disk and renamed over the old one, so a crash or a full disk leaves either
// the old file or the new one. On failure the old file stays, the reason goes to stderr
// and LastFileError(), and the result is false.
bool WriteWholeFile(const std::string& gamePath, const std::vector<uint8_t>& bytes);
// Saves several files as one: between BeginFileGroup and CommitFileGroup, WriteWholeFile
// only writes each new file under its temporary name (or nothing, when the file on disk
// already holds those bytes) and DeleteFile only notes the name. The commit checks that
// every file it replaces is a regular file or absent, writes a marker in the data root
// listing the changes (SaveInProgress.txt), renames and deletes, and removes the marker.
// False when any file could not be written or replaced: then nothing changed on disk (a
// rename that fails half way has the ones before it undone). A file may be written once
// per group.
void BeginFileGroup();
bool CommitFileGroup();
// Run by ChooseDataRoot: a marker left by a crash finishes its save (roll forward); a
// marker that names anything but the game's own files, or that cannot be finished, is
// set aside whole and nothing is done. The game's own temporary files of a save that
// never reached its marker are removed. Says so on stderr and to the player.
void FinishInterruptedSave();
// True for a path inside the data root naming one of the game's own files: the global
// files, the settings, the seed record, the high scores, World/savedata.dat and
// World/Forest<n>.flr (any case).
bool IsGameFile(const std::string& rootPath);
// The crash-trial seam, read from HOOF_FILE_STEPS on the first step (a test may set it
// here instead; null turns it off). Unset, nothing happens. Set, every step that changes
// the disk (begin, open, write, sync, close, rename, delete, syncfolder, end) is numbered
// from 1 and told on stderr as "hoofbound: file step N WHAT PATH"; "stop:K1,K2,..." also
// stops the process (SIGSTOP) before those steps, and "stop:groups" before every group's
// begin and end, so a trial can copy the folder there, or kill the process at that step.
void SetFileStepSeam(const char* setting);
// A one-line reason for the latest failed write, for the message log.
const std::string& LastFileError();
// Moves what stands at a game path (a damaged file, a folder, a link) out of the game's
// way into Damaged/<date and time>/, under the same path, and adds `why` to the note
// Damaged/<date and time>/why.txt. Returns the new game path, or an empty text when it
// could not be moved.
std::string SetFileAside(const std::string& gamePath, const std::string& why);
// The folder of this session's kept-aside files ("Damaged/2026-12-11-041530").
std::string AsideFolder();

// ---- Little-endian 32-bit ints ------------------------------------------------------
// A whole file held in memory and read front to back. Reading past the end yields 0 or
// an empty text and sets `overrun`, so a damaged file can never be read out of bounds.
struct IntStream {
    std::vector<uint8_t> bytes;
    size_t pos = 0;
    bool overrun = false;
};
int ReadInt(IntStream& stream);
std::string ReadText(IntStream& stream, int length);
void WriteInt(std::vector<uint8_t>& out, int n);
void WriteText(std::vector<uint8_t>& out, const std::string& text);
