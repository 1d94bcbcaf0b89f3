#include "app/gui_prompt.h"

#include "app/message_boxes.h"
#include "app/qt_text.h"

namespace tv::app {

void GuiPrompt::Message(std::string_view text) {
    MessageBoxes::Plain(parent_, FromCp1252(text));
}

void GuiPrompt::Information(std::string_view text) {
    MessageBoxes::Information(parent_, FromCp1252(text));
}

bool GuiPrompt::Question(std::string_view text) {
    return MessageBoxes::Question(parent_, FromCp1252(text));
}

bool GuiPrompt::Warning(std::string_view caption, std::string_view text) {
    return MessageBoxes::Warning(parent_, FromCp1252(caption), FromCp1252(text));
}

} // namespace tv::app
