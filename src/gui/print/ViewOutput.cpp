// SPDX-License-Identifier: MIT
#include "gui/print/ViewOutput.h"

#include "gui/print/GridPages.h"
#include "gui/shell/Dialogs.h"
#include "gui/shell/QtText.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include <algorithm>
#include <numeric>

namespace quorvel {

namespace {

constexpr double kScreenDpi = 96.0;    // the grid's pixels on paper
constexpr int kTallestPicture = 32767; // image viewers refuse taller ones
constexpr int kPictureGap = 12;
constexpr int kPictureMargin = 8; // white around the grid, as on paper

QPageLayout::Orientation orientationFor(const PrintedGrid& grid) {
    const QPageLayout portrait(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                               QPageLayout::Millimeter);
    const int width = std::accumulate(grid.widths.begin(), grid.widths.end(), 0);
    return width > portrait.paintRectPixels(static_cast<int>(kScreenDpi)).width() ? QPageLayout::Landscape
                                                                                  : QPageLayout::Portrait;
}

// All pictures one below the other, as many as one picture can hold; `held` says how many that is.
QImage stacked(const std::vector<QImage>& pictures, std::size_t& held) {
    int width = 0;
    int height = 0;
    std::size_t count = 0;
    for (const QImage& picture : pictures) {
        if (count > 0 && height + kPictureGap + picture.height() > kTallestPicture) break;
        height += (count > 0 ? kPictureGap : 0) + picture.height();
        width = std::max(width, picture.width());
        ++count;
    }
    held = count;
    QImage whole(width, height, QImage::Format_RGB32);
    whole.fill(Qt::white);
    QPainter painter(&whole);
    int y = 0;
    for (std::size_t i = 0; i < count; ++i) {
        painter.drawImage(0, y, pictures[i]);
        y += pictures[i].height() + kPictureGap;
    }
    return whole;
}

} // namespace

QString printTitleText(const PrintTitle& title) {
    return fromStd(printTitleLine(title, QDate::currentDate().toString(Qt::ISODate).toStdString(), windowTranslate()));
}

QString printFileStemText(const Message& view, std::optional<int> latestIssue) {
    return fromStd(printFileStem(view.rendered(windowTranslate()), latestIssue));
}

void paintPages(QPagedPaintDevice& device, const PrintedGrid& grid, bool fitWidth) {
    const int dpi = device.logicalDpiX();
    const QRect area = device.pageLayout().paintRectPixels(dpi);
    const double unit = dpi / kScreenDpi;
    const GridPages pages(grid, QSize(static_cast<int>(area.width() / unit), static_cast<int>(area.height() / unit)),
                          fitWidth);
    QPainter painter(&device);
    for (int page = 0; page < pages.count(); ++page) {
        if (page > 0) device.newPage();
        painter.save();
        painter.scale(unit, unit);
        pages.paint(painter, page);
        painter.restore();
    }
}

std::vector<QImage> gridPictures(const PrintedGrid& grid, bool cutColumns) {
    const QSize room(kPictureWidth - 2 * kPictureMargin, kTallestPicture - 2 * kPictureMargin);
    const GridPages pages(grid, room, !cutColumns);
    std::vector<QImage> pictures;
    for (int page = 0; page < pages.count(); ++page) {
        const QSize size = pages.used(page).boundedTo(room) + QSize(2 * kPictureMargin, 2 * kPictureMargin);
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        painter.translate(kPictureMargin, kPictureMargin);
        pages.paint(painter, page);
        pictures.push_back(std::move(picture));
    }
    return pictures;
}

ViewOutput::ViewOutput(QWidget& view, Dialogs& dialogs, std::filesystem::path folder, const QString& name,
                       Source source, Say say, bool columnsAcross)
    : QObject(&view), m_view(view), m_dialogs(dialogs), m_folder(std::move(folder)), m_source(std::move(source)),
      m_say(std::move(say)), m_columnsAcross(columnsAcross), m_print(new QAction(this)), m_pdf(new QAction(this)),
      m_copyImage(new QAction(this)), m_saveImage(new QAction(this)) {
    m_print->setObjectName(QStringLiteral("mnuPrint_%1").arg(name));
    m_pdf->setObjectName(QStringLiteral("mnuPdf_%1").arg(name));
    m_copyImage->setObjectName(QStringLiteral("mnuCopyImage_%1").arg(name));
    m_saveImage->setObjectName(QStringLiteral("mnuSaveImage_%1").arg(name));
    connect(m_print, &QAction::triggered, this, &ViewOutput::print);
    connect(m_pdf, &QAction::triggered, this, &ViewOutput::writePdf);
    connect(m_copyImage, &QAction::triggered, this, &ViewOutput::copyPicture);
    connect(m_saveImage, &QAction::triggered, this, &ViewOutput::savePicture);
    view.installEventFilter(this);
    retranslate();
}

void ViewOutput::retranslate() {
    m_print->setText(tr("打印"));
    m_pdf->setText(tr("导出PDF"));
    m_copyImage->setText(tr("复制为图片"));
    m_saveImage->setText(tr("保存图片"));
}

bool ViewOutput::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_view && event->type() == QEvent::LanguageChange) retranslate();
    if (watched == m_area && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            m_dialogs.popup(*m_menu, mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void ViewOutput::offerMenuOn(QWidget& area) {
    m_menu = new QMenu(&area);
    m_menu->setObjectName(QStringLiteral("mnuView_%1").arg(m_print->objectName().section(QLatin1Char('_'), 1)));
    addEntries(*m_menu);
    m_area = &area;
    area.installEventFilter(this);
}

void ViewOutput::addEntries(QMenu& menu) {
    if (!menu.actions().isEmpty()) menu.addSeparator();
    menu.addActions({m_print, m_pdf, m_copyImage, m_saveImage});
}

std::optional<PrintedGrid> ViewOutput::grid() {
    auto made = m_source();
    if (!made) m_say(tr("There is nothing to print yet."));
    return made;
}

QString ViewOutput::suggested(const PrintedGrid& grid, const char* extension) const {
    return fromPath(m_folder / toPath(grid.fileStem + QLatin1Char('.') + QLatin1String(extension)));
}

void ViewOutput::print() {
    const auto made = grid();
    if (!made) return;
    Dialogs::PrintSetup setup{orientationFor(*made) == QPageLayout::Landscape, m_columnsAcross, m_fitWidth};
    m_dialogs.printPreview(&m_view, made->title, setup, [&](QPrinter& printer, bool fitWidth) {
        paintPages(printer, *made, fitWidth || !m_columnsAcross);
    });
    m_fitWidth = setup.fitWidth;
}

void ViewOutput::writePdf() {
    const auto made = grid();
    if (!made) return;
    const auto chosen = m_dialogs.saveFile(&m_view, tr("导出PDF"), suggested(*made, "pdf"), tr("PDF (*.pdf)"));
    if (!chosen) return;
    // Written beside the target and put in its place only once complete.
    QSaveFile out(*chosen);
    bool written = out.open(QIODevice::WriteOnly);
    if (written) {
        QPdfWriter pdf(&out);
        pdf.setTitle(made->title);
        pdf.setCreator(QStringLiteral("quorvel"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientationFor(*made), QMarginsF(10, 10, 10, 10),
                                      QPageLayout::Millimeter));
        paintPages(pdf, *made, m_fitWidth || !m_columnsAcross);
    }
    written = written && out.commit();
    if (!written) {
        m_dialogs.warning(&m_view, tr("导出PDF"), tr("%1 was not written: %2").arg(*chosen, out.errorString()));
        return;
    }
    m_say(tr("Wrote %1").arg(*chosen));
}

void ViewOutput::copyPicture() {
    const auto made = grid();
    if (!made) return;
    const std::vector<QImage> pictures = gridPictures(*made, m_columnsAcross);
    std::size_t held = 0;
    const QImage picture = stacked(pictures, held);
    QApplication::clipboard()->setImage(picture);
    QString said = tr("A picture of %1 × %2 pixels is on the clipboard.").arg(picture.width()).arg(picture.height());
    // A grid too tall for one picture is not cut without a word.
    if (held < pictures.size())
        said += QLatin1Char(' ') + tr("It holds the first %1 of %2 parts of the grid; 保存图片 writes them all.")
                                       .arg(held)
                                       .arg(pictures.size());
    m_say(said);
}

void ViewOutput::savePicture() {
    const auto made = grid();
    if (!made) return;
    const auto chosen = m_dialogs.saveFile(&m_view, tr("保存图片"), suggested(*made, "png"), tr("PNG (*.png)"));
    if (!chosen) return;
    const std::vector<QImage> pictures = gridPictures(*made, m_columnsAcross);
    // One picture takes the chosen name; more are numbered after it, in the order of their columns.
    QStringList written;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        QString path = *chosen;
        if (i > 0) {
            const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
            const QString suffix = QStringLiteral("-%1").arg(i + 1);
            path = dot > path.lastIndexOf(QLatin1Char('/')) ? path.insert(dot, suffix) : path + suffix;
        }
        QSaveFile out(path);
        if (!out.open(QIODevice::WriteOnly) || !pictures[i].save(&out, "PNG") || !out.commit()) {
            m_dialogs.warning(&m_view, tr("保存图片"), tr("%1 was not written: %2").arg(path, out.errorString()));
            return;
        }
        written << path;
    }
    m_say(tr("Wrote %1").arg(written.join(QStringLiteral(", "))));
}

} // namespace quorvel
