// A monkey test of the main window: one seeded generator drives the real frmMain through
// thousands of random actions (keys, mouse presses, buttons, menus, shortcuts and pastes of
// hostile texts), and after every single one the window must still keep its promises:
// the mode display, the code number, the output, the notices, the buttons and the clipboard.
//
// This file is the driver: it picks the actions (monkey_actions.h) and checks the window after
// each against the model of what it must show (monkey_model.h).
//
// VELLUMARK_MONKEY_SEED picks the run and VELLUMARK_MONKEY_ACTIONS its length. A failure names
// the seed and the last actions, so that the run can be replayed exactly.

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <array>
#include <deque>
#include <memory>
#include <vector>

#include "main_window/frm_main.h"
#include "monkey_actions.h"
#include "monkey_model.h"
#include "random_texts.h"

using namespace vellumark;
using namespace vellumark::monkey;
using vellumark::testing::Controls;

namespace {

constexpr unsigned long kDefaultSeed = 20240611;
constexpr unsigned long kDefaultActions = 10000;
constexpr std::size_t kLogLength = 40;

unsigned long EnvironmentNumber(const char* name, unsigned long fallback) {
    bool ok = false;
    const unsigned long value = qEnvironmentVariable(name).toULong(&ok);
    return ok ? value : fallback;
}

QtMessageHandler previousHandler = nullptr;

// The offscreen platform cannot raise a menu or let it grab the keyboard, and says so each time
// one opens; a run opens dozens.
void QuietOffscreenMenus(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
    if (message.startsWith(QStringLiteral("This plugin does not support"))) {
        return;
    }
    previousHandler(type, context, message);
}

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void monkey();

private:
    void Log(const QString& entry);
    QString Report(const QString& failure) const;

    Rng rng;
    unsigned long seed = kDefaultSeed;
    unsigned long actions = kDefaultActions;
    unsigned long step = 0;
    std::deque<QString> log;

    vellumark::testing::OpenedWindow w;
    std::unique_ptr<Model> model;
    std::unique_ptr<Actions> act;
};

void MonkeyTest::initTestCase() {
    seed = EnvironmentNumber("VELLUMARK_MONKEY_SEED", kDefaultSeed);
    actions = EnvironmentNumber("VELLUMARK_MONKEY_ACTIONS", kDefaultActions);
    rng.seed(static_cast<Rng::result_type>(seed));
    previousHandler = qInstallMessageHandler(QuietOffscreenMenus);
    qInfo("monkey seed %lu, %lu actions (VELLUMARK_MONKEY_SEED, VELLUMARK_MONKEY_ACTIONS)", seed,
          actions);
}

void MonkeyTest::Log(const QString& entry) {
    log.push_back(QStringLiteral("#%1 %2").arg(step).arg(entry));
    if (log.size() > kLogLength) {
        log.pop_front();
    }
}

QString MonkeyTest::Report(const QString& failure) const {
    // The test's own message would be cut short; the log goes out line by line first.
    qWarning("the last actions before the failure:");
    for (const QString& entry : log) {
        qWarning("%s", qPrintable(entry));
    }
    return QStringLiteral(
               "seed %1, action %2 of %3: %4 (replay with VELLUMARK_MONKEY_SEED=%1 "
               "VELLUMARK_MONKEY_ACTIONS=%3)")
        .arg(seed)
        .arg(step)
        .arg(actions)
        .arg(failure);
}

void MonkeyTest::monkey() {
    w = vellumark::testing::OpenWindow();
    model = std::make_unique<Model>(*w);
    act = std::make_unique<Actions>(*model, rng, [this](const QString& entry) { Log(entry); });
    const Controls& c = model->c;
    model->mode = kModeEncrypt;
    {
        // The window as it opens: the default code, encrypt mode, nothing in or out.
        Before start;
        start.code = QStringLiteral("408153");
        Expect expect;
        expect.mode = model->mode;
        expect.input.emplace();  // empty; an assignment here trips GCC's maybe-uninitialized
        expect.code = start.code;
        const QString error = model->Check(start, expect);
        if (!error.isEmpty()) {
            QFAIL(qPrintable(Report(error)));
        }
    }

    const std::vector<Actions::Weighted>& table = Actions::Table();
    int totalWeight = 0;
    for (const Actions::Weighted& entry : table) {
        totalWeight += entry.weight;
    }

    // Every run meets each of the limits and the megabyte at least once, spread over the run
    // and in the mode where it matters, whatever the generator picks besides.
    struct Forced {
        PasteKind kind;
        CryptMode mode;
    };
    const std::array<Forced, 8> forced = {{
        {PasteKind::kLongest, kModeEncrypt},
        {PasteKind::kOneTooLong, kModeEncrypt},
        {PasteKind::kLongestCipher, kModeDecrypt},
        {PasteKind::kCipherTooLong, kModeDecrypt},
        {PasteKind::kMegabyte, kModeEncrypt},
        {PasteKind::kOneTooLong, kModeDecrypt},
        {PasteKind::kLongest, kModeDecrypt},
        {PasteKind::kMegabyte, kModeDecrypt},
    }};
    std::size_t nextForced = 0;

    QElapsedTimer timer;
    timer.start();
    for (step = 1; step <= actions; ++step) {
        const Before before = model->Snapshot();
        Expect expect;
        expect.input = before.input;
        expect.code = before.code;
        expect.exits = static_cast<int>(model->exits.count());
        expect.abouts = static_cast<int>(model->abouts.count());

        if (nextForced < forced.size() &&
            step == (nextForced + 1) * actions / (forced.size() + 1)) {
            const Forced& next = forced.at(nextForced++);
            // A valid code number and the mode, so that the limit is the cipher's to meet.
            if (CodeNumberRule(before.code) == kInvalidCodeNumber) {
                act->ExpectRandomCode(expect);
                c.mnuRandomCode->trigger();
            }
            (next.mode == kModeEncrypt ? c.mnuSetEncrypt : c.mnuSetDecrypt)->trigger();
            model->mode = next.mode;
            Log(QStringLiteral("(%1 mode, code %2)")
                    .arg(ModeName(model->mode), c.txtCodeNum->text()));
            const Before ready = model->Snapshot();
            act->Paste(next.kind, expect);
            expect.mode = model->mode;
            const QString error = model->Check(ready, expect);
            if (!error.isEmpty()) {
                QFAIL(qPrintable(Report(error)));
            }
            continue;
        }

        int roll = Between(rng, 0, totalWeight - 1);
        std::size_t pick = 0;
        while (roll >= table.at(pick).weight) {
            roll -= table.at(pick).weight;
            ++pick;
        }
        ((*act).*table.at(pick).action)(before, expect);
        expect.mode = model->mode;
        const QString error = model->Check(before, expect);
        if (!error.isEmpty()) {
            QFAIL(qPrintable(Report(error)));
        }
    }
    qInfo("%lu actions in %lld ms", actions, static_cast<long long>(timer.elapsed()));
    const Tally& tally = model->Counts();
    qInfo(
        "outputs checked: %d encrypted, %d decrypted, %d under an invalid code; refused: %d "
        "too long, %d unmappable; %d would not decrypt back; longest input %lld",
        tally.encrypted, tally.decrypted, tally.invalidCode, tally.tooLong, tally.unmappable,
        tally.notDecryptable, static_cast<long long>(tally.longestInput));
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
