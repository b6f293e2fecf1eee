// Keystroke to repainted output at the longest input, in the main window and in two bare
// QPlainTextEdits doing the same text work: what the cipher, the conversions and the handlers
// add to what Qt's text layout costs anyway.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "engine/overflow_error.h"
#include "main_window/frm_main.h"

namespace {

// Ends one character short of the limit, so the typed key makes it exactly the limit.
QString LongestInputButOne() {
    QString text;
    text.reserve(static_cast<qsizetype>(vellumark::kMaxTextLength));
    for (std::size_t i = 0; i + 1 < vellumark::kMaxTextLength; ++i) {
        text.append(QChar(static_cast<char16_t>(u'a' + (i * 7) % 26)));
        if (i % 9 == 8) {
            text.append(QChar(u' '));
            ++i;
        }
    }
    return text;
}

void PlaceCaretAtEnd(QPlainTextEdit& box) {
    QTextCursor cursor = box.textCursor();
    cursor.movePosition(QTextCursor::End);
    box.setTextCursor(cursor);
}

// Types one key at the end of `input` and brings both boxes to the screen; the removal of
// the key afterwards is not timed.
template <typename SetOutput>
void TypeAndRepaint(benchmark::State& state, QPlainTextEdit& input, QPlainTextEdit& output,
                    SetOutput&& setOutput) {
    for (auto _ : state) {
        QTest::keyClick(&input, Qt::Key_Z);
        setOutput();
        input.viewport()->repaint();
        output.viewport()->repaint();
        state.PauseTiming();
        QTest::keyClick(&input, Qt::Key_Backspace);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_WindowKeystroke(benchmark::State& state) {
    vellumark::frmMain window;
    window.show();
    auto* txtIn = window.findChild<QPlainTextEdit*>(QStringLiteral("txtIn"));
    auto* txtOut = window.findChild<QPlainTextEdit*>(QStringLiteral("txtOut"));
    txtIn->setPlainText(LongestInputButOne());
    txtIn->setFocus();
    PlaceCaretAtEnd(*txtIn);
    QCoreApplication::processEvents();
    TypeAndRepaint(state, *txtIn, *txtOut, [] {});
    state.counters["output_chars"] = static_cast<double>(txtOut->document()->characterCount());
}
BENCHMARK(BM_WindowKeystroke)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BareWidgetsKeystroke(benchmark::State& state) {
    // Built like the window's boxes, and given the window's output for the same input.
    vellumark::frmMain window;
    window.show();
    auto* txtIn = window.findChild<QPlainTextEdit*>(QStringLiteral("txtIn"));
    auto* txtOut = window.findChild<QPlainTextEdit*>(QStringLiteral("txtOut"));
    txtIn->setPlainText(LongestInputButOne() + QStringLiteral("z"));
    const QString outputText = txtOut->toPlainText();

    QWidget host;
    QPlainTextEdit input(&host);
    QPlainTextEdit output(&host);
    for (QPlainTextEdit* box : {&input, &output}) {
        box->setFont(txtIn->font());
        box->resize(txtIn->size());
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    output.move(0, txtIn->height());
    output.setWordWrapMode(txtOut->wordWrapMode());
    window.hide();
    host.show();
    input.setPlainText(LongestInputButOne());
    input.setFocus();
    PlaceCaretAtEnd(input);
    QCoreApplication::processEvents();
    TypeAndRepaint(state, input, output, [&] { output.setPlainText(outputText); });
}
BENCHMARK(BM_BareWidgetsKeystroke)->Unit(benchmark::kMillisecond)->UseRealTime();

constexpr qsizetype kHugeCharacters = 10'000'000;

// Ten million characters in lines of 72, as a huge paste of ordinary text.
QString HugePaste() {
    QString text;
    text.reserve(kHugeCharacters);
    for (qsizetype i = 0; i < kHugeCharacters; ++i) {
        text.append(i % 73 == 72 ? QChar(u'\n') : QChar(static_cast<char16_t>(u'a' + i % 26)));
    }
    return text;
}

// Ten million blanks in lines of 72, then a short cipher text, which decrypts.
QString HugeBlanksThenCipherText() {
    QString text;
    text.reserve(kHugeCharacters + 20);
    for (qsizetype i = 0; i < kHugeCharacters; ++i) {
        text.append(i % 73 == 72 ? QChar(u'\n') : QChar(u' '));
    }
    return text + QStringLiteral("w76Yo!56g7VD3e?HPQAA");
}

// A key typed at the end of a huge text: the window decides from what it knows of the text,
// and should cost no more than the box's own work.
void TypeIntoHugePaste(benchmark::State& state, QPlainTextEdit& input,
                       const QString& text = HugePaste()) {
    input.setPlainText(text);
    input.setFocus();
    PlaceCaretAtEnd(input);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        QTest::keyClick(&input, Qt::Key_Z);
        input.viewport()->repaint();
        state.PauseTiming();
        QTest::keyClick(&input, Qt::Key_Backspace);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// In encrypt mode (1) and in decrypt mode (2), where blanks do not count.
void BM_WindowKeystrokeHugePaste(benchmark::State& state) {
    vellumark::frmMain window;
    window.show();
    window.ModeSet(static_cast<vellumark::CryptMode>(state.range(0)));
    TypeIntoHugePaste(state, *window.findChild<QPlainTextEdit*>(QStringLiteral("txtIn")));
    if (window.notice() != vellumark::NoticeKind::kTooLong) {
        state.SkipWithError("the huge paste was not refused");
    }
}
BENCHMARK(BM_WindowKeystrokeHugePaste)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Under an invalid code number, in encrypt mode (1) and in decrypt mode (2): the output is the
// same whatever the input holds.
void BM_WindowKeystrokeHugePasteInvalidCode(benchmark::State& state) {
    vellumark::frmMain window;
    window.show();
    window.findChild<QLineEdit*>(QStringLiteral("txtCodeNum"))->setText(QStringLiteral("0"));
    window.ModeSet(static_cast<vellumark::CryptMode>(state.range(0)));
    TypeIntoHugePaste(state, *window.findChild<QPlainTextEdit*>(QStringLiteral("txtIn")));
    if (window.code_number() != vellumark::kInvalidCodeNumber) {
        state.SkipWithError("the code number was valid");
    }
}
BENCHMARK(BM_WindowKeystrokeHugePasteInvalidCode)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// In decrypt mode, ten million blanks before a cipher text that the key extends.
void BM_WindowKeystrokeHugeBlanks(benchmark::State& state) {
    vellumark::frmMain window;
    window.show();
    window.ModeSet(vellumark::kModeDecrypt);
    TypeIntoHugePaste(state, *window.findChild<QPlainTextEdit*>(QStringLiteral("txtIn")),
                      HugeBlanksThenCipherText());
    if (window.notice() != vellumark::NoticeKind::kNone) {
        state.SkipWithError("the cipher text was not decrypted");
    }
}
BENCHMARK(BM_WindowKeystrokeHugeBlanks)->Unit(benchmark::kMillisecond)->UseRealTime();

// The window's input box as it stands, on its own, holding the huge paste (0) or the blanks
// before a cipher text (1).
void BM_BareWidgetKeystrokeHugePaste(benchmark::State& state) {
    vellumark::frmMain window;
    auto* txtIn = window.findChild<QPlainTextEdit*>(QStringLiteral("txtIn"));
    QPlainTextEdit input;
    input.setFont(txtIn->font());
    input.resize(txtIn->size());
    input.setWordWrapMode(txtIn->wordWrapMode());
    input.show();
    TypeIntoHugePaste(state, input, state.range(0) == 0 ? HugePaste() : HugeBlanksThenCipherText());
}
BENCHMARK(BM_BareWidgetKeystrokeHugePaste)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
