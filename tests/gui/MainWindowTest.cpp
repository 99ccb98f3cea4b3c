// SPDX-License-Identifier: MIT
#include "WindowFixture.h"
#include "gui/shell/Translations.h"

#include <QAction>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QRawFont>
#include <QScrollBar>
#include <QTabBar>
#include <QTableView>
#include <QTextLayout>

namespace quorvel::test {

namespace {

class MainWindowTest : public WindowFixture {
  protected:
    void addSample() {
        addDraws({{2013048, {9, 3, 5, 7, 11, 13, 15}},
                  {2013050, {23, 5, 49, 12, 31, 8, 40}},
                  {2013052, {1, 2, 3, 4, 5, 6, 7}}});
    }
    void selectTab(int index) {
        auto* bar = control<QTabBar>("TabStrip1");
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                          bar->mapTo(window.get(), bar->tabRect(index).center()));
        QApplication::processEvents();
    }
    void trigger(const QString& action) { control<QAction>(action)->trigger(); }
    QString shownValues() {
        QStringList values;
        for (int p = 11; p <= 17; ++p)
            values << text(QStringLiteral("Text2_%1").arg(p));
        return values.join(' ');
    }
    QString boxCaption(int j) { return control<QCheckBox>(QStringLiteral("Check6_%1").arg(j))->text(); }
    QString storedSetting(const char* key) {
        return QString::fromStdString(QtSettingsStore(folder.path()).read(key).value_or("(none)"));
    }
};

} // namespace

TEST_F(MainWindowTest, FirstStartShowsTheDefaults) {
    open();
    EXPECT_TRUE(checked("Option1_1"));
    EXPECT_TRUE(shown("Check2"));
    EXPECT_TRUE(checked("Check2"));
    EXPECT_TRUE(checked("Option3_0"));
    EXPECT_TRUE(checked("Option2_4"));
    EXPECT_TRUE(checked("Option6_0"));
    EXPECT_EQ(control<QComboBox>("Combo1")->currentText(), "2");
    for (const char* base : {"mnuSxcs_1", "mnuDscs_1", "mnuBscs_1"})
        EXPECT_TRUE(control<QAction>(base)->isChecked()) << base;
    EXPECT_FALSE(checked("Check4"));
    EXPECT_EQ(text("Text1"), "2014001");
    EXPECT_EQ(text("Text3_0"), "2013001");
    EXPECT_EQ(text("Text3_1"), "2013001");
    EXPECT_EQ(text("Text4"), "0");
    EXPECT_TRUE(shown("Check6_49"));
    EXPECT_TRUE(shown("fraWelcome"));
    auto* history = control<QTableView>("MSFlexGrid1");
    EXPECT_EQ(history->model()->rowCount(), 0);
    EXPECT_EQ(history->model()->headerData(1, Qt::Horizontal).toString(), "落1码");
    EXPECT_TRUE(control("chkNoLimit")->isEnabled());
    EXPECT_FALSE(checked("chkNoLimit")); // bolNoLimit: the size limits hold
    EXPECT_TRUE(control<QAction>("mnuSetDay")->isEnabled());
    EXPECT_EQ(storedSetting("bolZyw"), "(none)"); // start-up saves nothing
}

TEST_F(MainWindowTest, StoredChoicesSetTheControlsAndSurviveARestart) {
    setting("bolZyw", "False");
    setting("intLei", "6");
    open();
    EXPECT_TRUE(checked("Option1_0"));
    EXPECT_FALSE(shown("Check2"));
    EXPECT_TRUE(checked("Option3_6"));
    EXPECT_EQ(QStringList({boxCaption(1), boxCaption(2), boxCaption(3)}).join(' '), "红 蓝 绿");
    EXPECT_FALSE(shown("Check6_4"));

    trigger("mnuBscs_0"); // saved at once; the boxes keep their captions until the kind is chosen again
    EXPECT_EQ(storedSetting("BsIni"), "0");
    EXPECT_EQ(boxCaption(1), "红");
    click("Option3_0");
    click("Option3_6");
    EXPECT_EQ(QStringList({boxCaption(1), boxCaption(2), boxCaption(3)}).join(' '), "蓝 绿 3");

    click("Check2"); // hidden in fixed mode: the click reaches nothing
    EXPECT_TRUE(checked("Check2"));
    EXPECT_EQ(storedSetting("intIdfTm"), "(none)");

    click("Option1_1");
    click("Check2");
    click("Option2_5");
    click("Option6_1");
    click("Option3_3");
    type("Combo1", "4");
    focus("Text3_0");
    click("Check4");
    restart();
    EXPECT_TRUE(checked("Option1_1"));
    EXPECT_FALSE(checked("Check2"));
    EXPECT_TRUE(checked("Option2_5"));
    EXPECT_TRUE(checked("Option6_1"));
    EXPECT_TRUE(checked("Option3_3"));
    EXPECT_TRUE(control<QAction>("mnuBscs_0")->isChecked());
    EXPECT_EQ(control<QComboBox>("Combo1")->currentText(), "4");
    EXPECT_FALSE(checked("Check4"));
    EXPECT_EQ(boxCaption(10), "9");
}

TEST_F(MainWindowTest, ReferenceDrawFollowsTheReferenceIssue) {
    addSample();
    open();
    selectTab(1);
    EXPECT_TRUE(shown("Text4"));
    EXPECT_FALSE(shown("Text22_1"));
    EXPECT_EQ(text("Text4"), "2013052");
    EXPECT_EQ(shownValues(), "1 2 3 4 5 6 7");
    struct Case {
        const char* issue;
        bool onlyBefore;
        const char* end;
        const char* values;
    } cases[] = {
        {"2013050", false, "2013052", "23 5 49 12 31 8 40"}, {"2013050", true, "2013049", "23 5 49 12 31 8 40"},
        {"2013049", false, "2013052", "9 3 5 7 11 13 15"},   {"2013049", true, "2013047", "9 3 5 7 11 13 15"},
        {"2014001", false, "2013052", "1 2 3 4 5 6 7"},      {"2014001", true, "2013051", "1 2 3 4 5 6 7"},
    };
    for (const Case& c : cases) {
        if (checked("Check4") != c.onlyBefore) click("Check4");
        type("Text4", c.issue);
        focus("Text3_0");
        EXPECT_EQ(text("Text3_1"), c.end) << c.issue << " " << c.onlyBefore;
        EXPECT_EQ(shownValues(), c.values) << c.issue;
    }
    type("Text4", "2012001"); // before every draw: everything stays, the status bar says why
    focus("Text3_0");
    EXPECT_EQ(text("Text3_1"), "2013051");
    EXPECT_EQ(shownValues(), "1 2 3 4 5 6 7");
    EXPECT_TRUE(status().contains("2012001")) << status().toStdString();

    click("Check4"); // unticked: the range ends at the latest draw again
    EXPECT_EQ(text("Text3_1"), "2013052");
    type("Text4", "2013050");
    click("Option2_5"); // sorted order: the regular numbers ascending, the special number last
    EXPECT_EQ(shownValues(), "5 8 12 23 31 49 40");
    click("Option3_6");
    EXPECT_EQ(shownValues(), "绿 红 红 红 蓝 绿 红");
}

TEST_F(MainWindowTest, RangeBoxesFollowTheOptionsAndTabs) {
    addSample();
    open();
    EXPECT_EQ(text("Text3_0"), "2013048");
    EXPECT_EQ(text("Text3_1"), "2013052");
    type("Text3_0", "2013050");
    click("Option1_0");
    EXPECT_EQ(text("Text3_0"), "2013048");
    EXPECT_EQ(storedSetting("bolZyw"), "False");
    type("Text3_0", "2013050");
    click("Option1_2"); // the period frame leaves the position mode alone
    EXPECT_EQ(text("Text3_0"), "2013048");
    EXPECT_TRUE(checked("Option1_0"));

    selectTab(1);
    click("Check4");
    EXPECT_EQ(text("Text3_1"), "2013051");
    selectTab(0);
    EXPECT_EQ(text("Text3_1"), "2013052");
    EXPECT_TRUE(shown("Text22_1"));
    EXPECT_FALSE(shown("Check4"));
}

TEST_F(MainWindowTest, PartSizeThatIsNoNumberKeepsThePrevious) {
    open();
    type("Combo1", "x");
    focus("Text3_0");
    EXPECT_EQ(control<QComboBox>("Combo1")->currentText(), "2");
    EXPECT_TRUE(status().contains("not a number")) << status().toStdString();
    EXPECT_NE(storedSetting("intZhWSetup"), "x");
    type("Combo1", "9"); // stored as typed; a partial search of 9 positions finds nothing
    focus("Text3_0");
    EXPECT_EQ(storedSetting("intZhWSetup"), "9");
}

TEST_F(MainWindowTest, SetupButtonAndWebLinksGoThroughTheDialogs) {
    open();
    dialogs.answers = {"mnuSxcs_0"};
    click("Command9");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "menu");
    EXPECT_EQ(dialogs.shown[0].title, "mnuSetup");
    EXPECT_TRUE(control<QAction>("mnuSxcs_0")->isChecked());
    EXPECT_EQ(storedSetting("SxIni"), "0");

    // Without an address the window asks for one, naming the entry as the user sees it, and keeps only a web
    // address: anything else the desktop would hand to whatever opens it.
    dialogs.answers = {"file:///etc/passwd", "ok"};
    trigger("mnuHome");
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[1].kind, "input");
    EXPECT_EQ(dialogs.shown[1].title, "软件服务主页");
    EXPECT_FALSE(dialogs.shown[1].text.contains("txtHomeUrl"));
    EXPECT_EQ(dialogs.shown[2].kind, "message");
    EXPECT_TRUE(dialogs.shown[2].text.contains("file:///etc/passwd"));
    EXPECT_EQ(storedSetting("txtHomeUrl"), "(none)");
}

// 设置 → 语言 switches the whole window at once and is kept for the next start; the languages' own names stay.
TEST_F(MainWindowTest, TheLanguageMenuSwitchesTheWindowAtOnceAndIsKept) {
    open();
    const struct {
        const char* entry;
        const char* language;
        const char* search;
        const char* setup;
    } cases[] = {
        {"mnuLang_1", "zh_HK", "檢索(&S)", "設定"},
        {"mnuLang_0", "zh_CN", "检索(&S)", "设置"},
        // Last, so that the tests after this one read the source texts again.
        {"mnuLang_2", "en", "检索(&S)", "设置"},
    };
    for (const auto& step : cases) {
        SCOPED_TRACE(step.entry);
        trigger(step.entry);
        QApplication::processEvents();
        EXPECT_EQ(control<QAbstractButton>("Command1")->text(), QString::fromUtf8(step.search));
        EXPECT_EQ(control<QAction>("mnuSetup")->text(), QString::fromUtf8(step.setup));
        EXPECT_TRUE(control<QAction>(step.entry)->isChecked());
        EXPECT_EQ(control<QAction>("mnuLang_1")->text(), "繁體中文");
        EXPECT_EQ(storedSetting("txtLanguage"), step.language);
    }
}

// Without a choice the locale decides: Traditional for Hong Kong, Taiwan and Macao, English for English, else
// Simplified (C and POSIX included); a stored choice wins, an unknown one is ignored.
TEST(WindowLanguage, FollowsTheChoiceElseTheLocale) {
    const struct {
        const char* chosen;
        const char* locale;
        const char* language;
    } cases[] = {
        {"", "zh_HK", "zh_HK"}, {"", "zh_TW", "zh_HK"},  {"", "zh_MO", "zh_HK"},      {"", "zh_CN", "zh_CN"},
        {"", "en_US", "en"},    {"", "en_GB", "en"},     {"", "C", "zh_CN"},          {"", "fr_FR", "zh_CN"},
        {"en", "zh_HK", "en"},  {"zh_HK", "C", "zh_HK"}, {"zh_CN", "en_US", "zh_CN"}, {"de", "en_US", "en"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(windowLanguage(QString::fromLatin1(c.chosen), QLocale(QString::fromLatin1(c.locale))),
                  QString::fromLatin1(c.language))
            << c.chosen << " / " << c.locale;
}

// Each language draws the characters the languages share (骨 has a Simplified, a Hong Kong and a Japanese shape)
// with its own CJK face, also after a switch back and forth, and digits keep the widths they had.
TEST_F(MainWindowTest, EachLanguageDrawsSharedCharactersWithItsOwnFace) {
    if (!QFontDatabase::families().contains(QStringLiteral("Noto Sans CJK HK")))
        GTEST_SKIP() << "fonts-noto-cjk is not installed";
    const auto drawingFace = [](const QString& text) {
        QTextLayout layout(text, QApplication::font());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        const auto runs = layout.glyphRuns();
        return runs.isEmpty() ? QString() : runs.first().rawFont().familyName();
    };
    const QString before = languageInUse();
    const QFont font = QApplication::font();
    const int digits = QFontMetrics(font).horizontalAdvance(QStringLiteral("00"));
    const struct {
        const char* language;
        const char* face;
    } cases[] = {{"zh_CN", "Noto Sans CJK SC"},
                 {"zh_HK", "Noto Sans CJK HK"},
                 {"en", "Noto Sans CJK SC"},
                 {"zh_HK", "Noto Sans CJK HK"}};
    for (const auto& c : cases) {
        useLanguage(QString::fromLatin1(c.language));
        EXPECT_EQ(drawingFace(QStringLiteral("骨")), QString::fromLatin1(c.face)) << c.language;
        EXPECT_EQ(QFontMetrics(QApplication::font()).horizontalAdvance(QStringLiteral("00")), digits) << c.language;
    }
    useLanguage(before.isEmpty() ? QStringLiteral("en") : before);
    QApplication::setFont(font);
}

TEST_F(MainWindowTest, WheelMovesTheGridOneRowPerNotch) {
    HistoryStore store(folder / Workspace::kStoreFileName);
    std::vector<DrawRecord> records;
    for (int i = 1; i <= 60; ++i)
        records.push_back(deriveRecord(Draw{2013000 + i, {1, 2, 3, 4, 5, 6, 7}}, ParameterBases{}));
    store.append(records);
    open();
    auto* grid = control<QTableView>("MSFlexGrid1");
    QScrollBar* bar = grid->verticalScrollBar();
    EXPECT_EQ(bar->value(), bar->maximum()); // 61 grid rows: the latest draw is in view
    EXPECT_GT(bar->maximum(), 3);
    auto notch = [&](int delta) {
        QWheelEvent event(QPointF(20, 20), grid->viewport()->mapToGlobal(QPointF(20, 20)), {}, QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid->viewport(), &event);
    };
    bar->setValue(1);
    notch(-120);
    EXPECT_EQ(bar->value(), 2);
    notch(120);
    notch(120);
    notch(120);
    EXPECT_EQ(bar->value(), 0);
}

} // namespace quorvel::test
