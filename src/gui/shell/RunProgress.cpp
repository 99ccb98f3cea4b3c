// SPDX-License-Identifier: MIT
#include "gui/shell/RunProgress.h"

#include <QApplication>
#include <QCoreApplication>
#include <QProgressDialog>

#include <algorithm>
#include <climits>

namespace quorvel {

namespace {

// A run shorter than this shows no dialog.
constexpr qint64 kDialogAfterMs = 300;
// Events are handled at most this often, so that fast runs are not slowed by them.
constexpr qint64 kEventsEveryMs = 40;

} // namespace

RunProgress::RunProgress(QWidget* window, QString what) : m_window(window), m_what(std::move(what)) { m_clock.start(); }

RunProgress::~RunProgress() = default;

Progress RunProgress::progress() {
    return Progress([this](long done, long total) { return step(done, total); });
}

bool RunProgress::step(long done, long total) {
    const qint64 now = m_clock.elapsed();
    if (now - m_lastEvents < kEventsEveryMs) return !(m_dialog && m_dialog->wasCanceled());
    m_lastEvents = now;
    if (!m_dialog && now >= kDialogAfterMs) {
        m_dialog = std::make_unique<QProgressDialog>(
            m_what, QCoreApplication::translate("quorvel::RunProgress", "取消"), 0, 100, m_window);
        m_dialog->setObjectName(QStringLiteral("dlgProgress"));
        m_dialog->setWindowTitle(m_what);
        m_dialog->setWindowModality(Qt::WindowModal);
        m_dialog->setMinimumDuration(0);
        m_dialog->setAutoReset(false);
        m_dialog->setAutoClose(false);
        m_dialog->show();
    }
    if (!m_dialog) {
        // Before the dialog shows, the window paints but takes no input: the run cannot be started twice.
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return true;
    }
    const int maximum = static_cast<int>(std::clamp<long>(total, 1, INT_MAX));
    m_dialog->setMaximum(maximum);
    m_dialog->setLabelText(QStringLiteral("%1: %2 / %3").arg(m_what).arg(done).arg(total));
    m_dialog->setValue(static_cast<int>(std::clamp<long>(done, 0, maximum)));
    QApplication::processEvents();
    return !m_dialog->wasCanceled();
}

} // namespace quorvel
