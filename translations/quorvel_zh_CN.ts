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
        <source>Wrote %1 and opened it with the spreadsheet application.</source>
        <translation>已写入 %1，并用电子表格程序打开。</translation>
    </message>
    <message>
        <source>Wrote %1; no application could open it, so the file is kept there for you to open.</source>
        <translation>已写入 %1；没有程序能打开它，文件保留在那里供您自行打开。</translation>
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
        <translation>平特（任一）</translation>
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
</context>
</TS>
