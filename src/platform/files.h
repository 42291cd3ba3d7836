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

// ---- File operations on game paths ----------------------------------------------
// Size in bytes, or -1 when there is no file.
int FileSize(const std::string& gamePath);
// 0 nothing there, 1 a file, 2 a folder.
int FileKind(const std::string& gamePath);
// The entries of a folder, "." and ".." first; empty when the folder cannot be read.
std::vector<std::string> ListFolder(const std::string& gamePath);
// Removes a file; true when it is gone (or was never there).
bool DeleteFile(const std::string& gamePath);
// Reads a whole file; false when it cannot be read.
bool ReadWholeFile(const std::string& gamePath, std::vector<uint8_t>& bytes);
// Replaces a file whole: the bytes go to a temporary file in the same folder, which is
// flushed to disk and renamed over the old one, so a crash or a full disk leaves either
// the old file or the new one. On failure the old file stays, the reason goes to stderr
// and LastFileError(), and the result is false.
bool WriteWholeFile(const std::string& gamePath, const std::vector<uint8_t>& bytes);
// Saves several files as one: between BeginFileGroup and CommitFileGroup, WriteWholeFile
// only writes each new file under its temporary name and DeleteFile only notes the name.
// The commit writes a marker in the data root listing them (SaveInProgress.txt), renames
// and deletes, and removes the marker; false when any file could not be written (then
// nothing changed on disk, unless the renames themselves failed: then the marker stays
// and the next start-up finishes them). A file may be written once per group.
void BeginFileGroup();
bool CommitFileGroup();
// Run by ChooseDataRoot: a marker left by a crash finishes its save (roll forward);
// temporary files of a save that never reached its marker are removed. Says so on stderr.
void FinishInterruptedSave();
// The crash-trial seam, read from HOOF_FILE_STEPS on the first step (a test may set it
// here instead; null turns it off). Unset, nothing happens. Set, every step that changes
// the disk (begin, open, write, sync, close, rename, delete, syncfolder, end) is numbered
// from 1 and told on stderr as "hoofbound: file step N WHAT PATH"; "stop:K1,K2,..." also
// stops the process (SIGSTOP) before those steps, and "stop:groups" before every group's
// begin and end, so a trial can copy the folder there, or kill the process at that step.
void SetFileStepSeam(const char* setting);
// A one-line reason for the latest failed write, for the message log.
const std::string& LastFileError();
// Moves a damaged file aside under a new name that does not exist yet; returns the new
// game path, or an empty text when it could not be moved.
std::string SetFileAside(const std::string& gamePath);

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
