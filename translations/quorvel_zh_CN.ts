<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>quorvel::AnalysisController</name>
    <message>
        <source> The range %1 ~ %2 holds no stored draw: the figures describe no draw and the chances are left empty.</source>
        <translation> 检索起止期数 %1 ~ %2 之间没有已存的历史号码：这些遗漏数字不对应任何一期，概率一栏留空。</translation>
    </message>
</context>
<context>
    <name>quorvel::BacktestWindow</name>
    <message>
        <source>as the group calculation counts</source>
        <translation>按分组计算的方式</translation>
    </message>
    <message>
        <source>special number</source>
        <translation>特码</translation>
    </message>
    <message>
        <source>regular numbers</source>
        <translation>平码</translation>
    </message>
    <message>
        <source>any of the seven</source>
        <translation>平特</translation>
    </message>
    <message>
        <source>Where a value is looked for; only for groups of one value</source>
        <translation>在哪个位置找该值；仅用于一个值一组</translation>
    </message>
    <message>
        <source>the 500th draw</source>
        <translation>第500期</translation>
    </message>
    <message>
        <source>The issue of the first decision draw; empty: the 500th stored draw</source>
        <translation>第一个决策期的期号；留空则为历史中的第500期</translation>
    </message>
    <message>
        <source>How many of the groups away longest are picked at each decision</source>
        <translation>每次决策选出遗漏最久的组数</translation>
    </message>
    <message>
        <source>Seed of the random picks the longest-away picks are compared with</source>
        <translation>用于对照的随机选取的种子</translation>
    </message>
    <message>
        <source>Walk the history: at each draw pick the groups away longest and see whether the next draw hit them</source>
        <translation>逐期回看历史：每期选出遗漏最久的组，看下一期是否命中</translation>
    </message>
    <message>
        <source>Write the results to a workbook and open it</source>
        <translation>将结果写入工作簿并打开</translation>
    </message>
    <message>
        <source>Look for a value at:</source>
        <translation>查找位置：</translation>
    </message>
    <message>
        <source>First decision issue:</source>
        <translation>首个决策期号：</translation>
    </message>
    <message>
        <source>Picks per decision:</source>
        <translation>每次选取组数：</translation>
    </message>
    <message>
        <source>Random seed:</source>
        <translation>随机种子：</translation>
    </message>
    <message>
        <source>Picked</source>
        <translation>选出</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>命中</translation>
    </message>
    <message>
        <source>Expected by chance</source>
        <translation>按概率应为</translation>
    </message>
    <message>
        <source>Longest-away picks</source>
        <translation>最久未出</translation>
    </message>
    <message>
        <source>Random picks</source>
        <translation>随机选取</translation>
    </message>
    <message>
        <source>The backtest measures the past: whether the groups that looked most overdue came up in the next draw more often than their hit rates say. It cannot make a lottery predictable.</source>
        <translation>回测只衡量过去：看起来遗漏最久的组，下一期是否比理论概率更常出现。它不能让彩票变得可预测。</translation>
    </message>
    <message>
        <source>The history changed since these results were counted: press 回测 to count them again.</source>
        <translation>历史号码在这些结果算出后已改动：请按“回测”重新计算。</translation>
    </message>
    <message>
        <source>From the main window: %1, %2 box(es) ticked, groups of %3; %4%5</source>
        <translation>取自主窗口：%1，勾选 %2 个，%3 个一组；%4%5</translation>
    </message>
    <message>
        <source>the special number counts</source>
        <translation>计特码</translation>
    </message>
    <message>
        <source>the special number does not count</source>
        <translation>不计特码</translation>
    </message>
    <message>
        <source>; no size limits</source>
        <translation>；不限组数</translation>
    </message>
    <message>
        <source>The first decision issue must be an issue number such as 2020001, or empty for the 500th draw.</source>
        <translation>首个决策期号须为期号（如 2020001），留空则从第500期开始。</translation>
    </message>
    <message>
        <source>Backtest</source>
        <translation>回测</translation>
    </message>
    <message>
        <source>The backtest was cancelled; the results shown are those of the previous run.</source>
        <translation>回测已取消；显示的是上一次的结果。</translation>
    </message>
    <message>
        <source>The backtest could not run: %1</source>
        <translation>回测无法进行：%1</translation>
    </message>
    <message>
        <source>Picking the %1 longest-away values: %2 hits, %3 expected by chance (z = %4, p %5)</source>
        <translation>选最久未出的%1个：命中 %2 次，按概率应为 %3 次（z = %4，p %5）</translation>
    </message>
    <message>
        <source>Picking the %1 longest-away groups: %2 hits, %3 expected by chance (z = %4, p %5)</source>
        <translation>选最久未出的%1组：命中 %2 次，按概率应为 %3 次（z = %4，p %5）</translation>
    </message>
    <message>
        <source>%1: no significant difference from random.</source>
        <translation>%1：与随机无显著差异。</translation>
    </message>
    <message>
        <source>%1: significantly fewer hits than chance (1% level).</source>
        <translation>%1：命中显著少于随机（1% 水平）。</translation>
    </message>
    <message>
        <source>%1: significantly more hits than chance (1% level); this describes past draws and promises nothing about the next.</source>
        <translation>%1：命中显著多于随机（1% 水平）；这只描述过去，不预示下一期。</translation>
    </message>
    <message>
        <source>%1 decisions at issues %2 to %3; ties with the last pick, summed: %4; random seed %5.</source>
        <translation>第 %2 期至第 %3 期共 %1 次决策；与最后选中者并列累计 %4；随机种子 %5。</translation>
    </message>
    <message>
        <source>There are no results to write yet.</source>
        <translation>还没有可导出的结果。</translation>
    </message>
    <message>
        <source>Ties with the last pick, summed</source>
        <translation>与最后选中者并列（累计）</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>决策次数</translation>
    </message>
    <message>
        <source>Random seed</source>
        <translation>随机种子</translation>
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
        <translation>组数</translation>
    </message>
    <message>
        <source>%1 was not written: %2</source>
        <translation>%1 未写入：%2</translation>
    </message>
    <message>
        <source>回测</source>
        <translation>回测</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>导出</translation>
    </message>
</context>
<context>
    <name>quorvel::CalibrationChart</name>
    <message>
        <source>as expected</source>
        <translation>与概率相符</translation>
    </message>
    <message>
        <source>decile bins of P(≥当前遗漏)</source>
        <translation>按 P(≥当前遗漏) 十分位分段</translation>
    </message>
    <message>
        <source>hits expected by the hit rates</source>
        <translation>按理论概率应中次数</translation>
    </message>
    <message>
        <source>hits observed</source>
        <translation>实际命中次数</translation>
    </message>
    <message>
        <source>Press 回测 to run the backtest</source>
        <translation>按“回测”开始回测</translation>
    </message>
    <message numerus="yes">
        <source>Calibration: every eligible group at every decision, in %n bin(s) by P(≥当前遗漏)</source>
        <translation>
            <numerusform>校准：每次决策的全部可选组，按 P(≥当前遗漏) 分为 %n 段</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quorvel::GridCopy</name>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
</context>
<context>
    <name>quorvel::MainWindow</name>
    <message>
        <source>A leftover log file of another history was found beside the store and set aside as %1 before anything was read; your history is as it was.</source>
        <translation>数据库旁有一个属于别的历史库的日志文件，已在读取前移到 %1；您的历史号码没有变动。</translation>
    </message>
    <message>
        <source>Stored the draw of issue %1: %2 (special number %3).</source>
        <translation>已存入第 %1 期：%2（特码 %3）。</translation>
    </message>
</context>
<context>
    <name>quorvel::OmissionChart</name>
    <message>
        <source>Omission chart: shown after 检索, 分部检索 or 分组计算</source>
        <translation>遗漏图：检索、分部检索或分组计算后显示</translation>
    </message>
    <message>
        <source>遗漏</source>
        <translation>遗漏</translation>
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
        <translation>最后</translation>
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
        <translation>最后 %1</translation>
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
        <translation>选中“前    期”后，在此输入期数 N，检索起始期就设为倒数第 N 期，检索只统计最近 N 期。</translation>
    </message>
    <message>
        <source>遗漏从起始期计</source>
        <translation>遗漏从起始期计</translation>
    </message>
    <message>
        <source>勾选后，最小遗漏和最大遗漏的第一个遗漏从起始期起计（起始期的前一期算作上次出现）；不勾选时从历史第一期起计。平均遗漏和遗漏图总是只计起止期之内的遗漏，最后遗漏总是计到最新一期的下一期。</source>
        <translation>勾选后，最小遗漏和最大遗漏的第一个遗漏从起始期起计（起始期的前一期算作上次出现）；不勾选时从历史第一期起计。平均遗漏和遗漏图总是只计起止期之内的遗漏，最后遗漏总是计到最新一期的下一期。</translation>
    </message>
    <message>
        <source>The history holds only %1 draws: the range starts at its first draw, %2.</source>
        <translation>历史号码只有 %1 期：检索从第一期 %2 开始。</translation>
    </message>
    <message>
        <source>The range starts at %1: the searches cover the latest %2 draws.</source>
        <translation>检索从 %1 期开始：统计最近 %2 期。</translation>
    </message>
</context>
<context>
    <name>quorvel::StatusLine</name>
    <message>
        <source>Wrote %1 and opened it.</source>
        <translation>已写入 %1 并打开。</translation>
    </message>
    <message>
        <source>Wrote %1; no application could open it, so the file is kept there for you to open.</source>
        <translation>已写入 %1；没有程序能打开它，文件保留在该处供你自行打开。</translation>
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
        <translation>段数</translation>
    </message>
    <message>
        <source>波色</source>
        <translation>波色</translation>
    </message>
    <message>
        <source>注意：已存的历史号码是按“%1”推算的，与现在的设置“%2”不符，%3显示有误。请在“设置”菜单中再选一次“%2”，并在询问时选“确定”重新推算。</source>
        <translation>注意：已存的历史号码是按“%1”推算的，与现在的设置“%2”不符，%3显示有误。请在“设置”菜单中再选一次“%2”，并在询问时选“确定”重新推算。</translation>
    </message>
    <message>
        <source>重新推算历史号码</source>
        <translation>重新推算历史号码</translation>
    </message>
    <message>
        <source>已存的 %1 期历史号码是按“%2”推算的，与新的设置“%3”不符，%4会显示错位。
现在按新的设置重新推算全部历史号码吗？号码不变，推算前先备份。</source>
        <translation>已存的 %1 期历史号码是按“%2”推算的，与新的设置“%3”不符，%4会显示错位。
现在按新的设置重新推算全部历史号码吗？号码不变，推算前先备份。</translation>
    </message>
    <message>
        <source>没有重新推算，历史号码保持原样：
%1</source>
        <translation>没有重新推算，历史号码保持原样：
%1</translation>
    </message>
    <message>
        <source>已按现在的设置重新推算 %1 期历史号码。</source>
        <translation>已按现在的设置重新推算 %1 期历史号码。</translation>
    </message>
    <message>
        <source>原来的历史号码已备份在 %1</source>
        <translation>原来的历史号码已备份在 %1</translation>
    </message>
    <message>
        <source>历史号码已重新推算，但之后压缩数据库文件失败：
%1</source>
        <translation>历史号码已重新推算，但之后压缩数据库文件失败：
%1</translation>
    </message>
</context>
<context>
    <name>quorvel::TableWindow</name>
    <message>
        <source>Write the table with its colours to a workbook and open it</source>
        <translation>将总表连同颜色导出为工作簿并打开</translation>
    </message>
    <message>
        <source>Blue: away unusually long (a small chance of so long an omission). Red: hot, more hits in the latest 10 draws than the hit rate expects.</source>
        <translation>蓝色：遗漏异常长（出现如此长遗漏的概率很小）。红色：热号，近10期出现次数高于理论概率的期望。</translation>
    </message>
    <message>
        <source>The table could not be counted: %1</source>
        <translation>无法计算遗漏总表：%1</translation>
    </message>
    <message>
        <source>No history</source>
        <translation>没有历史号码</translation>
    </message>
    <message>
        <source>The history is empty: read or add draws in the main window first.</source>
        <translation>历史号码为空：请先在主窗口读入或输入开奖号码。</translation>
    </message>
    <message>
        <source>The search range of the main window does not hold two issue numbers: type them there, or choose the latest draws or 全部 here. The table shows the last range counted.</source>
        <translation>主窗口的检索起止期数不是两个期号：请在那里输入，或在此选择最近若干期或“全部”。表中仍是上次计算的范围。</translation>
    </message>
    <message>
        <source>special number</source>
        <translation>特码</translation>
    </message>
    <message>
        <source>regular numbers</source>
        <translation>平码</translation>
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
        <translation>顺序码</translation>
    </message>
    <message>
        <source>drawn order</source>
        <translation>落地码</translation>
    </message>
    <message>
        <source>%1 at the %2, issues %3 to %4; %5</source>
        <translation>%1 · %2 · %3–%4期 · %5</translation>
    </message>
    <message>
        <source>gaps counted from the range&apos;s first draw</source>
        <translation>遗漏从起始期计</translation>
    </message>
    <message>
        <source>the first gap counted from the first stored draw</source>
        <translation>第一个遗漏从历史第一期计</translation>
    </message>
    <message>
        <source>Gaps of %1</source>
        <translation>%1 的遗漏</translation>
    </message>
    <message>
        <source>There is no table to write yet.</source>
        <translation>还没有可导出的总表。</translation>
    </message>
    <message>
        <source>%1 was not written: %2</source>
        <translation>未能写入 %1：%2</translation>
    </message>
    <message>
        <source>遗漏总表</source>
        <translation>遗漏总表</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>导出</translation>
    </message>
</context>
<context>
    <name>quorvel::TrendWindow</name>
    <message>
        <source>Export workbook</source>
        <translation>导出表格</translation>
    </message>
    <message>
        <source>Export picture</source>
        <translation>导出图片</translation>
    </message>
    <message>
        <source>Show in each cell without a hit how many draws the value has been away</source>
        <translation>在未开出的格子里显示该值已遗漏多少期</translation>
    </message>
    <message>
        <source>Write every chosen draw with its colours to a workbook and open it</source>
        <translation>把所选的全部期数连同颜色写入表格并打开</translation>
    </message>
    <message>
        <source>Save every chosen draw as a picture and open it</source>
        <translation>把所选的全部期数保存为图片并打开</translation>
    </message>
    <message>
        <source>A ball or a coloured name: drawn in that draw. A grey number: the draws since the value was last drawn, one less than its current omission in the omission table.</source>
        <translation>球或彩色名称：该期开出。灰色数字：该值自上次开出以来的期数，比遗漏总表的当前遗漏少 1。</translation>
    </message>
    <message>
        <source>The trend could not be counted: %1</source>
        <translation>走势图无法计算：%1</translation>
    </message>
    <message>
        <source>The history is empty: read or add draws in the main window first.</source>
        <translation>历史号码为空：请先在主窗口读入或输入开奖号码。</translation>
    </message>
    <message>
        <source>The search range of the main window does not hold two issue numbers: type them there, or choose the latest draws or 全部 here. The chart shows the last range counted.</source>
        <translation>主窗口的检索起止期数不是两个期号：请在主窗口输入，或在这里选择最近若干期或“全部”。走势图仍显示上次计算的范围。</translation>
    </message>
    <message>
        <source>special number</source>
        <translation>特码</translation>
    </message>
    <message>
        <source>regular numbers</source>
        <translation>平码</translation>
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
        <translation>顺序码</translation>
    </message>
    <message>
        <source>drawn order</source>
        <translation>落地码</translation>
    </message>
    <message>
        <source>%1 at the %2, issues %3 to %4: %5 draws</source>
        <translation>%1（%2），第 %3 期至第 %4 期，共 %5 期</translation>
    </message>
    <message>
        <source>There is no trend to write yet.</source>
        <translation>还没有可导出的走势图。</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>%1 was not written: %2</source>
        <translation>未能写入 %1：%2</translation>
    </message>
    <message>
        <source>A picture of %1 draws would be %2 pixels tall, more than picture viewers open (%3). Choose fewer draws (the latest 30 to 200, or a shorter search range) and save the picture again; a workbook holds any number of draws.</source>
        <translation>%1 期的图片高 %2 像素，超过看图程序能打开的高度（%3）。请选择较少的期数（最近 30 至 200 期，或较短的检索范围）后再导出图片；表格可容纳任意期数。</translation>
    </message>
    <message>
        <source>走势图</source>
        <translation>走势图</translation>
    </message>
    <message>
        <source>显示遗漏</source>
        <translation>显示遗漏</translation>
    </message>
</context>
<context>
    <name>quorvel::ValueChoiceBar</name>
    <message>
        <source>Count gaps from the range&apos;s first draw</source>
        <translation>遗漏从起始期计</translation>
    </message>
    <message>
        <source>Special number</source>
        <translation>特码</translation>
    </message>
    <message>
        <source>Regular numbers</source>
        <translation>平码</translation>
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
        <translation>最小遗漏和最大遗漏的第一个遗漏从检索起始期算起，而不是从历史第一期算起。</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>类别：</translation>
    </message>
    <message>
        <source>Where:</source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>Draws:</source>
        <translation>期数：</translation>
    </message>
    <message>
        <source>检索范围</source>
        <translation>检索范围</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>全部</translation>
    </message>
</context>
</TS>
