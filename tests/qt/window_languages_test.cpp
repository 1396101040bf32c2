// The window's captions in every language: each fits inside its cell, its longest word on one
// line and its wrapped lines within the cell's height, on the list of players and on the card.
// The English captions are the measure where the test's fonts are wider than the desktop's: a
// caption may take as much room as the English one of its cell, never more.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPixmap>

#include <cstdlib>
#include <map>
#include <sstream>
#include <QLabel>
#include <QTest>

#include "engine/key_codes.h"
#include "engine/key_input.h"
#include "engine/tick.h"
#include "narration/catalogue.h"
#include "screen/qt_main_window.h"
#include "screen/view_keeper.h"
#include "support/fakes.h"
#include "support/pseudo_text.h"

namespace yacht {
namespace {

struct LanguageWindow {
    test::FakeVoice voice;
    test::FakeSound sound;
    test::FakeResources resources;
    test::FakeStore store;
    test::FakeDrive drive;
    UserStorage storage{store, drive};
    test::ScriptedRandom random;
    MainWindow window;
    test::FakeClock clock;
    Narrator narrator;
    ViewFacts view;
    ViewKeeper shown{narrator, view};
    Yacht y{Ports{voice, sound, resources, storage, window.toolkit(), random, clock, shown}};
    Sequencer sequencer{y};

    LanguageWindow()
    {
        for (int i = 0; i < 200; ++i) random.faces.push_back(i % 6 + 1);
        window.attach(y, view, sequencer);
        window.scaleToScreen();
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void key(int code)
    {
        recordKeyPress(y.pendingInput, y.game, y.ports.voice, code, 0);
        for (int i = 0; i < 100; ++i) {
            clock.advance(std::chrono::milliseconds(100));
            sequencer.step();
            if (y.toBeHeard.empty() && y.game.state != EngineState::Rolling) break;
        }
        window.render();
    }
    // Every caption that needs more room than its cell, and than English needed there, with the
    // language and the moment; `english` holds the room English needed, by the moment and cell.
    std::vector<std::string> overflowing(const std::string& when, std::map<std::string, QSize>& english) const
    {
        std::vector<std::string> out;
        int index = 0;
        for (const QLabel* label : window.findChildren<QLabel*>()) {
            const std::string at = when + "/" + std::to_string(index++);
            if (!label->isVisible() || label->text().isEmpty()) continue;
            const QRect cell = label->contentsRect();
            const QFontMetrics metrics(label->font());
            const QRect need = metrics.boundingRect(cell, int(label->alignment()) | Qt::TextWordWrap, label->text());
            if (languageInUse().empty()) {
                english[at] = need.size();
                continue;
            }
            const QSize room = english.count(at) ? english[at].expandedTo(cell.size()) : cell.size();
            if (need.width() > room.width() || need.height() > room.height())
                out.push_back(languageInUse() + ", " + when + ": \"" + label->text().toStdString() + "\" needs " +
                              std::to_string(need.width()) + "x" + std::to_string(need.height()) + " in " +
                              std::to_string(cell.width()) + "x" + std::to_string(cell.height()));
        }
        return out;
    }
};

TEST(WindowLanguages, EveryCaptionFitsItsCellInEveryLanguage)
{
    std::map<std::string, QSize> english;
    // English first, as the measure, then every language of po/LINGUAS.
    std::vector<std::string> codes{"en"};
    std::istringstream linguas(YACHT_TEST_LINGUAS);
    for (std::string code; linguas >> code;) codes.push_back(code);
    for (const std::string& code : codes) {
        ASSERT_TRUE(useLanguage(languageFromCode(code), YACHT_TEST_LOCALE_DIR)) << code;
        LanguageWindow w;
        std::vector<std::string> faults = w.overflowing("at the start", english);
        w.key(keys::F9);
        for (const std::string& f : w.overflowing("choosing players", english)) faults.push_back(f);
        w.key(keys::Enter);
        w.key(keys::Space);
        w.key(keys::Space);
        w.key(keys::Digit1);
        for (const std::string& f : w.overflowing("on the card, a die held", english)) faults.push_back(f);
        if (const char* folder = std::getenv("YACHT_WINDOW_PICTURES"))
            w.window.grab().save(QString::fromStdString(std::string(folder) + "/window-" + code + ".png"));
        w.key(keys::Space);
        w.key(keys::Space);
        w.key(keys::Enter);
        for (const std::string& f : w.overflowing("after scoring", english)) faults.push_back(f);
        for (const std::string& f : faults) ADD_FAILURE() << f;
    }
    useLanguage({}, YACHT_TEST_LOCALE_DIR);
}

// The names a screen reader reads the controls by, in the pseudo-language: no word of them
// escapes the catalogues, the dice's place and hold included.
TEST(WindowLanguages, TheScreenReadersNamesOfTheControlsComeFromTheCatalogues)
{
    ASSERT_TRUE(useLanguage(languageFromCode("pseudo"), YACHT_TEST_LOCALE_DIR));
    {
        LanguageWindow w;
        w.key(keys::F9);
        w.key(keys::Enter);
        w.key(keys::Space);
        w.key(keys::Digit1);
        int named = 0;
        for (const QWidget* control : w.window.findChildren<QWidget*>()) {
            const std::string name = control->accessibleName().toStdString();
            named += !name.empty();
            EXPECT_FALSE(test::hasLetter(test::outsideBrackets(name))) << "named: [" << name << "]";
        }
        EXPECT_GT(named, 20);
    }
    useLanguage({}, YACHT_TEST_LOCALE_DIR);
}

}  // namespace
}  // namespace yacht
