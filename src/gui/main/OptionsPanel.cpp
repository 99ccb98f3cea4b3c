// SPDX-License-Identifier: MIT
#include "gui/main/OptionsPanel.h"

#include "app/Workspace.h"
#include "app/choices/QuickRange.h"
#include "gui/shell/FocusOutWatcher.h"
#include "gui/shell/QtText.h"
#include "gui/shell/Translations.h"
#include "model/Error.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTabBar>
#include <QVBoxLayout>

namespace quorvel {

void OptionsPanel::startUp() {
    Settings& settings = m_workspace.settings();
    const int freeIndex = settings.boolean(Setting::bolZyw) ? 1 : 0;
    m_positionModes[static_cast<std::size_t>(freeIndex)]->setChecked(true);
    chooseFreePositions(freeIndex, false);
    m_countSpecial->setChecked(settings.integer(Setting::intIdfTm) == 1);
    m_scopes[settings.boolean(Setting::bolZhpm) ? 1 : 0]->setChecked(true);
    m_appliedPartSize = settings.integer(Setting::intZhWSetup);
    m_partSize->setCurrentText(QString::number(m_appliedPartSize));
    m_gapFromRange->setChecked(settings.boolean(Setting::bolGapFromRange));
    m_orders[settings.boolean(Setting::bolLdm) ? 0 : 1]->setChecked(true);
    chooseOrder(false);
    const int kindIndex = settings.integer(Setting::intLei);
    m_kinds[static_cast<std::size_t>(kindIndex)]->setChecked(true);
    if (const int more = settings.integer(Setting::intLeiMore); more > 0)
        chooseMoreKind(more, false);
    else
        chooseKind(kindIndex, false);
    showFirstAsStart();
    showLatestAsEnd();
    refreshSearch();
}

void OptionsPanel::showNextIssue(const NextIssueDisplay& display) {
    if (display.endIssue) m_range[1]->setText(QString::fromStdString(*display.endIssue));
    m_referenceIssue->setText(QString::fromStdString(display.referenceIssue));
    m_nextIssue = display.nextIssue;
    showCodeMeanings();
}

AttributeKind OptionsPanel::kind() const {
    if (const int more = m_moreKinds->currentIndex(); more > 0)
        return static_cast<AttributeKind>(kKindCount - 1 + more);
    for (int index = 0; index < kKindCount; ++index)
        if (m_kinds[static_cast<std::size_t>(index)]->isChecked()) return static_cast<AttributeKind>(index);
    return AttributeKind::Number;
}

void OptionsPanel::chooseFreePositions(int index, bool saveIt) {
    const bool free = m_positionModes[1]->isChecked();
    m_countSpecial->setVisible(free);
    if (saveIt && index < 2) saveTick(Setting::bolZyw, free);
    refreshSearch();
    // The search range starts at the first stored draw again.
    showFirstAsStart();
}

void OptionsPanel::chooseOrder(bool saveIt) {
    if (saveIt) saveTick(Setting::bolLdm, m_orders[0]->isChecked());
    refreshSearch();
}

void OptionsPanel::chooseKind(int index, bool saveIt) {
    if (m_moreKinds->currentIndex() != 0) {
        m_moreKinds->setCurrentIndex(0);
        if (saveIt) save(Setting::intLeiMore, "0");
    }
    refreshSearch();
    showCodeMeanings();
    if (saveIt) save(Setting::intLei, std::to_string(index));
    emit kindChosen(static_cast<AttributeKind>(index));
}

void OptionsPanel::chooseMoreKind(int item, bool saveIt) {
    if (item <= 0) {
        // The caption: the option chosen last among the eight again.
        const int index = m_workspace.settings().integer(Setting::intLei);
        m_kinds[static_cast<std::size_t>(index)]->setChecked(true);
        chooseKind(index, saveIt);
        return;
    }
    m_moreKinds->setCurrentIndex(item);
    // One kind at a time: none of the eight options stays chosen.
    for (QRadioButton* button : m_kinds) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
    refreshSearch();
    showCodeMeanings();
    if (saveIt) save(Setting::intLeiMore, std::to_string(item));
    emit kindChosen(kind());
}

void OptionsPanel::selectTab(int index) {
    const bool reference = index == 1;
    m_typedFrame->setVisible(!reference);
    m_referenceFrame->setVisible(reference);
    m_referenceIssue->setVisible(reference);
    m_onlyBefore->setVisible(reference);
    refreshSearch();
    if (!reference) showLatestAsEnd();
}

void OptionsPanel::onlyBeforeClicked(bool ticked) {
    if (ticked)
        refreshReference();
    else
        showLatestAsEnd();
}

void OptionsPanel::applyPartSize() {
    const QString text = m_partSize->currentText();
    auto size = typedNumber(text.toStdString());
    if (!size || *size < -32768 || *size > 32767) {
        emit statusMessage(
            tr("分部位数 '%1' is not a number: the part size stays %2.").arg(text).arg(m_appliedPartSize));
        m_partSize->setCurrentText(QString::number(m_appliedPartSize));
        return;
    }
    m_appliedPartSize = *size;
    save(Setting::intZhWSetup, std::to_string(*size));
}

void OptionsPanel::showLatestAsEnd() {
    guarded([this] {
        if (auto latest = m_workspace.history().latestIssue()) m_range[1]->setText(QString::number(*latest));
    });
}

void OptionsPanel::showFirstAsStart() {
    guarded([this] {
        if (auto first = m_workspace.history().firstIssue()) m_range[0]->setText(QString::number(*first));
    });
}

void OptionsPanel::startAtLatestDraws() {
    if (!m_positionModes[2]->isChecked()) return;
    const QString text = m_latestCount->displayText().remove(QLatin1Char('_'));
    const int count = text.toInt();
    if (count < 1) return;
    guarded([this, count] {
        auto start = m_workspace.history().startOfLatestDraws(count);
        if (!start) return;
        m_range[0]->setText(QString::number(start->issue));
        m_quickRange->setCurrentIndex(0);
        if (!(m_tabs->currentIndex() == 1 && m_onlyBefore->isChecked())) showLatestAsEnd();
        if (start->draws < count)
            emit statusMessage(tr("The history holds only %1 draws: the range starts at its first draw, %2.")
                                   .arg(start->draws)
                                   .arg(start->issue));
        else
            emit statusMessage(
                tr("The range starts at %1: the searches cover the latest %2 draws.").arg(start->issue).arg(count));
    });
}

void OptionsPanel::chooseQuickRange(int item) {
    if (item < 1 || item > static_cast<int>(kQuickRanges.size())) return;
    const QuickRange choice = kQuickRanges[static_cast<std::size_t>(item - 1)];
    guarded([this, choice] {
        const HistoryListing listing = m_workspace.history().historyListing();
        std::vector<int> issues;
        for (const Draw& draw : listing.draws())
            issues.push_back(draw.issue);
        auto range = quickRangeIssues(choice, issues);
        if (!range) {
            emit statusMessage(
                issues.empty()
                    ? tr("The history is empty: there is no range to choose.")
                    : tr("No draw of %1 is stored: the range boxes were kept.").arg(issues.back() / 1000 - 1));
            m_quickRange->setCurrentIndex(0);
            return;
        }
        m_range[0]->setText(QString::number(range->start));
        m_range[1]->setText(QString::number(range->end));
        emit statusMessage(tr("The range is %1 ~ %2.").arg(range->start).arg(range->end));
    });
}

void OptionsPanel::showWholeRange() {
    showFirstAsStart();
    showLatestAsEnd();
}

void OptionsPanel::refreshSearch() {
    guarded([this] { applyOutcome(m_workspace.analyses().refreshSearchState(m_search, choices())); });
}

void OptionsPanel::followHistoryUpdate() {
    showWholeRange();
    m_search.followChoices(choices());
}

void OptionsPanel::refreshReference() {
    guarded([this] {
        applyOutcome(m_workspace.analyses().refreshSearchState(m_search, choices(),
                                                               WorkspaceAnalyses::SearchRefresh::Reference));
    });
}

void OptionsPanel::guarded(const std::function<void()>& step) {
    try {
        step();
    } catch (const std::exception& error) {
        emit statusMessage(tr("The history could not be read: %1").arg(shownError(error)));
    }
}

void OptionsPanel::applyOutcome(const RefreshOutcome& outcome) {
    if (!outcome.problem.empty()) emit statusMessage(shown(outcome.problem));
    if (outcome.endIssue) m_range[1]->setText(QString::number(*outcome.endIssue));
    if (outcome.shownValues)
        for (std::size_t i = 0; i < 7; ++i)
            m_shown[i]->setText(fromStd(windowWording().names((*outcome.shownValues)[i])));
}

SearchChoices OptionsPanel::choices() const {
    SearchChoices result;
    result.referenceTab = m_tabs->currentIndex() == 1;
    result.kind = kind();
    result.order = m_orders[1]->isChecked() ? NumberOrder::Sorted : NumberOrder::Drawn;
    result.bases = m_workspace.bases();
    for (std::size_t i = 0; i < 7; ++i)
        result.typedTexts[i] = m_typed[i]->text().toStdString();
    result.referenceIssueText = m_referenceIssue->text().toStdString();
    result.onlyBefore = m_onlyBefore->isChecked();
    return result;
}

void OptionsPanel::readChoices(AnalysisChoices& choices) const {
    const bool referenceTab = m_tabs->currentIndex() == 1;
    choices.kind = kind();
    choices.order = m_orders[1]->isChecked() ? NumberOrder::Sorted : NumberOrder::Drawn;
    choices.fixedPositions = m_positionModes[0]->isChecked();
    choices.includeSpecial = m_countSpecial->isChecked();
    for (std::size_t i = 0; i < 7; ++i) {
        choices.selected[i] = (referenceTab ? m_shownPositions[i] : m_typedPositions[i])->isChecked();
        choices.texts[i] = (referenceTab ? m_shown[i] : m_typed[i])->text().toStdString();
    }
    choices.values = m_search.values();
    choices.startText = m_range[0]->text().toStdString();
    choices.endText = m_range[1]->text().toStdString();
    choices.regularOnly = m_scopes[1]->isChecked();
    choices.partSize = m_appliedPartSize;
    choices.partSizeText = m_partSize->currentText().toStdString();
    choices.bases = m_workspace.bases();
    choices.gapsFrom = m_gapFromRange->isChecked() ? GapStart::Range : GapStart::History;
}

void OptionsPanel::saveTick(Setting setting, bool ticked) { save(setting, ticked ? "True" : "False"); }

void OptionsPanel::save(Setting setting, const std::string& text) {
    try {
        m_workspace.settings().set(setting, text);
    } catch (const Error& error) {
        emit statusMessage(tr("The choice was not saved: %1").arg(shownError(error)));
    }
}

void OptionsPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void OptionsPanel::retranslate() {
    m_texts.apply();
    showCodeMeanings();
    // The reference draw's values read in the new language.
    for (QLineEdit* shownValue : m_shown)
        if (shownValue) shownValue->setText(fromStd(windowWording().names(shownValue->text().toStdString())));
}

} // namespace quorvel
