<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_HK" sourcelanguage="en">
<context>
    <name>quorvel::AnalysisController</name>
    <message>
        <source> The range %1 ~ %2 holds no stored draw: the figures describe no draw and the chances are left empty.</source>
        <translation> 檢索起止期數 %1 ~ %2 之間沒有已存的歷史號碼：這些遺漏數字不對應任何一期，概率一欄留空。</translation>
    </message>
</context>
<context>
    <name>quorvel::BacktestWindow</name>
    <message>
        <source>as the group calculation counts</source>
        <translation>按分組計算的方式</translation>
    </message>
    <message>
        <source>special number</source>
        <translation>特碼</translation>
    </message>
    <message>
        <source>regular numbers</source>
        <translation>平碼</translation>
    </message>
    <message>
        <source>any of the seven</source>
        <translation>平特</translation>
    </message>
    <message>
        <source>Where a value is looked for; only for groups of one value</source>
        <translation>在哪個位置找該值；僅用於一個值一組</translation>
    </message>
    <message>
        <source>the 500th draw</source>
        <translation>第500期</translation>
    </message>
    <message>
        <source>The issue of the first decision draw; empty: the 500th stored draw</source>
        <translation>第一個決策期的期數；留空則為歷史中的第500期</translation>
    </message>
    <message>
        <source>How many of the groups away longest are picked at each decision</source>
        <translation>每次決策選出遺漏最久的組數</translation>
    </message>
    <message>
        <source>Seed of the random picks the longest-away picks are compared with</source>
        <translation>用於對照的隨機選取的種子</translation>
    </message>
    <message>
        <source>Walk the history: at each draw pick the groups away longest and see whether the next draw hit them</source>
        <translation>逐期回看歷史：每期選出遺漏最久的組，看下一期是否命中</translation>
    </message>
    <message>
        <source>Write the results to a workbook and open it</source>
        <translation>將結果寫入活頁簿並開啟</translation>
    </message>
    <message>
        <source>Look for a value at:</source>
        <translation>查找位置：</translation>
    </message>
    <message>
        <source>First decision issue:</source>
        <translation>首個決策期數：</translation>
    </message>
    <message>
        <source>Picks per decision:</source>
        <translation>每次選取組數：</translation>
    </message>
    <message>
        <source>Random seed:</source>
        <translation>隨機種子：</translation>
    </message>
    <message>
        <source>Picked</source>
        <translation>選出</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>命中</translation>
    </message>
    <message>
        <source>Expected by chance</source>
        <translation>按概率應為</translation>
    </message>
    <message>
        <source>Longest-away picks</source>
        <translation>最久未出</translation>
    </message>
    <message>
        <source>Random picks</source>
        <translation>隨機選取</translation>
    </message>
    <message>
        <source>The backtest measures the past: whether the groups that looked most overdue came up in the next draw more often than their hit rates say. It cannot make a lottery predictable.</source>
        <translation>回測只衡量過去：看起來遺漏最久的組，下一期是否比理論概率更常出現。它不能令彩票變得可預測。</translation>
    </message>
    <message>
        <source>The history changed since these results were counted: press 回测 to count them again.</source>
        <translation>歷史號碼在這些結果算出後已改動：請按「回測」重新計算。</translation>
    </message>
    <message>
        <source>From the main window: %1, %2 box(es) ticked, groups of %3; %4%5</source>
        <translation>取自主視窗：%1，勾選 %2 個，%3 個一組；%4%5</translation>
    </message>
    <message>
        <source>the special number counts</source>
        <translation>計特碼</translation>
    </message>
    <message>
        <source>the special number does not count</source>
        <translation>不計特碼</translation>
    </message>
    <message>
        <source>; no size limits</source>
        <translation>；不限組數</translation>
    </message>
    <message>
        <source>The first decision issue must be an issue number such as 2020001, or empty for the 500th draw.</source>
        <translation>首個決策期數須為期數（如 2020001），留空則從第500期開始。</translation>
    </message>
    <message>
        <source>Backtest</source>
        <translation>回測</translation>
    </message>
    <message>
        <source>The backtest was cancelled; the results shown are those of the previous run.</source>
        <translation>回測已取消；顯示的是上一次的結果。</translation>
    </message>
    <message>
        <source>The backtest could not run: %1</source>
        <translation>回測無法進行：%1</translation>
    </message>
    <message>
        <source>Picking the %1 longest-away values: %2 hits, %3 expected by chance (z = %4, p %5)</source>
        <translation>選最久未出的%1個：命中 %2 次，按概率應為 %3 次（z = %4，p %5）</translation>
    </message>
    <message>
        <source>Picking the %1 longest-away groups: %2 hits, %3 expected by chance (z = %4, p %5)</source>
        <translation>選最久未出的%1組：命中 %2 次，按概率應為 %3 次（z = %4，p %5）</translation>
    </message>
    <message>
        <source>%1: no significant difference from random.</source>
        <translation>%1：與隨機無顯著差異。</translation>
    </message>
    <message>
        <source>%1: significantly fewer hits than chance (1% level).</source>
        <translation>%1：命中顯著少於隨機（1% 水平）。</translation>
    </message>
    <message>
        <source>%1: significantly more hits than chance (1% level); this describes past draws and promises nothing about the next.</source>
        <translation>%1：命中顯著多於隨機（1% 水平）；這只描述過去，不預示下一期。</translation>
    </message>
    <message>
        <source>%1 decisions at issues %2 to %3; ties with the last pick, summed: %4; random seed %5.</source>
        <translation>第 %2 期至第 %3 期共 %1 次決策；與最後選中者並列累計 %4；隨機種子 %5。</translation>
    </message>
    <message>
        <source>There are no results to write yet.</source>
        <translation>還沒有可匯出的結果。</translation>
    </message>
    <message>
        <source>Ties with the last pick, summed</source>
        <translation>與最後選中者並列（累計）</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>決策次數</translation>
    </message>
    <message>
        <source>Random seed</source>
        <translation>隨機種子</translation>
    </message>
    <message>
        <source>p from</source>
        <translation>p 下限</translation>
    </message>
    <message>
        <source>p to</source>
        <translation>p 上限</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>組數</translation>
    </message>
    <message>
        <source>%1 was not written: %2</source>
        <translation>%1 未寫入：%2</translation>
    </message>
    <message>
        <source>回测</source>
        <translation>回測</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>匯出</translation>
    </message>
</context>
<context>
    <name>quorvel::CalibrationChart</name>
    <message>
        <source>as expected</source>
        <translation>與概率相符</translation>
    </message>
    <message>
        <source>decile bins of P(≥当前遗漏)</source>
        <translation>按 P(≥當前遺漏) 十分位分段</translation>
    </message>
    <message>
        <source>hits expected by the hit rates</source>
        <translation>按理論概率應中次數</translation>
    </message>
    <message>
        <source>hits observed</source>
        <translation>實際命中次數</translation>
    </message>
    <message>
        <source>Press 回测 to run the backtest</source>
        <translation>按「回測」開始回測</translation>
    </message>
    <message numerus="yes">
        <source>Calibration: every eligible group at every decision, in %n bin(s) by P(≥当前遗漏)</source>
        <translation>
            <numerusform>校準：每次決策的全部可選組，按 P(≥當前遺漏) 分為 %n 段</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quorvel::GridCopy</name>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
</context>
<context>
    <name>quorvel::MainWindow</name>
    <message>
        <source>A leftover log file of another history was found beside the store and set aside as %1 before anything was read; your history is as it was.</source>
        <translation>資料庫旁有一個屬於別的歷史庫的日誌檔案，已在讀取前移到 %1；您的歷史號碼沒有變動。</translation>
    </message>
    <message>
        <source>Stored the draw of issue %1: %2 (special number %3).</source>
        <translation>已存入第 %1 期：%2（特碼 %3）。</translation>
    </message>
</context>
<context>
    <name>quorvel::OmissionChart</name>
    <message>
        <source>Omission chart: shown after 检索, 分部检索 or 分组计算</source>
        <translation>遺漏圖：檢索、分部檢索或分組計算後顯示</translation>
    </message>
    <message>
        <source>遗漏</source>
        <translation>遺漏</translation>
    </message>
    <message>
        <source>最小</source>
        <translation>最小</translation>
    </message>
    <message>
        <source>最大</source>
        <translation>最大</translation>
    </message>
    <message>
        <source>最后</source>
        <translation>最後</translation>
    </message>
    <message>
        <source>最小 %1</source>
        <translation>最小 %1</translation>
    </message>
    <message>
        <source>最小 -</source>
        <translation>最小 -</translation>
    </message>
    <message>
        <source>最大 %1</source>
        <translation>最大 %1</translation>
    </message>
    <message>
        <source>最大 -</source>
        <translation>最大 -</translation>
    </message>
    <message>
        <source>最后 %1</source>
        <translation>最後 %1</translation>
    </message>
    <message>
        <source>下期</source>
        <translation>下期</translation>
    </message>
</context>
<context>
    <name>quorvel::OptionsPanel</name>
    <message>
        <source>With this option chosen, a number N typed here starts the search range at the N-th latest stored draw, so that the searches cover the latest N draws.</source>
        <translation>選中“前    期”後，在此輸入期數 N，檢索起始期就設為倒數第 N 期，檢索只統計最近 N 期。</translation>
    </message>
    <message>
        <source>遗漏从起始期计</source>
        <translation>遺漏從起始期計</translation>
    </message>
    <message>
        <source>勾选后，最小遗漏和最大遗漏的第一个遗漏从起始期起计（起始期的前一期算作上次出现）；不勾选时从历史第一期起计。平均遗漏和遗漏图总是只计起止期之内的遗漏，最后遗漏总是计到最新一期的下一期。</source>
        <translation>勾選後，最小遺漏和最大遺漏的第一個遺漏從起始期起計（起始期的前一期算作上次出現）；不勾選時從歷史第一期起計。平均遺漏和遺漏圖總是只計起止期之內的遺漏，最後遺漏總是計到最新一期的下一期。</translation>
    </message>
    <message>
        <source>The history holds only %1 draws: the range starts at its first draw, %2.</source>
        <translation>歷史號碼只有 %1 期：檢索從第一期 %2 開始。</translation>
    </message>
    <message>
        <source>The range starts at %1: the searches cover the latest %2 draws.</source>
        <translation>檢索從 %1 期開始：統計最近 %2 期。</translation>
    </message>
</context>
<context>
    <name>quorvel::StatusLine</name>
    <message>
        <source>Wrote %1 and opened it.</source>
        <translation>已寫入 %1 並開啟。</translation>
    </message>
    <message>
        <source>Wrote %1; no application could open it, so the file is kept there for you to open.</source>
        <translation>已寫入 %1；沒有程式能開啟它，檔案保留在該處供你自行開啟。</translation>
    </message>
</context>
<context>
    <name>quorvel::StoredBasesCheck</name>
    <message>
        <source>生肖</source>
        <translation>生肖</translation>
    </message>
    <message>
        <source>段数</source>
        <translation>段數</translation>
    </message>
    <message>
        <source>波色</source>
        <translation>波色</translation>
    </message>
    <message>
        <source>注意：已存的历史号码是按“%1”推算的，与现在的设置“%2”不符，%3显示有误。请在“设置”菜单中再选一次“%2”，并在询问时选“确定”重新推算。</source>
        <translation>注意：已存的歷史號碼是按“%1”推算的，與現在的設定“%2”不符，%3顯示有誤。請在“設定”選單中再選一次“%2”，並在詢問時選“確定”重新推算。</translation>
    </message>
    <message>
        <source>重新推算历史号码</source>
        <translation>重新推算歷史號碼</translation>
    </message>
    <message>
        <source>已存的 %1 期历史号码是按“%2”推算的，与新的设置“%3”不符，%4会显示错位。
现在按新的设置重新推算全部历史号码吗？号码不变，推算前先备份。</source>
        <translation>已存的 %1 期歷史號碼是按“%2”推算的，與新的設定“%3”不符，%4會顯示錯位。
現在按新的設定重新推算全部歷史號碼嗎？號碼不變，推算前先備份。</translation>
    </message>
    <message>
        <source>没有重新推算，历史号码保持原样：
%1</source>
        <translation>沒有重新推算，歷史號碼保持原樣：
%1</translation>
    </message>
    <message>
        <source>已按现在的设置重新推算 %1 期历史号码。</source>
        <translation>已按現在的設定重新推算 %1 期歷史號碼。</translation>
    </message>
    <message>
        <source>原来的历史号码已备份在 %1</source>
        <translation>原來的歷史號碼已備份在 %1</translation>
    </message>
    <message>
        <source>历史号码已重新推算，但之后压缩数据库文件失败：
%1</source>
        <translation>歷史號碼已重新推算，但之後壓縮資料庫檔案失敗：
%1</translation>
    </message>
</context>
<context>
    <name>quorvel::TableWindow</name>
    <message>
        <source>Write the table with its colours to a workbook and open it</source>
        <translation>將總表連同顏色匯出為活頁簿並開啟</translation>
    </message>
    <message>
        <source>Blue: away unusually long (a small chance of so long an omission). Red: hot, more hits in the latest 10 draws than the hit rate expects.</source>
        <translation>藍色：遺漏異常長（出現如此長遺漏的概率很小）。紅色：熱號，近10期出現次數高於理論概率的期望。</translation>
    </message>
    <message>
        <source>The table could not be counted: %1</source>
        <translation>無法計算遺漏總表：%1</translation>
    </message>
    <message>
        <source>No history</source>
        <translation>沒有歷史號碼</translation>
    </message>
    <message>
        <source>The history is empty: read or add draws in the main window first.</source>
        <translation>歷史號碼為空：請先在主視窗讀入或輸入開獎號碼。</translation>
    </message>
    <message>
        <source>The search range of the main window does not hold two issue numbers: type them there, or choose the latest draws or 全部 here. The table shows the last range counted.</source>
        <translation>主視窗的檢索起止期數不是兩個期數：請在那裏輸入，或在此選擇最近若干期或「全部」。表中仍是上次計算的範圍。</translation>
    </message>
    <message>
        <source>special number</source>
        <translation>特碼</translation>
    </message>
    <message>
        <source>regular numbers</source>
        <translation>平碼</translation>
    </message>
    <message>
        <source>any of the seven</source>
        <translation>平特</translation>
    </message>
    <message>
        <source>regular position %1, %2</source>
        <translation>平%1位，%2</translation>
    </message>
    <message>
        <source>sorted order</source>
        <translation>順序碼</translation>
    </message>
    <message>
        <source>drawn order</source>
        <translation>落地碼</translation>
    </message>
    <message>
        <source>%1 at the %2, issues %3 to %4; %5</source>
        <translation>%1 · %2 · %3–%4期 · %5</translation>
    </message>
    <message>
        <source>gaps counted from the range&apos;s first draw</source>
        <translation>遺漏從起始期計</translation>
    </message>
    <message>
        <source>the first gap counted from the first stored draw</source>
        <translation>第一個遺漏從歷史第一期計</translation>
    </message>
    <message>
        <source>Gaps of %1</source>
        <translation>%1 的遺漏</translation>
    </message>
    <message>
        <source>There is no table to write yet.</source>
        <translation>還沒有可匯出的總表。</translation>
    </message>
    <message>
        <source>%1 was not written: %2</source>
        <translation>未能寫入 %1：%2</translation>
    </message>
    <message>
        <source>遗漏总表</source>
        <translation>遺漏總表</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>匯出</translation>
    </message>
</context>
<context>
    <name>quorvel::TrendWindow</name>
    <message>
        <source>Export workbook</source>
        <translation>匯出表格</translation>
    </message>
    <message>
        <source>Export picture</source>
        <translation>匯出圖片</translation>
    </message>
    <message>
        <source>Show in each cell without a hit how many draws the value has been away</source>
        <translation>在未開出的格子裏顯示該值已遺漏多少期</translation>
    </message>
    <message>
        <source>Write every chosen draw with its colours to a workbook and open it</source>
        <translation>把所選的全部期數連同顏色寫入表格並開啟</translation>
    </message>
    <message>
        <source>Save every chosen draw as a picture and open it</source>
        <translation>把所選的全部期數儲存為圖片並開啟</translation>
    </message>
    <message>
        <source>A ball or a coloured name: drawn in that draw. A grey number: the draws since the value was last drawn, one less than its current omission in the omission table.</source>
        <translation>球或彩色名稱：該期開出。灰色數字：該值自上次開出以來的期數，比遺漏總表的當前遺漏少 1。</translation>
    </message>
    <message>
        <source>The trend could not be counted: %1</source>
        <translation>走勢圖無法計算：%1</translation>
    </message>
    <message>
        <source>The history is empty: read or add draws in the main window first.</source>
        <translation>歷史號碼為空：請先在主視窗讀入或輸入開獎號碼。</translation>
    </message>
    <message>
        <source>The search range of the main window does not hold two issue numbers: type them there, or choose the latest draws or 全部 here. The chart shows the last range counted.</source>
        <translation>主視窗的檢索起止期數不是兩個期數：請在主視窗輸入，或在這裏選擇最近若干期或「全部」。走勢圖仍顯示上次計算的範圍。</translation>
    </message>
    <message>
        <source>special number</source>
        <translation>特碼</translation>
    </message>
    <message>
        <source>regular numbers</source>
        <translation>平碼</translation>
    </message>
    <message>
        <source>any of the seven</source>
        <translation>平特</translation>
    </message>
    <message>
        <source>regular position %1, %2</source>
        <translation>平%1位，%2</translation>
    </message>
    <message>
        <source>sorted order</source>
        <translation>順序碼</translation>
    </message>
    <message>
        <source>drawn order</source>
        <translation>落地碼</translation>
    </message>
    <message>
        <source>%1 at the %2, issues %3 to %4: %5 draws</source>
        <translation>%1（%2），第 %3 期至第 %4 期，共 %5 期</translation>
    </message>
    <message>
        <source>There is no trend to write yet.</source>
        <translation>還沒有可匯出的走勢圖。</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>%1 was not written: %2</source>
        <translation>未能寫入 %1：%2</translation>
    </message>
    <message>
        <source>A picture of %1 draws would be %2 pixels tall, more than picture viewers open (%3). Choose fewer draws (the latest 30 to 200, or a shorter search range) and save the picture again; a workbook holds any number of draws.</source>
        <translation>%1 期的圖片高 %2 像素，超過看圖程式能開啟的高度（%3）。請選擇較少的期數（最近 30 至 200 期，或較短的檢索範圍）後再匯出圖片；表格可容納任意期數。</translation>
    </message>
    <message>
        <source>走势图</source>
        <translation>走勢圖</translation>
    </message>
    <message>
        <source>显示遗漏</source>
        <translation>顯示遺漏</translation>
    </message>
</context>
<context>
    <name>quorvel::ValueChoiceBar</name>
    <message>
        <source>Count gaps from the range&apos;s first draw</source>
        <translation>遺漏從起始期計</translation>
    </message>
    <message>
        <source>Special number</source>
        <translation>特碼</translation>
    </message>
    <message>
        <source>Regular numbers</source>
        <translation>平碼</translation>
    </message>
    <message>
        <source>Any of the seven</source>
        <translation>平特</translation>
    </message>
    <message>
        <source>Regular position %1</source>
        <translation>平%1位</translation>
    </message>
    <message>
        <source>Latest %1 draws</source>
        <translation>最近%1期</translation>
    </message>
    <message>
        <source>The first gap of the least and greatest omission counts from the range&apos;s first draw, not from the first stored draw.</source>
        <translation>最小遺漏和最大遺漏的第一個遺漏從檢索起始期算起，而不是從歷史第一期算起。</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>類別：</translation>
    </message>
    <message>
        <source>Where:</source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>Draws:</source>
        <translation>期數：</translation>
    </message>
    <message>
        <source>检索范围</source>
        <translation>檢索範圍</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>全部</translation>
    </message>
</context>
</TS>
