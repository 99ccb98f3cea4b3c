// SPDX-License-Identifier: MIT
// The options panel's controls: made, named, captioned and connected.
#include "gui/main/OptionsPanel.h"

#include "app/Workspace.h"
#include "app/choices/QuickRange.h"
#include "gui/history/ManualEntryRow.h"
#include "gui/shell/FocusOutWatcher.h"
#include "gui/shell/QtText.h"
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

namespace {

const char* const kPositionNames[7] = {
    QT_TRANSLATE_NOOP("quorvel::OptionsPanel", "平1位"), QT_TRANSLATE_NOOP("quorvel::OptionsPanel", "平2位"),
    QT_TRANSLATE_NOOP("quorvel::OptionsPanel", "平3位"), QT_TRANSLATE_NOOP("quorvel::OptionsPanel", "平4位"),
    QT_TRANSLATE_NOOP("quorvel::OptionsPanel", "平5位"), QT_TRANSLATE_NOOP("quorvel::OptionsPanel", "平6位"),
    QT_TRANSLATE_NOOP("quorvel::OptionsPanel", "特位")};

// The kinds' captions (the Chinese names of the attribute kinds), by kind index.
const char* const kKindCaptions[kKindCount] = {
    QT_TRANSLATE_NOOP("quorvel::OptionsPanel", "号码"), QT_TRANSLATE_NOOP("quorvel::OptionsPanel", "生肖"),
    QT_TRANSLATE_NOOP("quorvel::OptionsPanel", "头数"), QT_TRANSLATE_NOOP("quorvel::OptionsPanel", "尾数"),
    QT_TRANSLATE_NOOP("quorvel::OptionsPanel", "合数"), QT_TRANSLATE_NOOP("quorvel::OptionsPanel", "段数"),
    QT_TRANSLATE_NOOP("quorvel::OptionsPanel", "波色"), QT_TRANSLATE_NOOP("quorvel::OptionsPanel", "单双")};

// The list below the kinds: its caption, then the kinds worked out from the numbers in their order.
const char* const kMoreKindCaptions[kAllKindCount - kKindCount + 1] = {
    QT_TRANSLATE_NOOP("quorvel::OptionsPanel", "更多类别"), QT_TRANSLATE_NOOP("quorvel::OptionsPanel", "大小"),
    QT_TRANSLATE_NOOP("quorvel::OptionsPanel", "合单双"),   QT_TRANSLATE_NOOP("quorvel::OptionsPanel", "尾大小"),
    QT_TRANSLATE_NOOP("quorvel::OptionsPanel", "家禽野兽"), QT_TRANSLATE_NOOP("quorvel::OptionsPanel", "半波单双"),
    QT_TRANSLATE_NOOP("quorvel::OptionsPanel", "半波大小")};

QRadioButton* option(const QString& name, QWidget* parent) { return named(new QRadioButton(parent), name); }

QGroupBox* frame(const QString& name, QWidget* parent) { return named(new QGroupBox(parent), name); }

QLineEdit* box(const QString& name, int digits, QWidget* parent) {
    auto* result = named(new QLineEdit(parent), name);
    result->setAlignment(Qt::AlignCenter);
    result->setMinimumWidth(result->fontMetrics().horizontalAdvance(QString(digits, QLatin1Char('0'))) + 14);
    return result;
}

} // namespace

OptionsPanel::OptionsPanel(Workspace& workspace, QWidget* parent) : QWidget(parent), m_workspace(workspace) {
    m_searchButton = m_texts.with(named(new QPushButton(this), QStringLiteral("Command1")), QT_TR_NOOP("检索(&S)"));
    m_setup = m_texts.with(named(new QPushButton(this), QStringLiteral("Command9")), QT_TR_NOOP("软件设置(&T)"));
    auto* buttons = new QHBoxLayout;
    connect(m_searchButton, &QPushButton::clicked, this, &OptionsPanel::searchRequested);
    connect(m_setup, &QPushButton::clicked, this, &OptionsPanel::setupRequested);
    buttons->addWidget(m_searchButton);
    buttons->addWidget(m_setup);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildPositionFrames(), 0, 0, 1, 2);
    layout->addWidget(buildKindFrame(), 1, 0, 1, 2);
    layout->addWidget(buildTabs(), 2, 0, 1, 2);
    layout->addWidget(buildRangeFrame(), 3, 0);
    layout->addWidget(buildPartialFrame(), 3, 1);
    layout->addLayout(buttons, 4, 0, 1, 2);
    layout->setRowStretch(5, 1);
}

QWidget* OptionsPanel::buildPositionFrames() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);

    QGroupBox* positions = m_texts.with(frame(QStringLiteral("Frame1_0"), row), QT_TR_NOOP("检索位选择"));
    auto* positionsLayout = new QGridLayout(positions);
    m_positionModes[0] = m_texts.with(option(QStringLiteral("Option1_0"), positions), QT_TR_NOOP("固定位"));
    m_positionModes[1] = m_texts.with(option(QStringLiteral("Option1_1"), positions), QT_TR_NOOP("自由位"));
    m_countSpecial =
        m_texts.with(named(new QCheckBox(positions), QStringLiteral("Check2")), QT_TR_NOOP("自由位计特码"));
    positionsLayout->addWidget(m_positionModes[0], 0, 0);
    positionsLayout->addWidget(m_positionModes[1], 0, 1);
    positionsLayout->addWidget(m_countSpecial, 1, 0, 1, 2);
    connect(m_countSpecial, &QCheckBox::clicked, this,
            [this](bool ticked) { save(Setting::intIdfTm, ticked ? "1" : "0"); });

    // 前 N 期: a number typed beside it while it is chosen starts the range at the N-th latest draw.
    QGroupBox* period = m_texts.with(frame(QStringLiteral("Frame1_1"), row), QT_TR_NOOP("检索期选择"));
    auto* periodLayout = new QGridLayout(period);
    // The box stands between 前 and 期; a click anywhere in it selects it whole, and it holds up to four digits.
    m_positionModes[2] = m_texts.with(option(QStringLiteral("Option1_2"), period), QT_TR_NOOP("前"));
    m_positionModes[3] = m_texts.with(option(QStringLiteral("Option1_3"), period), QT_TR_NOOP("上期"));
    m_latestCount = named(new EntryBox(period, 4), QStringLiteral("MaskEdBox2"));
    m_latestCount->setAlignment(Qt::AlignCenter);
    m_latestCount->setFixedWidth(m_latestCount->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 22);
    m_texts.addToolTip(m_latestCount,
                       QT_TR_NOOP("With this option chosen, a number N typed here starts the search range at the "
                                  "N-th latest stored draw, so that the searches cover the latest N draws."));
    connect(m_latestCount, &QLineEdit::textEdited, this, &OptionsPanel::startAtLatestDraws);
    periodLayout->addWidget(m_positionModes[2], 0, 0);
    periodLayout->addWidget(m_latestCount, 0, 1);
    periodLayout->addWidget(m_texts.with(named(new QLabel(period), QStringLiteral("lblLatestCount")), QT_TR_NOOP("期")),
                            0, 2);
    periodLayout->setColumnStretch(3, 1);
    periodLayout->addWidget(m_positionModes[3], 1, 0, 1, 3);
    for (int index = 0; index < 4; ++index)
        connect(m_positionModes[static_cast<std::size_t>(index)], &QRadioButton::clicked, this,
                [this, index] { chooseFreePositions(index, true); });

    QGroupBox* order = m_texts.with(frame(QStringLiteral("Frame1_2"), row), QT_TR_NOOP("号码序选择"));
    auto* orderLayout = new QVBoxLayout(order);
    m_orders[0] = m_texts.with(option(QStringLiteral("Option2_4"), order), QT_TR_NOOP("落地码"));
    m_orders[1] = m_texts.with(option(QStringLiteral("Option2_5"), order), QT_TR_NOOP("顺序码"));
    for (QRadioButton* button : m_orders) {
        orderLayout->addWidget(button);
        connect(button, &QRadioButton::clicked, this, [this] { chooseOrder(true); });
    }

    layout->addWidget(positions);
    layout->addWidget(period);
    layout->addWidget(order);
    return row;
}

QWidget* OptionsPanel::buildKindFrame() {
    QGroupBox* kinds = m_texts.with(frame(QStringLiteral("Frame3"), this), QT_TR_NOOP("搜索类型选择"));
    auto* layout = new QGridLayout(kinds);
    for (int index = 0; index < kKindCount; ++index) {
        QRadioButton* button = m_texts.with(option(QStringLiteral("Option3_%1").arg(index), kinds),
                                            kKindCaptions[static_cast<std::size_t>(index)]);
        m_kinds[static_cast<std::size_t>(index)] = button;
        layout->addWidget(button, index / 4, index % 4);
        connect(button, &QRadioButton::clicked, this, [this, index] { chooseKind(index, true); });
    }
    m_moreKinds = named(new QComboBox(kinds), QStringLiteral("cboMoreKinds"));
    for (int item = 0; item < static_cast<int>(std::size(kMoreKindCaptions)); ++item) {
        m_moreKinds->addItem(QString());
        m_texts.add([this, item](const QString& text) { m_moreKinds->setItemText(item, text); },
                    kMoreKindCaptions[static_cast<std::size_t>(item)]);
    }
    m_texts.addToolTip(m_moreKinds, QT_TR_NOOP("More kinds, worked out from the numbers: big or small, the digit sum "
                                               "odd or even, the tail big or small, domestic or wild sign, and the "
                                               "half waves. 49 counts as 和 (the tie)."));
    layout->addWidget(m_moreKinds, 2, 0, 1, 4);
    connect(m_moreKinds, &QComboBox::activated, this, [this](int item) { chooseMoreKind(item, true); });
    return kinds;
}

QWidget* OptionsPanel::buildTabs() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_tabs = named(new QTabBar(area), QStringLiteral("TabStrip1"));
    m_tabs->addTab(QString());
    m_tabs->addTab(QString());
    m_texts.add([this](const QString& text) { m_tabs->setTabText(0, text); }, QT_TR_NOOP("手动输入号"));
    m_texts.add([this](const QString& text) { m_tabs->setTabText(1, text); }, QT_TR_NOOP("历史指定期"));
    m_tabs->setExpanding(false);
    layout->addWidget(m_tabs);

    auto* page = new QFrame(area);
    page->setFrameShape(QFrame::StyledPanel);
    auto* pageLayout = new QVBoxLayout(page);
    m_typedFrame = frame(QStringLiteral("Frame2_1"), page);
    m_referenceFrame = frame(QStringLiteral("Frame2_2"), page);
    auto* typedLayout = new QGridLayout(m_typedFrame);
    auto* referenceLayout = new QGridLayout(m_referenceFrame);
    auto* digitsOnly = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[-0-9]*")), this);
    for (int p = 1; p <= 7; ++p) {
        const auto i = static_cast<std::size_t>(p - 1);
        m_typedPositions[i] = named(new QCheckBox(m_typedFrame), QStringLiteral("Check11_%1").arg(p));
        typedLayout->addWidget(m_typedPositions[i], 0, p - 1);
        m_typed[i] = box(QStringLiteral("Text22_%1").arg(p), 3, m_typedFrame);
        m_typed[i]->setValidator(digitsOnly);
        typedLayout->addWidget(m_typed[i], 1, p - 1);
        onFocusOut(m_typed[i], [this, p, i] { m_search.setTypedValue(p, m_typed[i]->text().toStdString()); });
        m_typed[i]->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(m_typed[i], &QLineEdit::customContextMenuRequested, this,
                [this, i](const QPoint& at) { offerNames(i, at); });
        connect(m_typed[i], &QLineEdit::textChanged, this, [this, i] { showCodeMeaning(i); });
        // The caption is the position's name followed by what its typed code means.
        m_texts.add(
            [this, i](const QString& text) {
                m_positionCaptions[i] = text;
                showCodeMeaning(i);
            },
            kPositionNames[i]);

        m_shownPositions[i] = m_texts.with(
            named(new QCheckBox(m_referenceFrame), QStringLiteral("Check1_%1").arg(10 + p)), kPositionNames[i]);
        referenceLayout->addWidget(m_shownPositions[i], 0, p - 1);
        m_shown[i] = box(QStringLiteral("Text2_%1").arg(10 + p), 3, m_referenceFrame);
        referenceLayout->addWidget(m_shown[i], 1, p - 1);
    }
    pageLayout->addWidget(m_typedFrame);
    pageLayout->addWidget(m_referenceFrame);
    m_referenceFrame->hide();

    auto* referenceRow = new QHBoxLayout;
    m_referenceIssue = box(QStringLiteral("Text4"), 8, page);
    m_onlyBefore = m_texts.with(named(new QCheckBox(page), QStringLiteral("Check4")), QT_TR_NOOP("仅检索该期前"));
    referenceRow->addWidget(m_referenceIssue);
    referenceRow->addWidget(m_onlyBefore);
    referenceRow->addStretch();
    pageLayout->addLayout(referenceRow);
    // The reference row keeps its room on tab 1, so the frames below do not move when the tab changes.
    for (QWidget* reference : {static_cast<QWidget*>(m_referenceIssue), static_cast<QWidget*>(m_onlyBefore)}) {
        QSizePolicy policy = reference->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        reference->setSizePolicy(policy);
        reference->hide();
    }
    onFocusOut(m_referenceIssue, [this] { refreshReference(); });
    connect(m_onlyBefore, &QCheckBox::clicked, this, &OptionsPanel::onlyBeforeClicked);
    connect(m_tabs, &QTabBar::currentChanged, this, &OptionsPanel::selectTab);
    layout->addWidget(page);
    return area;
}

QWidget* OptionsPanel::buildRangeFrame() {
    QGroupBox* range = m_texts.with(frame(QStringLiteral("Frame7"), this), QT_TR_NOOP("检索起止期数"));
    auto* layout = new QGridLayout(range);
    for (int i = 0; i < 2; ++i) {
        m_range[static_cast<std::size_t>(i)] = box(QStringLiteral("Text3_%1").arg(i), 8, range);
        m_range[static_cast<std::size_t>(i)]->setText(QStringLiteral("2013001"));
    }
    layout->addWidget(m_range[0], 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("~"), range), 0, 1);
    layout->addWidget(m_range[1], 0, 2);
    // A range in one click; the boxes stay editable, and typing in them shows the choice as one's own again.
    m_quickRange = named(new QComboBox(range), QStringLiteral("cboQuickRange"));
    m_quickRange->addItem(QString());
    m_texts.add([this](const QString& text) { m_quickRange->setItemText(0, text); }, QT_TR_NOOP("自选"));
    for (const QuickRange choice : kQuickRanges) {
        const int item = m_quickRange->count();
        m_quickRange->addItem(QString());
        if (auto draws = quickRangeDraws(choice)) {
            m_texts.add([this, item, n = *draws](const QString& text) { m_quickRange->setItemText(item, text.arg(n)); },
                        QT_TR_NOOP("最近%1期"));
            continue;
        }
        const char* caption = choice == QuickRange::ThisYear   ? QT_TR_NOOP("今年")
                              : choice == QuickRange::LastYear ? QT_TR_NOOP("去年")
                                                               : QT_TR_NOOP("全部");
        m_texts.add([this, item](const QString& text) { m_quickRange->setItemText(item, text); }, caption);
    }
    m_texts.addToolTip(m_quickRange, QT_TR_NOOP("Fills both range boxes with a range of the stored history: the "
                                                "latest draws, the year of the latest draw, the year before it, or "
                                                "every draw."));
    connect(m_quickRange, &QComboBox::activated, this, &OptionsPanel::chooseQuickRange);
    for (QLineEdit* box : m_range)
        connect(box, &QLineEdit::textEdited, this, [this] { m_quickRange->setCurrentIndex(0); });
    layout->addWidget(m_quickRange, 0, 3);
    m_gapFromRange =
        m_texts.with(named(new QCheckBox(range), QStringLiteral("chkGapFromRange")), QT_TR_NOOP("遗漏从起始期计"));
    m_texts.addToolTip(m_gapFromRange,
                       QT_TR_NOOP("勾选后，最小遗漏和最大遗漏的第一个遗漏从起始期起计（起始期的前一期算作上次出现）；"
                                  "不勾选时从历史第一期起计。平均遗漏和遗漏图总是只计起止期之内的遗漏，"
                                  "最后遗漏总是计到最新一期的下一期。"));
    connect(m_gapFromRange, &QCheckBox::clicked, this,
            [this](bool ticked) { saveTick(Setting::bolGapFromRange, ticked); });
    layout->addWidget(m_gapFromRange, 1, 0, 1, 3);
    return range;
}

QWidget* OptionsPanel::buildPartialFrame() {
    QGroupBox* partial = m_texts.with(frame(QStringLiteral("Frame5"), this), QT_TR_NOOP("多位检索"));
    auto* layout = new QGridLayout(partial);
    m_scopes[0] = m_texts.with(option(QStringLiteral("Option6_0"), partial), QT_TR_NOOP("平特"));
    m_scopes[1] = m_texts.with(option(QStringLiteral("Option6_1"), partial), QT_TR_NOOP("平码"));
    for (int index = 0; index < 2; ++index)
        connect(m_scopes[static_cast<std::size_t>(index)], &QRadioButton::clicked, this,
                [this, index] { saveTick(Setting::bolZhpm, index == 1); });
    m_partSize = named(new QComboBox(partial), QStringLiteral("Combo1"));
    m_partSize->setEditable(true);
    m_partSize->setInsertPolicy(QComboBox::NoInsert);
    for (int size = 1; size <= 6; ++size)
        m_partSize->addItem(QString::number(size));
    onFocusOut(m_partSize, [this] { applyPartSize(); });
    connect(m_partSize, &QComboBox::activated, this, [this] { applyPartSize(); });
    m_partialButton =
        m_texts.with(named(new QPushButton(partial), QStringLiteral("Command2")), QT_TR_NOOP("分部检索(&G)"));
    layout->addWidget(m_scopes[0], 0, 0);
    layout->addWidget(m_scopes[1], 0, 1);
    layout->addWidget(m_texts.with(named(new QLabel(partial), QStringLiteral("Label1")), QT_TR_NOOP("分部位数")), 1, 0);
    layout->addWidget(m_partSize, 1, 1);
    connect(m_partialButton, &QPushButton::clicked, this, &OptionsPanel::partialSearchRequested);
    layout->addWidget(m_partialButton, 0, 2, 2, 1);
    return partial;
}

} // namespace quorvel
