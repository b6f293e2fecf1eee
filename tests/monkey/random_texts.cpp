#include "random_texts.h"

#include <algorithm>
#include <array>
#include <string>

#include "engine/code_text.h"
#include "engine/crypt_text.h"
#include "engine/overflow_error.h"
#include "runtime/windows1252.h"
#include "tests/main_window/window_fixture.h"

namespace vellumark::monkey {

using testing::FromBytes;

namespace {

void Append(QString& text, char32_t character) {
    if (character > 0xFFFF) {
        text += QChar(QChar::highSurrogate(character));
        text += QChar(QChar::lowSurrogate(character));
    } else {
        text += QChar(static_cast<char16_t>(character));
    }
}

char32_t Pick(Rng& rng, char32_t first, char32_t last) {
    return static_cast<char32_t>(Between(rng, static_cast<int>(first), static_cast<int>(last)));
}

// The characters that Windows-1252 puts at 0x80..0x9F, where Latin-1 has controls.
constexpr std::array<char32_t, 10> kWindows1252Extras = {0x20AC, 0x201A, 0x0192, 0x201E, 0x2026,
                                                         0x2020, 0x2018, 0x201C, 0x2122, 0x0178};

char32_t PrintableAscii(Rng& rng) {
    return Pick(rng, 0x20, 0x7E);
}

char32_t LatinCharacter(Rng& rng) {
    const int roll = Between(rng, 0, 19);
    if (roll < 14) {
        return PrintableAscii(rng);
    }
    if (roll < 18) {
        return Pick(rng, 0xA0, 0xFF);  // the no-break space included
    }
    return kWindows1252Extras.at(static_cast<std::size_t>(Between(rng, 0, 9)));
}

QString Emoji(Rng& rng) {
    static const std::array<QString, 8> kSequences = {
        QStringLiteral("\U0001F44D\U0001F3FD"),                        // skin tone
        QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467"),  // a family, joined
        QStringLiteral("\U0001F1E9\U0001F1EA"),                        // a flag
        QStringLiteral("\u2764\uFE0F"),                                // variation selector
        QStringLiteral("1\uFE0F\u20E3"),                               // keycap
        QStringLiteral("\U0001F9D1\u200D\U0001F680"),
        QStringLiteral("\U0001FAE0"),
        QStringLiteral("\U0001F3F3\uFE0F\u200D\U0001F308"),
    };
    if (OneIn(rng, 3)) {
        return kSequences.at(static_cast<std::size_t>(Between(rng, 0, 7)));
    }
    QString text;
    Append(text, Pick(rng, 0x1F600, 0x1F64F));
    return text;
}

char32_t ControlCharacter(Rng& rng) {
    static const std::array<char32_t, 14> kOdd = {0x00,   0x7F,   0x2028, 0x2029, 0xFEFF,
                                                  0x200B, 0x200E, 0x202E, 0xFDD0, 0xFDD1,
                                                  0xFFFC, 0xFFFE, 0xFFFF, 0x0085};
    switch (Between(rng, 0, 5)) {
        case 0:
        case 1:
            return Pick(rng, 0x00, 0x1F);
        case 2:
            return Pick(rng, 0x80, 0x9F);
        case 3:
            return Between(rng, 0, 1) == 0 ? char32_t{0xD800} + Pick(rng, 0, 0x3FF)
                                           : char32_t{0xDC00} + Pick(rng, 0, 0x3FF);
        default:
            return kOdd.at(static_cast<std::size_t>(Between(rng, 0, 13)));
    }
}

// A run of characters from `next`, with a line break now and then.
template <typename Next>
QString Lines(Rng& rng, int length, Next next) {
    QString text;
    text.reserve(length);
    while (text.size() < length) {
        if (OneIn(rng, 40)) {
            text += OneIn(rng, 3) ? QStringLiteral("\r\n") : QStringLiteral("\n");
        } else {
            Append(text, next());
        }
    }
    return text;
}

// `length` characters of Windows-1252 text whose line breaks are single line feeds, so that the
// box holds exactly as many characters as the clipboard.
QString ExactLength(Rng& rng, qsizetype length) {
    QString text;
    text.reserve(length);
    while (text.size() < length) {
        text += OneIn(rng, 200) ? u'\n' : QChar(static_cast<char16_t>(LatinCharacter(rng)));
    }
    return text;
}

// `count` symbols of the cipher alphabet, in lines of 76 as mail programs wrap them; white
// space is no symbol, so the lines do not count.
QString Symbols(Rng& rng, qsizetype count) {
    QString text;
    text.reserve(count + count / 38);
    for (qsizetype i = 0; i < count; ++i) {
        if (i > 0 && i % 76 == 0) {
            text += QStringLiteral("\r\n");
        }
        const auto index = static_cast<std::size_t>(Between(rng, 0, 63));
        text += QChar(static_cast<char16_t>(kCodeAlphabet[index]));
    }
    return text;
}

}  // namespace

int Between(Rng& rng, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}

bool OneIn(Rng& rng, int n) {
    return Between(rng, 1, n) == 1;
}

QString KeyCharacter(Rng& rng) {
    QString text;
    const int roll = Between(rng, 0, 99);
    if (roll < 62) {
        Append(text, PrintableAscii(rng));
    } else if (roll < 74) {
        Append(text, LatinCharacter(rng));
    } else if (roll < 81) {
        Append(text, Pick(rng, 0x0410, 0x044F));  // Cyrillic
    } else if (roll < 87) {
        Append(text, Pick(rng, 0x03B1, 0x03C9));  // Greek
    } else if (roll < 93) {
        Append(text, Pick(rng, 0x4E00, 0x9FA5));  // CJK
    } else {
        Append(text, Pick(rng, 0x1F600, 0x1F64F));  // one emoji, a surrogate pair
    }
    return text;
}

QString CodeCharacter(Rng& rng) {
    static const std::array<QString, 10> kNotDigits = {
        QStringLiteral(" "),          QStringLiteral("+"),      QStringLiteral("-"),
        QStringLiteral("."),          QStringLiteral("e"),      QStringLiteral("\u0663"),
        QStringLiteral("\uFF17"),     QStringLiteral("\u00B2"), QStringLiteral("\u0416"),
        QStringLiteral("\U0001D7D9"),
    };
    const int roll = Between(rng, 0, 99);
    if (roll < 86) {
        return QString(QChar(static_cast<char16_t>(Pick(rng, u'0', u'9'))));
    }
    if (roll < 93) {
        return QString(
            QChar(static_cast<char16_t>(Pick(rng, u'a', u'z') - (OneIn(rng, 2) ? 32 : 0))));
    }
    return kNotDigits.at(static_cast<std::size_t>(Between(rng, 0, 9)));
}

const char* NameOf(PasteKind kind) {
    switch (kind) {
        case PasteKind::kNothing:
            return "no text";
        case PasteKind::kEmpty:
            return "empty";
        case PasteKind::kBlank:
            return "blank";
        case PasteKind::kLatin:
            return "Latin";
        case PasteKind::kCyrillic:
            return "Cyrillic";
        case PasteKind::kGreek:
            return "Greek";
        case PasteKind::kCjk:
            return "CJK";
        case PasteKind::kEmoji:
            return "emoji";
        case PasteKind::kControls:
            return "controls";
        case PasteKind::kCipher:
            return "cipher text";
        case PasteKind::kLossy:
            return "lossy text";
        case PasteKind::kLongest:
            return "32,766 characters";
        case PasteKind::kOneTooLong:
            return "32,767 characters";
        case PasteKind::kLongestCipher:
            return "43,688 symbols";
        case PasteKind::kCipherTooLong:
            return "43,689 symbols";
        case PasteKind::kMegabyte:
            return "1 MB";
    }
    return "?";
}

PasteKind SmallPasteKind(Rng& rng) {
    static const std::array<PasteKind, 18> kKinds = {
        PasteKind::kNothing, PasteKind::kEmpty,  PasteKind::kBlank,    PasteKind::kLatin,
        PasteKind::kLatin,   PasteKind::kLatin,  PasteKind::kCyrillic, PasteKind::kGreek,
        PasteKind::kCjk,     PasteKind::kEmoji,  PasteKind::kControls, PasteKind::kControls,
        PasteKind::kCipher,  PasteKind::kCipher, PasteKind::kCipher,   PasteKind::kCipher,
        PasteKind::kLossy,   PasteKind::kLossy,
    };
    return kKinds.at(static_cast<std::size_t>(Between(rng, 0, 17)));
}

PasteKind RandomPasteKind(Rng& rng) {
    const int roll = Between(rng, 0, 999);
    if (roll < 1) {
        return PasteKind::kMegabyte;
    }
    if (roll < 11) {
        return PasteKind::kLongest;
    }
    if (roll < 21) {
        return PasteKind::kOneTooLong;
    }
    if (roll < 28) {
        return PasteKind::kLongestCipher;
    }
    if (roll < 35) {
        return PasteKind::kCipherTooLong;
    }
    return SmallPasteKind(rng);
}

QString PasteText(Rng& rng, PasteKind kind, float codeNum) {
    switch (kind) {
        case PasteKind::kNothing:
        case PasteKind::kEmpty:
            return QString();
        case PasteKind::kBlank: {
            QString text;
            const int length = Between(rng, 1, 20);
            for (int i = 0; i < length; ++i) {
                text += OneIn(rng, 4) ? u'\t' : u' ';
            }
            return text;
        }
        case PasteKind::kLatin:
            return Lines(rng, Between(rng, 1, 300), [&] { return LatinCharacter(rng); });
        case PasteKind::kCyrillic:
            return Lines(rng, Between(rng, 1, 120),
                         [&] { return OneIn(rng, 6) ? char32_t{' '} : Pick(rng, 0x0400, 0x04FF); });
        case PasteKind::kGreek:
            return Lines(rng, Between(rng, 1, 120),
                         [&] { return OneIn(rng, 6) ? char32_t{' '} : Pick(rng, 0x0370, 0x03FF); });
        case PasteKind::kCjk:
            return Lines(rng, Between(rng, 1, 80), [&] { return Pick(rng, 0x4E00, 0x9FFF); });
        case PasteKind::kEmoji: {
            QString text;
            const int count = Between(rng, 1, 12);
            for (int i = 0; i < count; ++i) {
                text += Emoji(rng);
                if (OneIn(rng, 3)) {
                    text += QStringLiteral(" ok ");
                }
            }
            return text;
        }
        case PasteKind::kControls:
            return Lines(rng, Between(rng, 1, 60), [&] {
                return OneIn(rng, 2) ? ControlCharacter(rng) : LatinCharacter(rng);
            });
        case PasteKind::kCipher: {
            QString plain = Lines(rng, Between(rng, 0, 400), [&] { return LatinCharacter(rng); });
            const float code = codeNum > 0 ? codeNum : static_cast<float>(Between(rng, 1, 999999));
            const Windows1252Text bytes = Utf16ToWindows1252(Utf16Of(plain));
            const QString cipher = FromBytes(CryptText(bytes.bytes, kModeEncrypt, code));
            // Wrapped as a mail program would, perhaps with a trailing line break.
            const int width = Between(rng, 10, 80);
            static const std::array<QString, 4> kBreaks = {
                QStringLiteral("\n"), QStringLiteral("\r\n"), QStringLiteral("\r"),
                QStringLiteral(" \n")};
            const QString& lineBreak = kBreaks.at(static_cast<std::size_t>(Between(rng, 0, 3)));
            QString wrapped;
            for (qsizetype i = 0; i < cipher.size(); i += width) {
                if (i > 0) {
                    wrapped += lineBreak;
                }
                wrapped += cipher.mid(i, width);
            }
            if (OneIn(rng, 2)) {
                wrapped += lineBreak;
            }
            return wrapped;
        }
        case PasteKind::kLossy: {
            // A last character that the key shifts to byte 0, which the cipher-text format
            // drops from its last group of three.
            const QString text = ExactLength(rng, Between(rng, 0, 100));
            if (!(codeNum > 0)) {
                return text;
            }
            const std::string bytes = Utf16ToWindows1252(Utf16Of(text)).bytes;
            for (int byte = 1; byte < 256; ++byte) {
                const std::string lossy = bytes + std::string(1, static_cast<char>(byte));
                if (byte != '\r' && CryptText(CryptText(lossy, kModeEncrypt, codeNum), kModeDecrypt,
                                              codeNum) != lossy) {
                    return FromBytes(lossy);
                }
            }
            return text;
        }
        case PasteKind::kLongest:
            return ExactLength(rng, static_cast<qsizetype>(kMaxTextLength));
        case PasteKind::kOneTooLong:
            return ExactLength(rng, static_cast<qsizetype>(kMaxTextLength) + 1);
        case PasteKind::kLongestCipher:
            return Symbols(rng, static_cast<qsizetype>(kMaxCipherSymbols));
        case PasteKind::kCipherTooLong:
            return Symbols(rng, static_cast<qsizetype>(kMaxCipherSymbols) + 1);
        case PasteKind::kMegabyte: {
            QString text;
            constexpr qsizetype kMegabyte = 1 << 20;
            text.reserve(kMegabyte);
            while (text.size() < kMegabyte) {
                const qsizetype line =
                    std::min<qsizetype>(Between(rng, 0, 120), kMegabyte - text.size() - 1);
                for (qsizetype i = 0; i < line; ++i) {
                    text += QChar(static_cast<char16_t>(PrintableAscii(rng)));
                }
                text += u'\n';
            }
            return text;
        }
    }
    return QString();
}

}  // namespace vellumark::monkey
