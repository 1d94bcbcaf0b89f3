// A Prompt for the tests: records every box it is asked to show and answers
// questions and warnings from scripted answers (Yes / OK when none is left).
#pragma once

#include "common/prompt.h"

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace tv::test {

class FakePrompt : public Prompt {
  public:
    enum class Kind { Message, Information, Question, Warning };
    struct Shown {
        Kind kind;
        std::string caption; // Warning only
        std::string text;
    };

    void Message(std::string_view text) override { shown.push_back({Kind::Message, {}, std::string(text)}); }
    void Information(std::string_view text) override {
        shown.push_back({Kind::Information, {}, std::string(text)});
    }
    bool Question(std::string_view text) override {
        shown.push_back({Kind::Question, {}, std::string(text)});
        return NextAnswer();
    }
    bool Warning(std::string_view caption, std::string_view text) override {
        shown.push_back({Kind::Warning, std::string(caption), std::string(text)});
        return NextAnswer();
    }

    // The texts shown, in order, whatever their kind.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& box : shown)
            texts.push_back(box.text);
        return texts;
    }

    std::deque<bool> answers; // answers to Question / Warning, in order
    std::vector<Shown> shown;

  private:
    bool NextAnswer() {
        if (answers.empty()) return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace tv::test
