// Names the whole program shares: the application title (caption of every
// plain message box), the help file and its contexts.
#pragma once

#include "common/prompt.h"

#include <QString>

namespace tv::app {

inline QString ApplicationTitle() {
    return QString::fromUtf8(kApplicationTitle.data(), kApplicationTitle.size());
}

inline constexpr const char* kHelpFileName = "DAE.CHM";
// The guide shipped with the program, for when there is no DAE.CHM.
inline constexpr const char* kUserGuideFile = "ayuda/guia-usuario.html";

// Help contexts: the language box, and the window with its other controls.
inline constexpr int kLanguageHelpContext = 1;
inline constexpr int kWindowHelpContext = 3;

} // namespace tv::app
