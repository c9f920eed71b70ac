// Where the game's files are on this system: the files it reads from its own
// folders, the files it writes, and replacing a file so that it survives a crash.
#pragma once

#include <string>
#include <vector>

namespace platform {

// The directory of the program file, ending with '/' (also on Windows).
const char* ProgramDirectory();

// ---- Files the game reads ---------------------------------------------------
// The path to open for one of the game's own files, named as the game names it
// ("pal.bmp", "data/stage.dat"): the first of the working directory, the
// program's directory and the installed share folder beside the program that
// holds it. Found in the working directory, or nowhere, the name comes back as
// it is; an absolute name always does.
std::string GameFilePath(const std::string& name);
// The same for the files the game reads from its own directory (the sound
// effects, the music): the program's directory first, then the working
// directory and the share folder. Found nowhere: the program's directory + name.
std::string ProgramFilePath(const std::string& name);

// ---- Files the game writes (and reads back) -----------------------------------
enum class UserFile {
  Save,            // "data/save.dat"
  Cache,           // "palfile.dat", the colour-table cache
  Log,             // "./report.txt", the display-memory log
  ScreenshotName,  // "scrNNNN.bmp" where a free name is looked for
  Screenshot,      // "scrNNNN.bmp" where the picture is written
};

// Where a written file lives, given its name as the game names it. When the
// game's files came from a writable folder that is not the installed share
// folder (a run folder), beside them, exactly as the game always kept them: the
// screenshot itself in the program's directory, everything else relative to that
// folder (the bare name when it is the working directory). Otherwise in the
// user's folders, created when missing: the save file and screenshots in
// $XDG_DATA_HOME/vaulmoor, the cache in $XDG_CACHE_HOME/vaulmoor and the log in
// $XDG_STATE_HOME/vaulmoor (by default ~/.local/share, ~/.cache, ~/.local/state);
// on Windows all of them in %APPDATA%\Vaulmoor. "" when there is no such
// folder; one line on standard error says so, once.
std::string UserFilePath(UserFile kind, const std::string& name);

// ---- Replacing a file ---------------------------------------------------------
// Writes bytes to path + ".tmp", flushes it to the disk, renames it over path and
// flushes the folder (Windows: renames it through to the disk), so that a crash
// or a power cut leaves the old file or the new one, whole. False with the reason
// in *problem (the temporary file removed).
bool ReplaceFile(const std::string& path, const std::string& bytes, std::string* problem);

// ---- The rules above, one by one ------------------------------------------------
// The index of the first of folders ("" for the working directory, others
// ending in '/') that holds name; -1 when none does.
int FindInFolders(const std::string& name, const std::vector<std::string>& folders);

// The folders a game file is looked for in, in order: the working directory ("")
// and the program's directory, the one the file is designed to be read from
// first, then the share folder.
enum class DesignedFolder { Working, Program };
std::vector<std::string> SearchOrder(DesignedFolder designed, const std::string& programDirectory,
                                     const std::string& shareDirectory);

}  // namespace platform
