// SPDX-License-Identifier: MIT
#include "gui/history/StoredBasesCheck.h"

#include "gui/shell/QtText.h"

#include "app/Workspace.h"
#include "gui/main/MainMenus.h"
#include "gui/shell/Dialogs.h"
#include "gui/shell/WaitCursor.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <exception>

namespace quorvel {

namespace {

struct BaseKind {
    int ParameterBases::*base;
    Setting setting;
    const char* name; // the kind whose names or codes a wrong base spoils
};

const std::array<BaseKind, 3> kKinds{{
    {&ParameterBases::zodiac, Setting::SxIni, QT_TRANSLATE_NOOP("quorvel::StoredBasesCheck", "生肖")},
    {&ParameterBases::segment, Setting::DsIni, QT_TRANSLATE_NOOP("quorvel::StoredBasesCheck", "段数")},
    {&ParameterBases::colour, Setting::BsIni, QT_TRANSLATE_NOOP("quorvel::StoredBasesCheck", "波色")},
}};

// The menu captions of the differing bases (“生肖(肖位)参数1~12”), and the kinds they spoil (生肖、波色).
struct Described {
    QString stored;
    QString settings;
    QString kinds;
};

Described describe(const BasesMismatch& mismatch) {
    QStringList stored, settings, kinds;
    for (const BaseKind& kind : kKinds) {
        if (mismatch.stored.*kind.base == mismatch.settings.*kind.base) continue;
        stored << MainMenus::baseCaption(kind.setting, mismatch.stored.*kind.base);
        settings << MainMenus::baseCaption(kind.setting, mismatch.settings.*kind.base);
        kinds << StoredBasesCheck::tr(kind.name);
    }
    const QString quotes = QStringLiteral("”、“");
    return {stored.join(quotes), settings.join(quotes), kinds.join(QStringLiteral("、"))};
}

} // namespace

StoredBasesCheck::StoredBasesCheck(Workspace& workspace, Dialogs& dialogs, QWidget& window)
    : QObject(&window), m_workspace(workspace), m_dialogs(dialogs), m_window(window) {}

QString StoredBasesCheck::warning() const {
    std::optional<BasesMismatch> mismatch;
    try {
        mismatch = m_workspace.storedBasesMismatch();
    } catch (const std::exception&) {
        return {};
    }
    if (!mismatch) return {};
    const Described text = describe(*mismatch);
    return tr("注意：已存的历史号码是按“%1”推算的，与现在的设置“%2”不符，%3显示有误。"
              "请在“设置”菜单中再选一次“%2”，并在询问时选“确定”重新推算。")
        .arg(text.stored, text.settings, text.kinds);
}

void StoredBasesCheck::afterBaseChosen() {
    std::optional<BasesMismatch> mismatch;
    int draws = 0;
    try {
        mismatch = m_workspace.storedBasesMismatch();
        draws = m_workspace.history().drawCount();
    } catch (const std::exception&) {
        return;
    }
    if (!mismatch) {
        emit statusMessage(QString());
        return;
    }
    const QString title = tr("重新推算历史号码");
    const Described text = describe(*mismatch);
    if (!m_dialogs.question(&m_window, title,
                            tr("已存的 %1 期历史号码是按“%2”推算的，与新的设置“%3”不符，%4会显示错位。\n"
                               "现在按新的设置重新推算全部历史号码吗？号码不变，推算前先备份。")
                                .arg(draws)
                                .arg(text.stored, text.settings, text.kinds))) {
        emit statusMessage(QString());
        return;
    }
    MaintenanceResult result;
    try {
        WaitCursor wait;
        result = m_workspace.maintenance().rebuildHistory();
    } catch (const std::exception& error) {
        m_dialogs.warning(&m_window, title, tr("没有重新推算，历史号码保持原样：\n%1").arg(shownError(error)));
        emit statusMessage(QString());
        return;
    }
    QString status = tr("已按现在的设置重新推算 %1 期历史号码。").arg(result.remaining);
    if (result.backup) status += tr("原来的历史号码已备份在 %1").arg(fromPath(*result.backup));
    emit statusMessage(status);
    if (!result.compactionProblem.empty())
        m_dialogs.warning(
            &m_window, title,
            tr("历史号码已重新推算，但之后压缩数据库文件失败：\n%1").arg(shown(result.compactionProblem)));
}

} // namespace quorvel
