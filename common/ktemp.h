// Where the working tables live.
//
// On Windows: \KTEMP at the root of the current drive. Elsewhere: the folder in
// the environment variable TRANSVELORADAE_KTEMP, else $HOME/KTEMP. A front end
// may override it (the CLI's --ktemp). The folder is created when missing.
#pragma once

#include <filesystem>

namespace tv {

std::filesystem::path KtempFolder();
void SetKtempOverride(const std::filesystem::path& folder); // empty path: no override

} // namespace tv
