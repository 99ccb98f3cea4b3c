// SPDX-License-Identifier: MIT
#pragma once

#include "app/results/PrintTitle.h"
#include "gui/print/PrintedGrid.h"

#include <QImage>
#include <QObject>

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

class QAction;
class QMenu;
class QPagedPaintDevice;
class QWidget;

namespace quorvel {

class Dialogs;

// The widest picture made: a phone's screen.
inline constexpr int kPictureWidth = 1080;

// The title line of a view in the window's language, dated today.
QString printTitleText(const PrintTitle& title);
// The name offered for a view written as a file, without extension: its name in the window's language and the latest
// issue it counts.
QString printFileStemText(const Message& view, std::optional<int> latestIssue);

// Paints a grid's pages on a printer or a PDF, in the page size and margins the device has.
void paintPages(QPagedPaintDevice& device, const PrintedGrid& grid, bool fitWidth);

// The pictures of a grid at most kPictureWidth wide: the grid scaled down to that width, or with cutColumns its
// columns cut into pictures, in order; a grid too tall for one picture goes on in the next.
std::vector<QImage> gridPictures(const PrintedGrid& grid, bool cutColumns);

// Printing, PDF and pictures of one view (a grid, a chart's table, a report): 打印 opens a print preview, 导出PDF and
// 保存图片 ask where to write (the data folder, named after the view and the latest issue counted), 复制为图片 puts
// the picture on the clipboard. The view gives its grid when asked; what was written is said through `say`.
class ViewOutput : public QObject {
    Q_OBJECT
  public:
    // The grid shown now with its title line; nothing while the view has nothing to show.
    using Source = std::function<std::optional<PrintedGrid>()>;
    using Say = std::function<void(const QString&)>;

    // `name` names the menu entries (mnuPrint_<name>, ...); `columnsAcross`: the view's columns may be cut into pages
    // of columns, a choice of the print preview, otherwise they are fitted to the page.
    ViewOutput(QWidget& view, Dialogs& dialogs, std::filesystem::path folder, const QString& name, Source source,
               Say say, bool columnsAcross = false);

    void print();
    void writePdf();
    void copyPicture();
    void savePicture();
    // Adds the four entries to a view's right-click menu, after a separator when it has entries.
    void addEntries(QMenu& menu);
    // A right click on `area` (a chart, a grid without a menu of its own, a report) offers the four entries.
    void offerMenuOn(QWidget& area);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void retranslate();
    std::optional<PrintedGrid> grid();
    QString suggested(const PrintedGrid& grid, const char* extension) const;

    QWidget& m_view;
    Dialogs& m_dialogs;
    std::filesystem::path m_folder;
    Source m_source;
    Say m_say;
    bool m_columnsAcross;
    bool m_fitWidth = false; // the print preview's choice, kept for the PDF
    QAction* m_print;
    QAction* m_pdf;
    QAction* m_copyImage;
    QAction* m_saveImage;
    QMenu* m_menu = nullptr;   // the menu offerMenuOn shows
    QWidget* m_area = nullptr; // where it is offered
};

} // namespace quorvel
