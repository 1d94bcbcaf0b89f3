// The boxes of importar on stderr, its questions answered from the options:
// keep the earlier work tables or not, go straight to the codification or
// not, and No to "correct the teachers without a document".
#pragma once

#include "common/prompt.h"

namespace tv::cli {

class ImportarPrompt : public Prompt {
  public:
    ImportarPrompt(bool keepEarlierTables, bool codificationOnly)
        : keepEarlierTables_(keepEarlierTables), codificationOnly_(codificationOnly) {}

    void Message(std::string_view text) override;
    void Information(std::string_view text) override;
    bool Question(std::string_view text) override;
    bool Warning(std::string_view caption, std::string_view text) override;

    // True once the question about teachers without a document was answered.
    bool AskedAboutDocuments() const { return askedAboutDocuments_; }

  private:
    bool keepEarlierTables_;
    bool codificationOnly_;
    bool askedAboutDocuments_ = false;
};

} // namespace tv::cli
