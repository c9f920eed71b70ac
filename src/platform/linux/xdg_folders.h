// The XDG base directory rules the Linux build keeps written files by, one by one.
#pragma once

#include <string>

namespace platform {

// A base folder of the XDG base directory rules, ending in '/': the variable's
// value when it is an absolute path (an unset, empty or relative one is ignored),
// else home + "/" + fallback. "" with the reason in *problem when home is
// needed and is not an absolute path.
std::string XdgBaseFolder(const char* variable, const char* value, const char* home,
                          const char* fallback, std::string* problem);

// Makes the folder and any missing parents (new ones readable by the user
// only) and checks that it can be written to. False with the reason.
bool MakeWritableFolder(const std::string& folder, std::string* problem);

}  // namespace platform
