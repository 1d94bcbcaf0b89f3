// The steps' messages and questions as message boxes over the main window.
#pragma once

#include "common/prompt.h"

class QWidget;

namespace tv::app {

class GuiPrompt : public Prompt {
  public:
    explicit GuiPrompt(QWidget* parent) : parent_(parent) {}

    void Message(std::string_view text) override;
    void Information(std::string_view text) override;
    bool Question(std::string_view text) override;
    bool Warning(std::string_view caption, std::string_view text) override;

  private:
    QWidget* parent_;
};

} // namespace tv::app
