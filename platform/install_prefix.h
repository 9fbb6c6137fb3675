// install_prefix.h -- where an installed game keeps its data set and its saves.
//
// An installed game (cmake --install) has no settings file that names its
// data: the data set lies in the prefix's share folder, found from the
// executable's own place so that a moved prefix still works. The saves cannot
// go there (the prefix is usually read-only), so they go to the player's own
// data folder instead.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The data set beside this executable (its folder + the relative path the
// build was configured with, normally ../share/duskhaven); "" when that
// folder does not exist, as in the build tree.
std::string PrefixDataFolder();
// The same rule for any executable path: `relative` taken from the folder of
// `executable`; "" when the result is not an existing folder.
std::string DataFolderBeside(std::string_view executable, std::string_view relative);

// The folder of the character saves when the data set is the prefix's: the
// configuration's own folder when one was given (--config DIR), else
// $XDG_DATA_HOME/duskhaven/SAVE (default ~/.local/share/duskhaven/SAVE).
std::string PlayerSaveFolder();

}  // namespace platform
