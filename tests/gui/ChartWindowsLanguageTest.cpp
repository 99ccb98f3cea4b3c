// SPDX-License-Identifier: MIT
#include "AnalysisWindowFixture.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTranslator>

#include <functional>

#include <gtest/gtest.h>

namespace quorvel::test {

namespace {

class ChartWindowsLanguageTest : public AnalysisWindowFixture {};

} // namespace

// The open chart windows follow a change of language at once: their captions, the choices' entries, the caption
// counted from the table shown and the chart's legend, in Traditional Chinese and back in English.
TEST_F(ChartWindowsLanguageTest, OpenChartWindowsFollowALanguageChangeAtOnce) {
    openOnRealHistory();
    for (const char* menu : {"mnuTable", "mnuTrend", "mnuBacktest"})
        control<QAction>(menu)->trigger();
    QApplication::processEvents();

    struct Shown {
        const char* what;
        std::function<QString()> text;
        const char* english;     // a part of the English text
        const char* traditional; // a part of the Traditional text
    };
    auto chartOf = [this](const char* name) { return control<QChartView>(name)->chart(); };
    const std::vector<Shown> shown = {
        {"table title", [&] { return control("frmTable")->windowTitle(); }, "遗漏总表", "遺漏總表"},
        {"table export", [&] { return control<QPushButton>("cmdTableXlsx")->text(); }, "导出", "匯出"},
        {"table place", [&] { return control<QComboBox>("cboTableWhere")->itemText(0); }, "Special number", "特碼"},
        {"table caption", [&] { return control<QLabel>("lblTable")->text(); }, " at the special number, ",
         " · 特碼 · "},
        {"table chart legend", [&] { return chartOf("chtTable")->series().at(3)->name(); }, "最后 ", "最後 "},
        {"table copy", [&] { return control<QAction>("mnuCopy_grdTable")->text(); }, "Copy", "複製"},
        {"table pdf", [&] { return control<QPushButton>("cmdTablePdf")->text(); }, "导出PDF", "匯出PDF"},
        {"trend picture", [&] { return control<QAction>("mnuSaveImage_grdTrend")->text(); }, "保存图片", "儲存圖片"},
        {"trend title", [&] { return control("frmTrend")->windowTitle(); }, "走势图", "走勢圖"},
        {"trend draws", [&] { return control<QComboBox>("cboTrendRows")->currentText(); }, "检索范围", "檢索範圍"},
        {"trend workbook", [&] { return control<QPushButton>("cmdTrendXlsx")->text(); }, "Export workbook",
         "匯出活頁簿"},
        {"backtest frame", [&] { return control<QGroupBox>("fraBacktestOverdue")->title(); }, "Longest-away picks",
         "最久未出"},
        {"calibration note", [&] { return chartOf("chtCalibration")->title(); }, "Press 回测 to run the backtest",
         "按「回測」開始回測"},
    };
    auto expectAll = [&](bool traditional) {
        for (const Shown& one : shown) {
            const QString expected = QString::fromUtf8(traditional ? one.traditional : one.english);
            EXPECT_TRUE(one.text().contains(expected))
                << one.what << ": \"" << one.text().toStdString() << "\" lacks \"" << expected.toStdString() << '"';
        }
    };

    expectAll(false);
    QTranslator traditional;
    ASSERT_TRUE(traditional.load(QStringLiteral(":/i18n/quorvel_zh_HK.qm")));
    QCoreApplication::installTranslator(&traditional);
    QApplication::processEvents();
    expectAll(true);
    QCoreApplication::removeTranslator(&traditional);
    QApplication::processEvents();
    expectAll(false);
}

} // namespace quorvel::test
