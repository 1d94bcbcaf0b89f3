// The steps' messages on stderr, their questions answered from the options.
#pragma once

#include "common/prompt.h"

namespace tv::cli {

class CliPrompt : public Prompt {
  public:
    // `warningAnswer`: OK (true) or Cancel to the warning box; in this
    // direction the only one is the recovery of earlier level abbreviations.
    explicit CliPrompt(bool warningAnswer) : warningAnswer_(warningAnswer) {}

    void Message(std::string_view text) override;
    void Information(std::string_view text) override;
    // Answered Yes.
    bool Question(std::string_view text) override;
    bool Warning(std::string_view caption, std::string_view text) override;

  private:
    bool warningAnswer_;
};

} // namespace tv::cli
