#include "window_core/commands.h"

namespace vellumark {

namespace {

constexpr char16_t UpperCase(char16_t letter) {
    return letter >= u'a' && letter <= u'z' ? static_cast<char16_t>(letter - u'a' + u'A') : letter;
}

}  // namespace

std::optional<Command> CommandNamed(std::string_view name) {
    for (const CommandDesign& design : kCommands) {
        if (design.name == name) {
            return design.command;
        }
    }
    return std::nullopt;
}

std::optional<Command> CommandOfShortcut(const KeyPress& press) {
    if (!press.control || press.alt || press.shift || press.letter == u'\0') {
        return std::nullopt;
    }
    for (const CommandDesign& design : kCommands) {
        if (design.shortcut != u'\0' && design.shortcut == UpperCase(press.letter)) {
            return design.command;
        }
    }
    return std::nullopt;
}

char16_t AccessLetter(std::u16string_view caption) {
    const std::size_t at = caption.find(u'&');
    return at != std::u16string_view::npos && at + 1 < caption.size() ? UpperCase(caption[at + 1])
                                                                       : u'\0';
}

std::u16string ShortcutText(const CommandDesign& design) {
    if (design.shortcut == u'\0') {
        return {};
    }
    return std::u16string(u"Ctrl+") + design.shortcut;
}

}  // namespace vellumark
