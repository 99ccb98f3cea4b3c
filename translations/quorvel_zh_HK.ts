<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_HK" sourcelanguage="en">
<context>
    <name>quorvel::AnalysisController</name>
    <message>
        <source> The range %1 ~ %2 holds no stored draw: the figures describe no draw and the chances are left empty.</source>
        <translation> 檢索起止期數 %1 ~ %2 之間沒有已存的歷史號碼：這些遺漏數字不對應任何一期，概率一欄留空。</translation>
    </message>
    <message>
        <source>分部检索</source>
        <translation>分部檢索</translation>
    </message>
    <message>
        <source>检索</source>
        <translation>檢索</translation>
    </message>
    <message>
        <source>不限组数 was not saved: %1</source>
        <translation>“不限組數”沒有儲存：%1</translation>
    </message>
    <message>
        <source>There is no history to analyse: read a history text file (读取历史号文本) or enter draws first. Nothing was run.</source>
        <translation>還沒有歷史號碼，無法統計：請先用“讀取歷史號文本”讀入歷史號碼檔案，或逐期輸入。本次沒有計算。</translation>
    </message>
    <message>
        <source>%1 was cancelled; the previous results were kept.</source>
        <translation>%1已取消，之前的結果保留不變。</translation>
    </message>
    <message>
        <source>%1 failed; the previous results were kept:
%2</source>
        <translation>%1失敗，之前的結果保留不變：
%2</translation>
    </message>
    <message>
        <source>分部位数 %1 is outside 1..6, so no draw is a hit.</source>
        <translation>分部位數 %1 不在 1~6 之內，沒有任何一期命中。</translation>
    </message>
    <message>
        <source>数据溢出</source>
        <translation>資料溢出</translation>
    </message>
    <message>
        <source>分组计算</source>
        <translation>分組計算</translation>
    </message>
    <message>
        <source>分组计算: %1 groups, ordered by 最后遗漏.</source>
        <translation>分組計算：共 %1 組，按最後遺漏排序。</translation>
    </message>
    <message>
        <source>分组计算: %1.</source>
        <translation>分組計算：%1。</translation>
    </message>
    <message>
        <source>%1: %2 hit draws; 最小遗漏 %3, 最大遗漏 %4, 最后遗漏 %5.</source>
        <translation>%1：命中 %2 期；最小遺漏 %3，最大遺漏 %4，最後遺漏 %5。</translation>
    </message>
    <message>
        <source>分组计算: %1 groups, ordered by %2.</source>
        <translation>分組計算：共 %1 組，按%2排序。</translation>
    </message>
    <message>
        <source>The group results could not be read: %1</source>
        <translation>無法讀取分組計算結果：%1</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>%1 was not written: %2</source>
        <translation>%1 沒有寫成：%2</translation>
    </message>
    <message>
        <source>Wrote %1 and opened it with the spreadsheet application.</source>
        <translation>已寫入 %1，並用電子表格軟件開啟。</translation>
    </message>
    <message>
        <source>Wrote %1; no application could open it, so the file is kept there for you to open.</source>
        <translation>已寫入 %1，但沒有軟件能開啟它；檔案保留在那裏，可以自行開啟。</translation>
    </message>
    <message>
        <source>分组计算: no group to chart</source>
        <translation>分組計算：沒有可畫圖的組合</translation>
    </message>
    <message>
        <source>分组 %1: run 分组计算 in this window to chart its hits</source>
        <translation>分組 %1：請在本視窗中執行分組計算，才能畫出它的開出情況</translation>
    </message>
    <message>
        <source>分组 %1: the history changed since 分组计算; run it again to chart the group</source>
        <translation>分組 %1：分組計算之後歷史號碼有變動，請重新計算後再畫圖</translation>
    </message>
    <message>
        <source>分组 %1: not a group of the last 分组计算</source>
        <translation>分組 %1：不是最近一次分組計算的組合</translation>
    </message>
    <message>
        <source>分组 %1</source>
        <translation>分組 %1</translation>
    </message>
    <message>
        <source>分组 %1: %2</source>
        <translation>分組 %1：%2</translation>
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
    <name>quorvel::CombinationPanel</name>
    <message>
        <source>组合检索</source>
        <translation>組合檢索</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>反选</source>
        <translation>反選</translation>
    </message>
    <message>
        <source>不限组数</source>
        <translation>不限組數</translation>
    </message>
    <message>
        <source>勾选后分组计算不再限制号码个数（3个分组40个、4个分组24个、5个分组18个、6个分组16个），每次最多%1组，例如49个号码的全部三中三、四中四组合。选择立即保存。</source>
        <translation>勾選後分組計算不再限制號碼個數（3個分組40個、4個分組24個、5個分組18個、6個分組16個），每次最多%1組，例如49個號碼的全部三中三、四中四組合。選擇立即儲存。</translation>
    </message>
    <message>
        <source>分组计算(&amp;P)</source>
        <translation>分組計算(&amp;P)</translation>
    </message>
    <message>
        <source>组合位数</source>
        <translation>組合位數</translation>
    </message>
</context>
<context>
    <name>quorvel::DetailPanel</name>
    <message>
        <source>遗漏统计</source>
        <translation>遺漏統計</translation>
    </message>
    <message>
        <source>How the group calculation&apos;s results are ordered: by a column of the grid, or by the chance of an omission at least as long as the last one, which puts first the groups missing for unusually long.</source>
        <translation>分組計算結果的排序：按表格的某一列，或按“遺漏不短於當前遺漏”的概率排序，後者把遺漏異常久的組合排在前面。</translation>
    </message>
    <message>
        <source>排序</source>
        <translation>排序</translation>
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
    <name>quorvel::HistoryExports</name>
    <message>
        <source>历史号码导出文本文件</source>
        <translation>歷史號碼匯出文本檔案</translation>
    </message>
    <message>
        <source>导出历史号码</source>
        <translation>匯出歷史號碼</translation>
    </message>
    <message>
        <source>Nothing was exported: %1</source>
        <translation>沒有匯出任何內容：%1</translation>
    </message>
    <message>
        <source>The history was written to %1 and opened in the text editor.</source>
        <translation>歷史號碼已寫入 %1，並用文本編輯器開啟。</translation>
    </message>
    <message>
        <source>The history was written to %1 and opened in the spreadsheet application.</source>
        <translation>歷史號碼已寫入 %1，並用電子表格軟件開啟。</translation>
    </message>
    <message>
        <source>The history was written to %1.</source>
        <translation>歷史號碼已寫入 %1。</translation>
    </message>
    <message>
        <source>The history was written to %1, but no text editor on this desktop could open it; the file is kept there.</source>
        <translation>歷史號碼已寫入 %1，但本機沒有能開啟它的文本編輯器；檔案保留在那裏。</translation>
    </message>
    <message>
        <source>The history was written to %1, but no spreadsheet application on this desktop could open it; the file is kept there.</source>
        <translation>歷史號碼已寫入 %1，但本機沒有能開啟它的電子表格軟件；檔案保留在那裏。</translation>
    </message>
</context>
<context>
    <name>quorvel::HistoryManagement</name>
    <message>
        <source>删除期数</source>
        <translation>刪除期數</translation>
    </message>
    <message>
        <source>请输入需要删除到的期数，例如‘2014016’</source>
        <translation>請輸入需要刪除到的期數，例如‘2014016’</translation>
    </message>
    <message>
        <source>请输入需要删除最后多少期历史号码（例如输入3，那么就将删除最后的3期历史号码）</source>
        <translation>請輸入需要刪除最後多少期歷史號碼（例如輸入3，那麼就將刪除最後的3期歷史號碼）</translation>
    </message>
    <message>
        <source>确认清空</source>
        <translation>確認清空</translation>
    </message>
    <message>
        <source>确定要清空所有的历史号码吗？</source>
        <translation>確定要清空所有的歷史號碼嗎？</translation>
    </message>
    <message>
        <source>设置年数</source>
        <translation>設定年數</translation>
    </message>
    <message>
        <source>请输入更新需要保留的历史号码的年数（2~16中的任意自然数），如果超过年数将删除最早的一年的历史号码</source>
        <translation>請輸入更新需要保留的歷史號碼的年數（2~16中的任意自然數），如果超過年數將刪除最早的一年的歷史號碼</translation>
    </message>
    <message>
        <source>输入有误</source>
        <translation>輸入有誤</translation>
    </message>
    <message>
        <source>恢复历史备份</source>
        <translation>恢復歷史備份</translation>
    </message>
    <message>
        <source>Nothing was removed; the history stays as it was:
%1</source>
        <translation>沒有刪除任何一期，歷史號碼保持原樣：
%1</translation>
    </message>
    <message>
        <source>%1 %2 draws remain.</source>
        <translation>%1現存 %2 期。</translation>
    </message>
    <message>
        <source> The history as it was is saved in %1</source>
        <translation> 刪除前的歷史號碼已備份在 %1</translation>
    </message>
    <message>
        <source>The draws were removed, but the store file could not be compacted afterwards:
%1</source>
        <translation>已刪除，但之後壓縮資料庫檔案失敗：
%1</translation>
    </message>
    <message>
        <source>删除最后历史</source>
        <translation>刪除最後歷史</translation>
    </message>
    <message>
        <source>Deleted the latest draw;</source>
        <translation>已刪除最後一期；</translation>
    </message>
    <message>
        <source>Cleared the history;</source>
        <translation>已清空歷史號碼；</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a whole number; nothing was removed.</source>
        <translation>“%1”不是整數，沒有刪除任何一期。</translation>
    </message>
    <message>
        <source>The history could not be read: %1</source>
        <translation>無法讀取歷史號碼：%1</translation>
    </message>
    <message>
        <source>Kept the draws up to issue %1;</source>
        <translation>已刪除 %1 期之後的歷史號碼；</translation>
    </message>
    <message>
        <source>Deleted the latest %1 draws;</source>
        <translation>已刪除最後 %1 期；</translation>
    </message>
    <message>
        <source>The number of years was not saved: %1</source>
        <translation>年數沒有儲存：%1</translation>
    </message>
    <message>
        <source>The online update keeps the draws of the latest %1 years.</source>
        <translation>在線更新將保留最近 %1 年的歷史號碼。</translation>
    </message>
    <message>
        <source>There is no safety copy in %1 yet: one is written there before every change that removes draws.</source>
        <translation>%1 中還沒有備份：每次刪除歷史號碼之前都會在那裏自動備份。</translation>
    </message>
    <message>
        <source>Text(*.txt)</source>
        <translation>文字檔(*.txt)</translation>
    </message>
</context>
<context>
    <name>quorvel::HistoryPanel</name>
    <message>
        <source>鼠标双击列表可以将列表导出到EXCEL</source>
        <translation>滑鼠雙擊列表可以將列表匯出到EXCEL</translation>
    </message>
    <message>
        <source>读取历史号文本(&amp;W)</source>
        <translation>讀取歷史號文本(&amp;W)</translation>
    </message>
    <message>
        <source>从历史号码文本文件中读取历史号中最后一期之后的新的历史号码</source>
        <translation>從歷史號碼文本檔案中讀取歷史號中最後一期之後的新的歷史號碼</translation>
    </message>
    <message>
        <source>历史号在线更新(&amp;O)</source>
        <translation>歷史號在線更新(&amp;O)</translation>
    </message>
    <message>
        <source>从官方服务器更新历史号码</source>
        <translation>從官方伺服器更新歷史號碼</translation>
    </message>
    <message>
        <source>删除最后历史(&amp;D)</source>
        <translation>刪除最後歷史(&amp;D)</translation>
    </message>
    <message>
        <source>历史号码导出文本文件(&amp;O)</source>
        <translation>歷史號碼匯出文字檔(&amp;O)</translation>
    </message>
</context>
<context>
    <name>quorvel::IssuePrompt</name>
    <message>
        <source>在下面输入 </source>
        <translation>在下面輸入 </translation>
    </message>
    <message>
        <source> 期历史号码:</source>
        <translation> 期歷史號碼:</translation>
    </message>
</context>
<context>
    <name>quorvel::MainMenus</name>
    <message>
        <source>设置</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>生肖(肖位)参数设置(&amp;S)</source>
        <translation>生肖(肖位)參數設定(&amp;S)</translation>
    </message>
    <message>
        <source>段数参数设置(&amp;A)</source>
        <translation>段數參數設定(&amp;A)</translation>
    </message>
    <message>
        <source>波色参数设置(&amp;B)</source>
        <translation>波色參數設定(&amp;B)</translation>
    </message>
    <message>
        <source>历史号码更新检索年(&amp;Y)</source>
        <translation>歷史號碼更新檢索年(&amp;Y)</translation>
    </message>
    <message>
        <source>历史管理</source>
        <translation>歷史管理</translation>
    </message>
    <message>
        <source>删除最后历史(&amp;E)</source>
        <translation>刪除最後歷史(&amp;E)</translation>
    </message>
    <message>
        <source>清空历史号码(&amp;C)</source>
        <translation>清空歷史號碼(&amp;C)</translation>
    </message>
    <message>
        <source>删除到选定期(&amp;D)</source>
        <translation>刪除到選定期(&amp;D)</translation>
    </message>
    <message>
        <source>删除最后指定数量期历史(&amp;E)</source>
        <translation>刪除最後指定數量期歷史(&amp;E)</translation>
    </message>
    <message>
        <source>导出历史号码(&amp;O)</source>
        <translation>匯出歷史號碼(&amp;O)</translation>
    </message>
    <message>
        <source>恢复历史备份(&amp;R)</source>
        <translation>恢復歷史備份(&amp;R)</translation>
    </message>
    <message>
        <source>图表</source>
        <translation>圖表</translation>
    </message>
    <message>
        <source>遗漏总表</source>
        <translation>遺漏總表</translation>
    </message>
    <message>
        <source>走势图</source>
        <translation>走勢圖</translation>
    </message>
    <message>
        <source>回测</source>
        <translation>回測</translation>
    </message>
    <message>
        <source>软件服务主页(&amp;P)</source>
        <translation>軟件服務主頁(&amp;P)</translation>
    </message>
    <message>
        <source>软件介绍说明(&amp;R)</source>
        <translation>軟件介紹説明(&amp;R)</translation>
    </message>
    <message>
        <source>软件演示说明录像下载(&amp;D)</source>
        <translation>軟件演示説明錄像下載(&amp;D)</translation>
    </message>
    <message>
        <source>生肖(肖位)参数0~11</source>
        <translation>生肖(肖位)參數0~11</translation>
    </message>
    <message>
        <source>生肖(肖位)参数1~12</source>
        <translation>生肖(肖位)參數1~12</translation>
    </message>
    <message>
        <source>段数参数0~6</source>
        <translation>段數參數0~6</translation>
    </message>
    <message>
        <source>段数参数1~7</source>
        <translation>段數參數1~7</translation>
    </message>
    <message>
        <source>波色参数0~2</source>
        <translation>波色參數0~2</translation>
    </message>
    <message>
        <source>波色参数1~3</source>
        <translation>波色參數1~3</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>The base was not saved: %1</source>
        <translation>參數沒有儲存：%1</translation>
    </message>
    <message>
        <source>The language is in use now but was not saved for the next start: %1</source>
        <translation>語言已切換，但沒有儲存，下次啓動時不會沿用：%1</translation>
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
    <message>
        <source>读入历史</source>
        <translation>讀入歷史</translation>
    </message>
    <message>
        <source>确实要读入最新历史号码吗？点击&apos;确认&apos;读入,点击&apos;取消&apos;放弃该操作。确要读入请保证安装目录下存在历史号码的文本文件文件。读取时可能要花费一段时间,请耐心等候！</source>
        <translation>確實要讀入最新歷史號碼嗎？點擊&apos;確認&apos;讀入,點擊&apos;取消&apos;放棄該操作。確要讀入請保證安裝目錄下存在歷史號碼的文字檔檔案。讀取時可能要花費一段時間,請耐心等候！</translation>
    </message>
    <message>
        <source>输入有误</source>
        <translation>輸入有誤</translation>
    </message>
    <message>
        <source>quorvel 六合彩遗漏分析</source>
        <translation>quorvel 六合彩遺漏分析</translation>
    </message>
    <message>
        <source>The history could not be read: %1</source>
        <translation>無法讀取歷史號碼：%1</translation>
    </message>
    <message>
        <source>The history was updated but could not be shown again: %1</source>
        <translation>歷史號碼已更新，但無法重新顯示：%1</translation>
    </message>
    <message>
        <source>The history list could not be shown again: %1</source>
        <translation>無法重新顯示歷史號碼列表：%1</translation>
    </message>
    <message>
        <source>The history changed but could not be shown again: %1</source>
        <translation>歷史號碼已變動，但無法重新顯示：%1</translation>
    </message>
    <message>
        <source>Another program changed the history; the list was read again.</source>
        <translation>另一個程式修改了歷史號碼，列表已重新讀取。</translation>
    </message>
    <message>
        <source>读取历史号文本</source>
        <translation>讀取歷史號文本</translation>
    </message>
    <message>
        <source>Text(*.txt)</source>
        <translation>文字檔(*.txt)</translation>
    </message>
    <message>
        <source>Nothing was read: %1 is not a history text file (its name must end in .txt).</source>
        <translation>沒有讀入：%1 不是歷史號碼文本檔案（檔案名須以 .txt 結尾）。</translation>
    </message>
    <message>
        <source>The history was not read and stays as it was:
%1</source>
        <translation>沒有讀入，歷史號碼保持原樣：
%1</translation>
    </message>
    <message>
        <source>The draw was not stored: %1</source>
        <translation>這一期沒有儲存：%1</translation>
    </message>
    <message>
        <source>No address is set for %1 yet. Type the address of its web page (starting with http:// or https://); it is kept for the next time.</source>
        <translation>“%1”還沒有設定網址。請輸入它的網頁地址（以 http:// 或 https:// 開頭），下次會沿用。</translation>
    </message>
    <message>
        <source>The address was not saved: %1</source>
        <translation>網址沒有儲存：%1</translation>
    </message>
    <message>
        <source>The desktop could not open %1 (%2): no web browser took the address.</source>
        <translation>無法開啟 %1（%2）：沒有瀏覽器接受這個網址。</translation>
    </message>
    <message>
        <source>The address was not saved: &apos;%1&apos; is not a web address; it starts with http:// or https://.</source>
        <translation>網址沒有儲存：“%1”不是網址，網址須以 http:// 或 https:// 開頭。</translation>
    </message>
</context>
<context>
    <name>quorvel::ManualEntryRow</name>
    <message>
        <source>在此补充输入最新历史号码</source>
        <translation>在此補充輸入最新歷史號碼</translation>
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
    <name>quorvel::OnlineUpdate</name>
    <message>
        <source>读入历史</source>
        <translation>讀入歷史</translation>
    </message>
    <message>
        <source>在线更新网址</source>
        <translation>在線更新網址</translation>
    </message>
    <message>
        <source>在线更新网址(&amp;U)...</source>
        <translation>在線更新網址(&amp;U)...</translation>
    </message>
    <message>
        <source>Nothing was updated: no update site is set. Choose the menu 设置 → 在线更新网址 and give the address the yearly pages are found under (for example http://127.0.0.1:8080/85122/kj/, the page of 2014 then being .../2014.html).</source>
        <translation>沒有更新：還沒有設定在線更新網址。請在選單「設定」→「在線更新網址」中輸入每年攪珠網頁所在的網址（例如 http://127.0.0.1:8080/85122/kj/，2014 年的網頁就是 .../2014.html）。</translation>
    </message>
    <message>
        <source>Nothing was updated: %1</source>
        <translation>沒有更新：%1</translation>
    </message>
    <message>
        <source>Nothing was updated: the latest stored draw, %1, is after the current year %2, so there is no page to load.</source>
        <translation>沒有更新：最新一期 %1 在今年（%2 年）之後，沒有可讀取的網頁。</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Loading the page of %1: year %2 of %3</source>
        <translation>正在讀取 %1 年的網頁：第 %2 年，共 %3 年</translation>
    </message>
    <message>
        <source>The update was cancelled; the history was left unchanged.</source>
        <translation>已取消更新，歷史號碼沒有改動。</translation>
    </message>
    <message>
        <source>The new draws were not stored; the history stays as it was:
%1</source>
        <translation>新的開獎號碼沒有儲存，歷史號碼保持原樣：
%1</translation>
    </message>
    <message>
        <source>在线更新的网址前缀（每年的网页为前缀 + 年份 + .html），例如 http://127.0.0.1:8080/85122/kj/</source>
        <translation>在線更新的網址前綴（每年的網頁為前綴 + 年份 + .html），例如 http://127.0.0.1:8080/85122/kj/</translation>
    </message>
    <message>
        <source>The address was not saved: %1</source>
        <translation>網址沒有儲存：%1</translation>
    </message>
    <message>
        <source>The update site was cleared.</source>
        <translation>在線更新網址已清除。</translation>
    </message>
    <message>
        <source>The update site is now %1.</source>
        <translation>在線更新網址已設為 %1。</translation>
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
    <message>
        <source>平1位</source>
        <translation>平1位</translation>
    </message>
    <message>
        <source>平2位</source>
        <translation>平2位</translation>
    </message>
    <message>
        <source>平3位</source>
        <translation>平3位</translation>
    </message>
    <message>
        <source>平4位</source>
        <translation>平4位</translation>
    </message>
    <message>
        <source>平5位</source>
        <translation>平5位</translation>
    </message>
    <message>
        <source>平6位</source>
        <translation>平6位</translation>
    </message>
    <message>
        <source>特位</source>
        <translation>特位</translation>
    </message>
    <message>
        <source>号码</source>
        <translation>號碼</translation>
    </message>
    <message>
        <source>生肖</source>
        <translation>生肖</translation>
    </message>
    <message>
        <source>头数</source>
        <translation>頭數</translation>
    </message>
    <message>
        <source>尾数</source>
        <translation>尾數</translation>
    </message>
    <message>
        <source>合数</source>
        <translation>合數</translation>
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
        <source>单双</source>
        <translation>單雙</translation>
    </message>
    <message>
        <source>检索(&amp;S)</source>
        <translation>檢索(&amp;S)</translation>
    </message>
    <message>
        <source>软件设置(&amp;T)</source>
        <translation>軟件設定(&amp;T)</translation>
    </message>
    <message>
        <source>检索位选择</source>
        <translation>檢索位選擇</translation>
    </message>
    <message>
        <source>固定位</source>
        <translation>固定位</translation>
    </message>
    <message>
        <source>自由位</source>
        <translation>自由位</translation>
    </message>
    <message>
        <source>自由位计特码</source>
        <translation>自由位計特碼</translation>
    </message>
    <message>
        <source>检索期选择</source>
        <translation>檢索期選擇</translation>
    </message>
    <message>
        <source>前    期</source>
        <translation>前    期</translation>
    </message>
    <message>
        <source>上期</source>
        <translation>上期</translation>
    </message>
    <message>
        <source>号码序选择</source>
        <translation>號碼序選擇</translation>
    </message>
    <message>
        <source>落地码</source>
        <translation>落地碼</translation>
    </message>
    <message>
        <source>顺序码</source>
        <translation>順序碼</translation>
    </message>
    <message>
        <source>搜索类型选择</source>
        <translation>搜索類型選擇</translation>
    </message>
    <message>
        <source>手动输入号</source>
        <translation>手動輸入號</translation>
    </message>
    <message>
        <source>历史指定期</source>
        <translation>歷史指定期</translation>
    </message>
    <message>
        <source>仅检索该期前</source>
        <translation>僅檢索該期前</translation>
    </message>
    <message>
        <source>检索起止期数</source>
        <translation>檢索起止期數</translation>
    </message>
    <message>
        <source>多位检索</source>
        <translation>多位檢索</translation>
    </message>
    <message>
        <source>平特</source>
        <translation>平特</translation>
    </message>
    <message>
        <source>平码</source>
        <translation>平碼</translation>
    </message>
    <message>
        <source>分部检索(&amp;G)</source>
        <translation>分部檢索(&amp;G)</translation>
    </message>
    <message>
        <source>分部位数</source>
        <translation>分部位數</translation>
    </message>
    <message>
        <source>分部位数 &apos;%1&apos; is not a number: the part size stays %2.</source>
        <translation>分部位數“%1”不是數字，分部位數仍為 %2。</translation>
    </message>
    <message>
        <source>The history could not be read: %1</source>
        <translation>無法讀取歷史號碼：%1</translation>
    </message>
    <message>
        <source>The choice was not saved: %1</source>
        <translation>選擇沒有儲存：%1</translation>
    </message>
</context>
<context>
    <name>quorvel::ResultsPanel</name>
    <message>
        <source>鼠标双击列表可以将列表导出到EXCEL</source>
        <translation>滑鼠雙擊列表可以將列表匯出到EXCEL</translation>
    </message>
</context>
<context>
    <name>quorvel::RunProgress</name>
    <message>
        <source>取消</source>
        <translation>取消</translation>
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
<context>
    <name>quorvel::WelcomeHint</name>
    <message>
        <source>关闭</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>历史号码为空。请用“读取历史号文本”读入历史号码文本文件，或在下面逐期输入。</source>
        <translation>歷史號碼為空。請用“讀取歷史號文本”讀入歷史號碼文本檔案，或在下面逐期輸入。</translation>
    </message>
    <message>
        <source>历史号码为空。可以读入随软件附带的历史号码（%1），立即看到真实结果；也可以用“读取历史号文本”读入自己的文件，或在下面逐期输入。</source>
        <translation>歷史號碼為空。可以讀入隨軟件附帶的歷史號碼（%1），立即看到真實結果；也可以用“讀取歷史號文本”讀入自己的檔案，或在下面逐期輸入。</translation>
    </message>
    <message>
        <source>读入附带的历史号码</source>
        <translation>讀入附帶的歷史號碼</translation>
    </message>
</context>
</TS>
