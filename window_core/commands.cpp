#include "window_core/commands.h"

namespace vellumark {

namespace {

constexpr char16_t UpperCase(char16_t letter) {
    return letter >= u'a' && letter <= u'z' ? static_cast<char16_t>(letter - u'a' + u'A') : letter;
}

}  // namespace

const CommandDesign& DesignOf(Command command) {
    for (const CommandDesign& design : kCommands) {
        if (design.command == command) {
            return design;
        }
    }
    return kCommands[0];
}

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

std::u16string ShortcutText(const CommandDesign& design) {
    if (design.shortcut == u'\0') {
        return {};
    }
    return std::u16string(u"Ctrl+") + design.shortcut;
}

std::u16string PlainCaption(std::u16string_view caption) {
    std::u16string plain;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) {
            ++i;
        }
        plain += caption[i];
    }
    return plain;
}

char16_t AccessLetter(std::u16string_view caption) {
    const std::size_t mark = caption.find(u'&');
    return mark == std::u16string_view::npos || mark + 1 == caption.size()
               ? u'\0'
               : UpperCase(caption[mark + 1]);
}

}  // namespace vellumark
