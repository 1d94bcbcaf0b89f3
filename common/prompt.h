// How the steps talk to the user. The GUI answers with message boxes, the CLI
// with its options, the tests with scripted answers. Texts are Windows-1252.
#pragma once

#include <string_view>

namespace tv {

inline constexpr std::string_view kApplicationTitle = "TransVeloraDAE";

class Prompt {
public:
    virtual ~Prompt() = default;
    // A plain box with an OK button and the application title as caption.
    virtual void Message(std::string_view text) = 0;
    // An information box with an OK button.
    virtual void Information(std::string_view text) = 0;
    // A confirmation box with Yes and No; true for Yes.
    virtual bool Question(std::string_view text) = 0;
    // A warning box with OK and Cancel and its own caption; true for OK.
    virtual bool Warning(std::string_view caption, std::string_view text) = 0;
};

} // namespace tv
