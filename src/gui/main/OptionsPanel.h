// SPDX-License-Identifier: MIT
#pragma once

#include "app/choices/PositionSearchState.h"
#include "app/choices/WindowRequests.h"
#include "app/history/NextIssueDisplay.h"
#include "app/settings/SettingKeys.h"
#include "gui/shell/TranslatedTexts.h"

#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPoint;
class QPushButton;
class QRadioButton;
class QTabBar;

namespace quorvel {

class Workspace;

// The search options of the window: positions (固定位/自由位), number order, attribute kind, the two tabs
// with the typed values and the reference draw, the search range and the partial-search choices. Each
// choice is saved at once and brings the position-search state up to date.
class OptionsPanel : public QWidget {
    Q_OBJECT
  public:
    explicit OptionsPanel(Workspace& workspace, QWidget* parent = nullptr);

    // Sets the controls from the settings with their handlers' effects (nothing is saved), the range from
    // the first and latest stored issue, and the position-search state.
    void startUp();
    // The issue boxes that follow the latest stored draw: the end issue (when given) and the reference issue.
    void showNextIssue(const NextIssueDisplay& display);
    // After the history changed: YSJS on the reference tab, the reset from the manual tab otherwise.
    void refreshSearch();
    // The range from the first to the latest stored issue.
    void showWholeRange();
    // After an online update: the range from the first to the latest stored issue; of the position-search
    // state only the values' source and the number order follow the choices.
    void followHistoryUpdate();

    const PositionSearchState& searchState() const { return m_search; }
    AttributeKind kind() const;
    // Fills what the searches read from these options: positions and texts of the active tab, values, kind,
    // order, fixed or free, 自由位计特码, the range texts, 遗漏从起始期计, 平码 or 平特 and the part size.
    void readChoices(AnalysisChoices& choices) const;

  signals:
    // The attribute kind was chosen (by the user or at start-up): the combination boxes follow it.
    void kindChosen(AttributeKind kind);
    void statusMessage(const QString& text);
    // 检索 (Command1), 分部检索 (Command2) and 软件设置 (Command9) were pressed.
    void searchRequested();
    void partialSearchRequested();
    void setupRequested();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // The texts of the controls in the language now in use.
    void retranslate();

    QWidget* buildPositionFrames();
    QWidget* buildKindFrame();
    QWidget* buildTabs();
    QWidget* buildRangeFrame();
    QWidget* buildPartialFrame();

    void chooseFreePositions(int index, bool save);
    void chooseOrder(bool save);
    void chooseKind(int index, bool save);
    // cboMoreKinds: item 0 is the list's caption (back to the option of intLei), items 1..6 the worked-out kinds.
    void chooseMoreKind(int item, bool save);
    void selectTab(int index);
    void onlyBeforeClicked(bool ticked);
    void applyPartSize();
    void showLatestAsEnd();
    // MaskEdBox2 while 前 N 期 is chosen: the range starts at the N-th latest stored issue.
    void startAtLatestDraws();
    // cboQuickRange: item 0 is the range as typed, the others kQuickRanges in order.
    void chooseQuickRange(int item);
    void showFirstAsStart();
    void refreshReference();
    // A typed value box of a kind with names: its position's caption and its tip say what its code means now
    // (the zodiac year of the next issue); a right click offers the kind's names.
    void showCodeMeaning(std::size_t box);
    void showCodeMeanings();
    void offerNames(std::size_t box, const QPoint& at);
    // Runs a step that reads the store; a failure is said in the status bar and the controls stay.
    void guarded(const std::function<void()>& step);
    void applyOutcome(const RefreshOutcome& outcome);
    SearchChoices choices() const;
    void save(Setting setting, const std::string& text);
    // Saves a Boolean setting as the settings file writes it (True/False).
    void saveTick(Setting setting, bool ticked);

    Workspace& m_workspace;
    PositionSearchState m_search;
    std::array<QRadioButton*, 4> m_positionModes{}; // Option1_0..3
    QLineEdit* m_latestCount = nullptr;             // MaskEdBox2
    QCheckBox* m_countSpecial = nullptr;            // Check2
    std::array<QRadioButton*, 2> m_orders{};        // Option2_4, Option2_5
    std::array<QRadioButton*, 8> m_kinds{};         // Option3_0..7
    QComboBox* m_moreKinds = nullptr;               // cboMoreKinds
    std::array<QRadioButton*, 2> m_scopes{};        // Option6_0, Option6_1
    QComboBox* m_partSize = nullptr;                // Combo1
    int m_appliedPartSize = 2;
    int m_nextIssue = 0;               // the issue the next draw is stored under: its zodiac year names the typed codes
    QTabBar* m_tabs = nullptr;         // TabStrip1
    QGroupBox* m_typedFrame = nullptr; // Frame2_1
    QGroupBox* m_referenceFrame = nullptr; // Frame2_2
    std::array<QLineEdit*, 7> m_typed{};   // Text22_1..7
    std::array<QLineEdit*, 7> m_shown{};   // Text2_11..17
    QLineEdit* m_referenceIssue = nullptr; // Text4
    QCheckBox* m_onlyBefore = nullptr;     // Check4
    std::array<QLineEdit*, 2> m_range{};   // Text3_0, Text3_1
    QComboBox* m_quickRange = nullptr;     // cboQuickRange
    QCheckBox* m_gapFromRange = nullptr;   // chkGapFromRange
    QPushButton* m_setup = nullptr;        // Command9
    QPushButton* m_searchButton = nullptr; // Command1
    QPushButton* m_partialButton = nullptr;
    std::array<QCheckBox*, 7> m_typedPositions{}; // Check11_1..7
    std::array<QString, 7> m_positionCaptions;    // their captions without the codes' names (平1位 ..)
    std::array<QCheckBox*, 7> m_shownPositions{}; // Check1_11..17
    TranslatedTexts m_texts{"quorvel::OptionsPanel"};
};

} // namespace quorvel
