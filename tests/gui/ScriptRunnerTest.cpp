// SPDX-License-Identifier: MIT
#include "ScriptRunner.h"
#include "ExpectedLines.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

namespace quorvel::script {
namespace {

// One application for all cases, gone before the program's static objects are destroyed.
class QtEnvironment : public testing::Environment {
  public:
    void SetUp() override { m_application = std::make_unique<QApplication>(m_argc, m_argv); }
    void TearDown() override { m_application.reset(); }

  private:
    int m_argc = 1;
    char m_name[16] = "ui_script_tests";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QApplication> m_application;
};

[[maybe_unused]] testing::Environment* const kQtEnvironment = testing::AddGlobalTestEnvironment(new QtEnvironment);

// A small window with one control of each kind the runner drives; Label1 records what its handlers saw.
class FixtureWindow : public QMainWindow {
  public:
    explicit FixtureWindow(Dialogs& dialogs) {
        setObjectName("frmMain");
        auto* central = new QWidget(this);
        auto* layout = new QVBoxLayout(central);
        auto* row = new QHBoxLayout;
        layout->addLayout(row);
        m_log = add<QLabel>(row, "Label1");
        auto* button = add<QPushButton>(row, "Command1", "Add");
        auto* hidden = add<QPushButton>(row, "cmdHidden", "Hidden");
        auto* disabled = add<QPushButton>(row, "cmdDisabled", "Disabled");
        for (auto* counter : {button, hidden, disabled})
            connect(counter, &QPushButton::clicked, [this, counter] { log(counter->objectName()); });
        hidden->hide();
        disabled->setEnabled(false);
        add<QCheckBox>(row, "Check1", "Check");
        add<QRadioButton>(row, "Option1_0", "A")->setChecked(true);
        add<QRadioButton>(row, "Option1_1", "B");

        row = new QHBoxLayout;
        layout->addLayout(row);
        auto* box1 = add<QLineEdit>(row, "MaskEdBox1_1");
        auto* box2 = add<QLineEdit>(row, "MaskEdBox1_2");
        for (auto* box : {box1, box2})
            box->setInputMask("##");
        connect(box1, &QLineEdit::textEdited, [box1, box2] {
            if (box1->text().size() == 2) box2->setFocus();
        });
        auto* text = add<QLineEdit>(row, "Text1");
        connect(text, &QLineEdit::editingFinished, [this, text] { log("left " + text->text()); });
        auto* combo = add<QComboBox>(row, "Combo1");
        combo->setEditable(true);
        combo->addItems({"1", "2", "3", "4", "5", "6"});

        auto* tabs = add<QTabBar>(layout, "TabStrip1");
        tabs->addTab("one");
        tabs->addTab("two");

        auto* grid = add<QTableView>(layout, "MSFlexGrid1");
        auto* model = new QStandardItemModel(60, 3, grid);
        for (int r = 0; r < 60; ++r)
            for (int c = 0; c < 3; ++c)
                model->setItem(r, c, new QStandardItem(QString::number(r * 10 + c)));
        model->setHorizontalHeaderLabels({"issue", "n1", "n2"});
        grid->setModel(model);
        grid->setFixedHeight(240);
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(grid, &QTableView::customContextMenuRequested, [this] { log("context"); });
        connect(grid, &QTableView::doubleClicked, [this](const QModelIndex& index) { log(index.data().toString()); });
        connect(grid->horizontalHeader(), &QHeaderView::sectionClicked,
                [this](int section) { log("header " + QString::number(section)); });

        row = new QHBoxLayout;
        layout->addLayout(row);
        connect(add<QPushButton>(row, "cmdAsk", "Ask"), &QPushButton::clicked,
                [this, &dialogs] { log(dialogs.question(this, "Confirm", "Go on?") ? "yes" : "no"); });
        auto* menu = new QMenu("Setup", this);
        auto* sub = menu->addMenu("Base");
        for (auto* entry : {menu->addAction("A"), sub->addAction("B")}) {
            entry->setObjectName("mnu" + entry->text());
            connect(entry, &QAction::triggered, [this, entry] { log(entry->text()); });
        }
        auto* popupButton = add<QPushButton>(row, "Command9", "Menu");
        connect(popupButton, &QPushButton::clicked,
                [menu, popupButton, &dialogs] { dialogs.popup(*menu, popupButton->mapToGlobal(QPoint())); });
        connect(add<QPushButton>(row, "cmdBusy", "Busy"), &QPushButton::clicked, [this] { setProperty("busy", true); });
        connect(add<QPushButton>(row, "cmdStray", "Stray"), &QPushButton::clicked,
                [this] { QMessageBox::information(this, "Stray", "Not through Dialogs"); });

        auto* tick = menuBar()->addMenu("Options")->addAction("Tick");
        tick->setObjectName("mnuTick");
        tick->setCheckable(true);
        setCentralWidget(central);
        setMinimumSize(400, 300);
        resize(900, 600);
    }

  private:
    template <typename Widget> Widget* add(QLayout* layout, const char* name, const QString& text = QString()) {
        auto* widget = new Widget;
        widget->setObjectName(name);
        if constexpr (std::is_base_of_v<QAbstractButton, Widget>) widget->setText(text);
        layout->addWidget(widget);
        return widget;
    }
    void log(const QString& entry) { m_log->setText(m_log->text().isEmpty() ? entry : m_log->text() + "|" + entry); }

    QLabel* m_log;
};

struct ScriptCase {
    const char* name;
    const char* script;
    // Each printed line must hold every member of its expected line.
    std::vector<const char*> lines;
    int exitCode = 0;
};

void PrintTo(const ScriptCase& scriptCase, std::ostream* out) { *out << scriptCase.name; }

class ScriptRunnerTest : public testing::TestWithParam<ScriptCase> {};

TEST_P(ScriptRunnerTest, PrintsWhatTheWindowDid) {
    std::ostringstream printed;
    ScriptOutput output(printed);
    ScriptDialogs dialogs(output);
    FixtureWindow window(dialogs);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    ScriptRunner runner(window, dialogs, output, std::chrono::milliseconds(300));
    EXPECT_EQ(runner.run(nlohmann::json::parse(GetParam().script)), GetParam().exitCode);

    expectLines(printed.str(), {GetParam().lines.begin(), GetParam().lines.end()});
}

const ScriptCase kCases[] = {
    {"ClicksReachOnlyShownEnabledControls",
     R"([{"click": "cmdHidden"}, {"click": "cmdDisabled"}, {"click": "Command1"}, {"click": "Check1"},
         {"click": "Option1_1"}, {"click": "mnuTick"},
         {"dump": ["Label1", "Check1", "Option1_0", "Option1_1", "cmdHidden", "mnuTick"]}])",
     {R"({"note": "cmdHidden not visible"})", R"({"note": "cmdDisabled not enabled"})",
      R"({"dump": {"Label1": {"text": "Command1"}, "Check1": {"checked": true}, "Option1_0": {"checked": false},
          "Option1_1": {"checked": true}, "cmdHidden": {"visible": false, "enabled": true},
          "mnuTick": {"text": "Tick", "checked": true, "enabled": true}}})",
      R"({"done": true})"}},
    {"KeysGoWhereTheFocusIs",
     R"([{"type": "MaskEdBox1_1", "text": "2x345"}, {"dump": ["MaskEdBox1_1", "MaskEdBox1_2"]},
         {"type": "MaskEdBox1_2", "text": "6"}, {"type": "Text1", "text": "ab"}, {"focus": "Combo1"},
         {"type": "Combo1", "text": "5"}, {"dump": ["MaskEdBox1_2", "Label1", "Combo1"]}])",
     {R"({"dump": {"MaskEdBox1_1": {"text": "23", "focused": false}, "MaskEdBox1_2": {"text": "45", "focused": true}}})",
      R"({"dump": {"MaskEdBox1_2": {"text": "6"}, "Label1": {"text": "left ab"},
          "Combo1": {"text": "5", "focused": true}}})",
      R"({"done": true})"}},
    {"GridCellsHeaderAndWheel",
     R"([{"wheel": "MSFlexGrid1", "notches": -2}, {"dump": ["MSFlexGrid1"]}, {"wheel": "MSFlexGrid1", "notches": 1},
         {"cell": "MSFlexGrid1", "row": 50, "column": 1}, {"cell": "MSFlexGrid1", "row": 0, "column": 2},
         {"cell": "MSFlexGrid1", "row": 50, "column": 2, "double": true},
         {"cell": "MSFlexGrid1", "row": 50, "column": 2, "button": "right"}, {"tab": "TabStrip1", "index": 1},
         {"dump": ["MSFlexGrid1", "Label1", "TabStrip1"]}])",
     {R"({"dump": {"MSFlexGrid1": {"top_row": 7, "current": [0, -1]}}})",
      R"({"dump": {"MSFlexGrid1": {"bottom_row": 50, "current": [50, 2]}, "Label1": {"text": "header 2|492|context"},
          "TabStrip1": {"text": "two", "current": 1}}})",
      R"({"done": true})"}},
    {"DialogsTakeQueuedAnswersInOrder",
     R"([{"answer": ["cancel", "ok"]}, {"click": "cmdAsk"}, {"click": "cmdAsk"}, {"click": "cmdAsk"},
         {"answer": ["mnuB", "extra"]}, {"click": "Command9"}, {"dump": ["Label1"]}])",
     {R"({"dialog": {"kind": "question", "title": "Confirm", "text": "Go on?", "answer": "cancel"}})",
      R"({"dialog": {"kind": "question", "answer": "ok"}})",
      R"j({"dialog": {"kind": "question", "answer": "cancel (none queued)"}})j",
      R"({"dialog": {"kind": "menu", "title": "Setup", "text": "mnuB, mnuA", "answer": "mnuB"}})",
      R"({"dump": {"Label1": {"text": "no|yes|no|B"}}})",
      R"({"note": "answers left unused (no dialog asked for them): extra"})", R"({"done": true})"}},
    {"AnAnswerThatDoesNotFitStops",
     R"([{"answer": ["maybe"]}, {"click": "cmdAsk"}, {"dump": ["Label1"]}])",
     {R"({"dialog": {"kind": "question", "answer": "maybe"}})",
      R"({"error": "step 2: the question \"Confirm\" was answered \"maybe\"; a question takes \"ok\" or \"cancel\""})"},
     1},
    {"UnknownControlStops",
     R"([{"click": "Command77"}, {"dump": ["Label1"]}])",
     {R"({"error": "step 1: no control or menu action named Command77"})"},
     1},
    {"MalformedStepStops",
     R"([{"click": "Command1", "double": true}])",
     {R"({"error": "step 1: \"double\" does not belong in a click step"})"},
     1},
    {"DialogAroundTheInterfaceStops",
     R"([{"click": "cmdStray"}])",
     {R"({"error": "step 1: the window opened the dialog \"Stray\" itself, not through its Dialogs; the runner closed it unanswered"})"},
     1},
    {"WindowNeverIdleStops", R"([{"click": "cmdBusy"}, {"dump": ["Label1"]}])", {R"({"error": "busy"})"}, 1},
    {"ResizeSizesTheWindowDownToItsMinimum",
     R"([{"resize": [700, 500]}, {"dump": ["frmMain"]}, {"resize": [10, 10]}, {"dump": ["frmMain"]}])",
     {R"({"dump": {"frmMain": {"geometry": [0, 0, 700, 500]}}})",
      R"j({"note": "frmMain is 400 x 300: it cannot be made 10 x 10 (its minimum size is 400 x 300)"})j",
      R"({"dump": {"frmMain": {"geometry": [0, 0, 400, 300]}}})", R"({"done": true})"}},
    {"ResizeTakesTwoSizesAboveZero",
     R"([{"resize": [0, 500]}])",
     {R"({"error": "step 1: \"resize\" must be [W, H], two whole numbers above 0"})"},
     1},
};

INSTANTIATE_TEST_SUITE_P(Scripts, ScriptRunnerTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<ScriptCase>& info) { return info.param.name; });

// A window whose content is one scroll area, too small to show all of it: a click scrolls its control into
// view first, and a dump's geometry stays in the unscrolled content, wherever the content is scrolled.
TEST(ScriptRunnerScrolling, ClicksBringControlsIntoViewAndGeometryIgnoresTheScrolling) {
    std::ostringstream printed;
    ScriptOutput output(printed);
    ScriptDialogs dialogs(output);
    QMainWindow window;
    window.setObjectName("frmMain");
    auto* area = new QScrollArea(&window);
    area->setWidgetResizable(true);
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    auto* log = new QLabel(content);
    log->setObjectName("Label1");
    column->addWidget(log);
    for (int i = 0; i < 40; ++i) {
        auto* button = new QPushButton(QString("Button %1").arg(i), content);
        button->setObjectName(QString("Command%1").arg(i));
        QObject::connect(button, &QPushButton::clicked, [log, button] { log->setText(button->objectName()); });
        column->addWidget(button);
    }
    area->setWidget(content);
    window.setCentralWidget(area);
    window.resize(300, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    ScriptRunner runner(window, dialogs, output, std::chrono::milliseconds(300));
    EXPECT_EQ(runner.run(nlohmann::json::parse(R"([{"dump": ["Command39"]}, {"click": "Command39"},
        {"dump": ["Command39", "Label1"]}])")),
              0);
    std::vector<nlohmann::json> lines;
    std::istringstream in(printed.str());
    for (std::string line; std::getline(in, line);)
        lines.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(lines.size(), 3U) << printed.str();
    EXPECT_GT(area->verticalScrollBar()->value(), 0) << "the click did not scroll";
    EXPECT_EQ(lines[1]["dump"]["Label1"]["text"], "Command39");
    EXPECT_EQ(lines[0]["dump"]["Command39"]["geometry"], lines[1]["dump"]["Command39"]["geometry"]);
    EXPECT_GT(lines[0]["dump"]["Command39"]["geometry"][1].get<int>(), 200);
}

} // namespace
} // namespace quorvel::script
