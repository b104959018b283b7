#pragma once
// Where the program finds the files it reads at run time.
//
// A program run from the build folder finds them beside itself (bin/data,
// bin/assets); an installed program (prefix/bin/velmora) finds them under
// prefix/share/velmora. Both layouts are tried in that order.

#include <string>
#include <string_view>

namespace velmora {

// The folder of the running executable, ending with '/'.
std::string ExecutableFolder();

// The folder of the named resource ("data", "assets"), ending with '/': the
// first of <exe>/<name>/ and <exe>/../share/velmora/<name>/ that exists; the
// first when neither does, so a message about a missing file names the place
// a build would have put it.
std::string ResourceFolder(std::string_view name);

}  // namespace velmora
