<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Cli</name>
    <message>
        <source>longest away</source>
        <translation>最久未出</translation>
    </message>
    <message>
        <source>random</source>
        <translation>随机</translation>
    </message>
    <message>
        <source>picked</source>
        <translation>选出</translation>
    </message>
    <message>
        <source>hits</source>
        <translation>命中</translation>
    </message>
    <message>
        <source>expected</source>
        <translation>期望命中</translation>
    </message>
    <message>
        <source>ties with the last pick (summed)</source>
        <translation>与最后一个选中者并列（累计）</translation>
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
        <source>groups</source>
        <translation>组数</translation>
    </message>
    <message>
        <source>Run with --help for usage.</source>
        <translation>用法请加 --help 查看。</translation>
    </message>
    <message>
        <source>imported %1 draws</source>
        <translation>读入 %1 期</translation>
    </message>
    <message>
        <source>imported %1 draws, skipped %2 lines:</source>
        <translation>读入 %1 期，跳过 %2 行：</translation>
    </message>
    <message>
        <source>  line %1: %2: %3</source>
        <translation>  第 %1 行：%2：%3</translation>
    </message>
    <message>
        <source>  and %1 more (--json lists them all)</source>
        <translation>  另有 %1 行（--json 列出全部）</translation>
    </message>
    <message>
        <source>1 issue is stored more than once, as the file lists them (row shows the first of each)</source>
        <translation>有 1 个期号按文件所列存了不止一次（row 命令显示其中第一期）</translation>
    </message>
    <message>
        <source>%1 issues are stored more than once, as the file lists them (row shows the first of each)</source>
        <translation>有 %1 个期号按文件所列存了不止一次（row 命令显示各自的第一期）</translation>
    </message>
    <message>
        <source>the history it replaced is saved in %1</source>
        <translation>被替换的历史号码已保存在 %1</translation>
    </message>
    <message>
        <source>%1 (or give --site URL for one run)</source>
        <translation>%1（或用 --site URL 只为本次指定）</translation>
    </message>
    <message>
        <source>the output could not be written (%1), so it is incomplete; make room on the disk, or send it elsewhere, and run the command again</source>
        <translation>输出无法写入（%1），因此不完整；请腾出磁盘空间，或把输出转到别处，然后重新运行命令</translation>
    </message>
    <message>
        <source>a workbook holds at most 1,048,576 rows, and the %1 groups of this request need one each below the header; choose fewer groups or use --json</source>
        <translation>工作簿最多只能容纳 1,048,576 行，而这次请求的 %1 个分组在表头之下各需一行；请选择更少的分组，或改用 --json</translation>
    </message>
    <message>
        <source>--pick %1 picks all of the %2 groups that %3 boxes in groups of %4 make, so nothing is compared with chance; give --pick below %2, or tick more boxes</source>
        <translation>--pick %1 会选中 %3 个框按 %4 个一组组成的全部 %2 组，无从与随机比较；请给小于 %2 的 --pick，或多勾选几个框</translation>
    </message>
    <message>
        <source>Print the result as JSON. A group or value never drawn in the range keeps the stored min 32767 (shown as 未出 in the window and the workbooks), with &quot;never_hit&quot;: true beside it</source>
        <translation>以 JSON 输出结果。范围内从未开出的分组或值保留存储的 min 32767（窗口和工作簿中显示为“未出”），并在旁边附上 &quot;never_hit&quot;: true</translation>
    </message>
    <message>
        <source>box %1 is not a value of the kind %2 (%3), which has %4 values, boxes 1..%4; leave box %1 out, or choose another --kind</source>
        <translation>第 %1 个框不是类别 %2（%3）的值：该类别只有 %4 个值，即第 1 到 %4 个框；请去掉第 %1 个框，或用 --kind 换一个类别</translation>
    </message>
    <message>
        <source>it went among the stored draws: the %1 draw(s) after it, issues %2..%3, moved down one place (IDX %4..%5)</source>
        <translation>它插入了已存的开奖之间：其后的 %1 期（期号 %2 至 %3）各后移一位（IDX %4 至 %5）</translation>
    </message>
    <message>
        <source>draw %1 was added, but %2 issue(s) before it are not stored: %3; add them with add --insert --issue ISSUE, or if %1 was mistyped, remove it with delete-last</source>
        <translation>已补充第 %1 期，但它之前有 %2 期未存：%3；请用 add --insert --issue 期号 补上，若 %1 是输错的期号，请用 delete-last 删除它</translation>
    </message>
    <message>
        <source>draw %1 was added, but no draw of %2 is stored; if %1 was mistyped, remove it with delete-last</source>
        <translation>已补充第 %1 期，但 %2 年没有任何已存的开奖；若 %1 是输错的期号，请用 delete-last 删除它</translation>
    </message>
    <message>
        <source>Allow an --issue before the latest stored draw: the draw goes among the stored draws and the later ones move down one place</source>
        <translation>允许 --issue 早于已存的最新一期：该期插入已存的开奖之间，其后各期后移一位</translation>
    </message>
    <message>
        <source>The history is now empty: import a history file or add draws before the next analysis.</source>
        <translation>历史号码现已清空：下次分析前请读入历史号码文件或补充开奖号码。</translation>
    </message>
    <message>
        <source>Count the special number in a free-position match (default: regular numbers only)</source>
        <translation>在自由位匹配中也计入特码（默认：只计平码）</translation>
    </message>
    <message>
        <source>Also write the result grid to this .xlsx workbook (replaced if it exists)</source>
        <translation>同时把结果表格写入这个 .xlsx 工作簿（已存在则替换）</translation>
    </message>
    <message>
        <source>Number order: drawn (落地码, default) or sorted (顺序码)</source>
        <translation>号码顺序：drawn（落地码，默认）或 sorted（顺序码）</translation>
    </message>
    <message>
        <source>Positions: fixed (固定位) or free (自由位, default)</source>
        <translation>位置：fixed（固定位）或 free（自由位，默认）</translation>
    </message>
    <message>
        <source>Take the values from the latest stored draw not after this issue</source>
        <translation>从不晚于这一期的最近一期已存开奖取值</translation>
    </message>
    <message>
        <source>With --ref: end the range just before the reference draw</source>
        <translation>与 --ref 同用：范围在参照的那一期之前结束</translation>
    </message>
    <message>
        <source>--before needs --ref ISSUE</source>
        <translation>--before 需要同时给出 --ref 期号</translation>
    </message>
    <message>
        <source>the baseline figures are null</source>
        <translation>基准数字为空</translation>
    </message>
    <message>
        <source>Backtest (回测): at each past draw, pick the groups away longest and count how often the next draw hit them, against their hit rates and against random picks</source>
        <translation>回测：在过去的每一期，选出遗漏最久的分组，统计下一期开中它们的次数，并与理论概率和随机选取对照</translation>
    </message>
    <message>
        <source>Ticked boxes, e.g. 1,5,17, 1..49 or @NAME (a saved selection or built-in set): box i is value i (head, tail, parity: i - 1)</source>
        <translation>勾选的框，例如 1,5,17、1..49 或 @名称（已保存的选择或内置选择）：第 i 个框就是值 i（头数、尾数、单双为 i - 1）</translation>
    </message>
    <message>
        <source>Group size k, 1..6</source>
        <translation>分组位数 k，1..6</translation>
    </message>
    <message>
        <source>Groups of one value only: special (the special number), regular (any of the six regular numbers) or any (any of the seven); default: as the group calculation counts</source>
        <translation>只用于一个值一组：special（特码）、regular（六个平码中任一个）或 any（七个号码中任一个）；默认：与分组计算的算法相同</translation>
    </message>
    <message>
        <source>The special number counts towards a group&apos;s hit</source>
        <translation>特码也计入分组的命中</translation>
    </message>
    <message>
        <source>Lift the size limits (at most %1 groups)</source>
        <translation>解除分组数量限制（最多 %1 组）</translation>
    </message>
    <message>
        <source>First decision draw: the first stored draw of this issue or later (default: the %1th stored draw)</source>
        <translation>第一个决策期：这一期或之后的第一期已存开奖（默认：第 %1 期已存开奖）</translation>
    </message>
    <message>
        <source>Groups picked per decision, N (default 10)</source>
        <translation>每次决策选出的组数 N（默认 10）</translation>
    </message>
    <message>
        <source>Seed of the random picks the overdue picks are compared with (default 1)</source>
        <translation>用于对照的随机选取的种子（默认 1）</translation>
    </message>
    <message>
        <source>At each decision draw only the draws up to it are known. Groups that never hit in them are left out. The N groups with the smallest p_at_least_last are picked (ties: in the order the groups are enumerated); the next draw shows whether they hit. z compares the hits with the sum of the picked groups&apos; hit rates; the verdict is at the 1% level. This describes the past; it cannot make a lottery predictable.</source>
        <translation>在每个决策期，只知道这一期及之前的开奖。在其中从未开出的分组不参与。选出“P(≥当前遗漏)”最小的 N 组（相同时按分组列出的顺序）；下一期看它们是否开出。z 把命中次数与所选分组的理论概率之和比较；结论按 1% 的显著水平。这只描述过去，不能让彩票变得可预测。</translation>
    </message>
    <message>
        <source>--where applies to groups of one value (--size 1); leave it out for --size %1</source>
        <translation>--where 只用于一个值一组（--size 1）；--size %1 时请不要用它</translation>
    </message>
    <message>
        <source>--where already says whether the special number counts; leave out --with-special</source>
        <translation>--where 已经说明特码是否计入；请去掉 --with-special</translation>
    </message>
    <message>
        <source>--pick takes a number of groups of at least 1, not %1</source>
        <translation>--pick 的组数至少为 1，不能是 %1</translation>
    </message>
    <message>
        <source>--seed takes a whole number of at least 0, not %1</source>
        <translation>--seed 须为不小于 0 的整数，不能是 %1</translation>
    </message>
    <message>
        <source>the backtest is counted in memory whatever --engine says</source>
        <translation>无论 --engine 怎样指定，回测都在内存中计算</translation>
    </message>
    <message>
        <source>decisions</source>
        <translation>次决策</translation>
    </message>
    <message>
        <source>Look for holes in the history: draws missing between the first and last stored draw of a year, issues stored twice, IDX out of issue order. Exit 1 when any is found</source>
        <translation>检查历史号码中的缺漏：同一年第一期与最后一期已存开奖之间缺少的期、存了两次的期号、与期号顺序不符的 IDX。发现任何一项时退出码为 1</translation>
    </message>
    <message>
        <source>%1 must be a whole number, not &apos;%2&apos;</source>
        <translation>%1 须为整数，不能是“%2”</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>第 %1 个框</translation>
    </message>
    <message>
        <source>boxes are numbered 1..49, not %1</source>
        <translation>框的编号是 1..49，不能是 %1</translation>
    </message>
    <message>
        <source>the boxes %1 run backwards: write the smaller box first, e.g. 1..49</source>
        <translation>框 %1 是倒着写的：请先写较小的框，例如 1..49</translation>
    </message>
    <message>
        <source>the write-ahead log beside %1 belonged to another store; it was set aside as %2 before anything was read, so the history is the store&apos;s own</source>
        <translation>%1 旁边的预写日志属于另一个数据库；读取任何内容之前已把它移到一旁，改名为 %2，所以历史号码就是本数据库自己的</translation>
    </message>
    <message>
        <source>%1% (%2 of %3 %4)</source>
        <translation>%1%（%2/%3 %4）</translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>警告：</translation>
    </message>
    <message>
        <source>note: </source>
        <translation>注意：</translation>
    </message>
    <message>
        <source>quorvel-cli: the Mark Six history and its omission statistics from the command line</source>
        <translation>quorvel-cli：在命令行中使用六合彩历史号码及其遗漏统计</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>显示这份帮助并退出</translation>
    </message>
    <message>
        <source>Data folder (default: $QUORVEL_DATA_DIR, else the user&apos;s app data folder)</source>
        <translation>数据文件夹（默认：$QUORVEL_DATA_DIR，否则为用户的应用数据文件夹）</translation>
    </message>
    <message>
        <source>Analysis engine: memory (default) or sql (the reference)</source>
        <translation>分析引擎：memory（默认）或 sql（参照实现）</translation>
    </message>
    <message>
        <source>First zodiac code for this run (0 or 1)</source>
        <translation>本次运行的生肖起始编号（0 或 1）</translation>
    </message>
    <message>
        <source>First segment code for this run (0 or 1)</source>
        <translation>本次运行的段数起始编号（0 或 1）</translation>
    </message>
    <message>
        <source>First colour code for this run (0 or 1)</source>
        <translation>本次运行的波色起始编号（0 或 1）</translation>
    </message>
    <message>
        <source>Where a value is looked for: special (the special number, default), regular (any of the six regular numbers), any (any of the seven) or a position 1..7 (7 is the special number)</source>
        <translation>在哪里找这个值：special（特码，默认）、regular（六个平码中任一个）、any（七个号码中任一个）或位置 1..7（7 是特码）</translation>
    </message>
    <message>
        <source>unknown --where &apos;%1&apos;; use special, regular, any or a position 1..7</source>
        <translation>未知的 --where“%1”；请用 special、regular、any 或位置 1..7</translation>
    </message>
    <message>
        <source>Where the first gap of min and max counts from: history (the first stored draw, default) or range (the range&apos;s first draw, as the average always counts it)</source>
        <translation>最小和最大遗漏的第一段从哪里算起：history（已存的第一期，默认）或 range（范围内的第一期，平均遗漏总是这样算）</translation>
    </message>
    <message>
        <source>First issue of the range (default: the first stored issue)</source>
        <translation>范围的第一期（默认：已存的第一期）</translation>
    </message>
    <message>
        <source>Last issue of the range (default: the last stored issue)</source>
        <translation>范围的最后一期（默认：已存的最后一期）</translation>
    </message>
    <message>
        <source>The range is the latest N draws (instead of --from and --to)</source>
        <translation>范围为最近 N 期（代替 --from 和 --to）</translation>
    </message>
    <message>
        <source>give the range either with --from/--to or with --last N, not both</source>
        <translation>范围请用 --from/--to 或 --last N 给出，不能两者都用</translation>
    </message>
    <message>
        <source>--last takes a count of draws of at least 1, not %1</source>
        <translation>--last 的期数至少为 1，不能是 %1</translation>
    </message>
    <message>
        <source>no history: import or add draws before running an analysis</source>
        <translation>没有历史号码：请先读入或补充开奖号码再做统计</translation>
    </message>
    <message>
        <source>the range %1..%2 holds no stored draw; %3</source>
        <translation>范围 %1..%2 内没有已存的开奖；%3</translation>
    </message>
    <message>
        <source>Group calculation: omissions of every k-combination of ticked values</source>
        <translation>分组计算：勾选的值每 k 个一组，统计各组的遗漏</translation>
    </message>
    <message>
        <source>Group size k, 1..6 (default 2)</source>
        <translation>分组位数 k，1..6（默认 2）</translation>
    </message>
    <message>
        <source>Order of the rows: min, max, last (default), label, or p (the chance of an omission at least as long as the last one, ascending: the groups away unusually long first)</source>
        <translation>行的顺序：min、max、last（默认）、label 或 p（遗漏至少与当前遗漏一样长的概率，从小到大：异常久未出的分组在前）</translation>
    </message>
    <message>
        <source>Lift the size limits for this run (memory engine; at most %1 groups, e.g. every group of 4 of the 49 numbers)</source>
        <translation>本次运行解除分组数量限制（仅内存引擎；最多 %1 组，例如 49 个号码中每 4 个一组的全部分组）</translation>
    </message>
    <message>
        <source>rows stored</source>
        <translation>行已存储</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>用法</translation>
    </message>
    <message>
        <source>Positionals</source>
        <translation>位置参数</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Subcommands</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>INT</source>
        <translation>整数</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <translation>必填</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>SUBCOMMAND</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>Needs</source>
        <translation>需要</translation>
    </message>
    <message>
        <source>Excludes</source>
        <translation>排除</translation>
    </message>
    <message>
        <source>Requires at least %1 subcommands</source>
        <translation>至少需要 %1 个命令</translation>
    </message>
    <message>
        <source>%1 is required</source>
        <translation>缺少 %1</translation>
    </message>
    <message>
        <source>The following argument was not expected: %1</source>
        <translation>多出了一个参数：%1</translation>
    </message>
    <message>
        <source>The following arguments were not expected: %1</source>
        <translation>多出了这些参数：%1</translation>
    </message>
    <message>
        <source>%1: Value %2 not in range %3 to %4</source>
        <translation>%1：值 %2 不在 %3 到 %4 的范围内</translation>
    </message>
    <message>
        <source>%1: Value %2 could not be converted</source>
        <translation>%1：值 %2 无法转换</translation>
    </message>
    <message>
        <source>%1: %2 not in %3</source>
        <translation>%1：%2 不在 %3 之中</translation>
    </message>
    <message>
        <source>Could not convert: %1 = %2</source>
        <translation>无法转换：%1 = %2</translation>
    </message>
    <message>
        <source>The value %1 is not an allowed value for %2</source>
        <translation>%1 不是 %2 允许的值</translation>
    </message>
    <message>
        <source>%1: too many inputs for a flag</source>
        <translation>%1：开关选项给了太多值</translation>
    </message>
    <message>
        <source>%1: %2 required %3 missing</source>
        <translation>%1：缺少 %2 个%3</translation>
    </message>
    <message>
        <source>%1: At least %2 required but received %3</source>
        <translation>%1：至少需要 %2 个，实际收到 %3 个</translation>
    </message>
    <message>
        <source>%1: At Most %2 required but received %3</source>
        <translation>%1：最多只能 %2 个，实际收到 %3 个</translation>
    </message>
    <message>
        <source>Expected exactly %1 arguments to %2, got %3</source>
        <translation>%2 需要正好 %1 个参数，实际收到 %3 个</translation>
    </message>
    <message>
        <source>%1 requires %2</source>
        <translation>%1 需要同时给出 %2</translation>
    </message>
    <message>
        <source>%1 excludes %2</source>
        <translation>%1 不能与 %2 同用</translation>
    </message>
    <message>
        <source>in [%1 - %2]</source>
        <translation>范围 [%1 - %2]</translation>
    </message>
    <message>
        <source>Run with %1 for more information.</source>
        <translation>运行时加 %1 查看更多说明。</translation>
    </message>
    <message>
        <source>Replace the history by the draws of a history text file</source>
        <translation>用历史号码文本文件中的开奖替换历史号码</translation>
    </message>
    <message>
        <source>History text file: an issue and seven two-digit numbers per line</source>
        <translation>历史号码文本文件：每行一个期号和七个两位数的号码</translation>
    </message>
    <message>
        <source>Add one draw: six regular numbers and the special number, in drawn order</source>
        <translation>补充一期开奖：六个平码和特码，按开出顺序</translation>
    </message>
    <message>
        <source>Issue number (default: the latest issue + 1)</source>
        <translation>期号（默认：最后一期 + 1）</translation>
    </message>
    <message>
        <source>N1 .. N6 and the special number, 1..49</source>
        <translation>N1 .. N6 和特码，1..49</translation>
    </message>
    <message>
        <source>number %1</source>
        <translation>第 %1 个号码</translation>
    </message>
    <message>
        <source>added draw %1 (IDX %2)</source>
        <translation>已补充第 %1 期开奖（IDX %2）</translation>
    </message>
    <message>
        <source>List the stored draws in issue order (numbers in drawn order)</source>
        <translation>按期号顺序列出已存的开奖（号码按开出顺序）</translation>
    </message>
    <message>
        <source>the history is empty</source>
        <translation>历史号码是空的</translation>
    </message>
    <message>
        <source>Show every stored field of one draw</source>
        <translation>显示一期开奖存储的全部字段</translation>
    </message>
    <message>
        <source>Issue number</source>
        <translation>期号</translation>
    </message>
    <message>
        <source>the issue</source>
        <translation>期号</translation>
    </message>
    <message>
        <source>no draw with issue %1 is stored</source>
        <translation>没有存储期号为 %1 的开奖</translation>
    </message>
    <message>
        <source>Write the history as a history text file</source>
        <translation>把历史号码写成历史号码文本文件</translation>
    </message>
    <message>
        <source>Target file (default: 更新至&lt;latest issue&gt;期历史号码.txt in the data folder)</source>
        <translation>目标文件（默认：数据文件夹中的 更新至&lt;最后一期&gt;期历史号码.txt）</translation>
    </message>
    <message>
        <source>wrote %1</source>
        <translation>已写入 %1</translation>
    </message>
    <message>
        <source>%1; %2 draw remains</source>
        <translation>%1；剩下 %2 期</translation>
    </message>
    <message>
        <source>%1; %2 draws remain</source>
        <translation>%1；剩下 %2 期</translation>
    </message>
    <message>
        <source>the history as it was is saved in %1</source>
        <translation>改动前的历史号码已保存在 %1</translation>
    </message>
    <message>
        <source>Delete the latest draw; with N, delete the latest N draws and derive the kept ones again (through lsbf.txt in the data folder). The store file is compacted afterwards</source>
        <translation>删除最后一期开奖；给出 N 时删除最后 N 期，并重新推算保留的开奖（经由数据文件夹中的 lsbf.txt）。之后会压缩数据库文件</translation>
    </message>
    <message>
        <source>How many of the latest draws to delete (at least 1)</source>
        <translation>要删除最后几期开奖（至少 1）</translation>
    </message>
    <message>
        <source>deleted the draw of issue %1: %2 (special number %3)</source>
        <translation>已删除第 %1 期：%2（特码 %3）</translation>
    </message>
    <message>
        <source>deleted the latest draw</source>
        <translation>已删除最后一期开奖</translation>
    </message>
    <message>
        <source>the number of draws to delete</source>
        <translation>要删除的期数</translation>
    </message>
    <message>
        <source>deleted the latest %1 draw and derived the kept ones again</source>
        <translation>已删除最后 %1 期开奖，并重新推算了保留的开奖</translation>
    </message>
    <message>
        <source>deleted the latest %1 draws and derived the kept ones again</source>
        <translation>已删除最后 %1 期开奖，并重新推算了保留的开奖</translation>
    </message>
    <message>
        <source>Keep the draws up to ISSUE (that draw included), delete the later ones and derive the kept ones again (through lsbf.txt in the data folder). The store file is compacted afterwards</source>
        <translation>保留到 ISSUE 为止的开奖（含这一期），删除之后的开奖，并重新推算保留的开奖（经由数据文件夹中的 lsbf.txt）。之后会压缩数据库文件</translation>
    </message>
    <message>
        <source>The last issue to keep, for example 2014016</source>
        <translation>要保留的最后一期，例如 2014016</translation>
    </message>
    <message>
        <source>the issue to keep up to</source>
        <translation>要保留到的期号</translation>
    </message>
    <message>
        <source>the issue to keep up to has seven digits (year and sequence, e.g. 2014016), not &apos;%1&apos;</source>
        <translation>要保留到的期号是七位数字（年份加序号，例如 2014016），不能是“%1”</translation>
    </message>
    <message>
        <source>kept the draws up to %1 and derived them again</source>
        <translation>已保留到第 %1 期为止的开奖，并重新推算了它们</translation>
    </message>
    <message>
        <source>Delete every draw at once, without a confirmation (the history is first saved to backup/ in the data folder)</source>
        <translation>一次删除全部开奖，不再确认（会先把历史号码备份到数据文件夹的 backup/ 中）</translation>
    </message>
    <message>
        <source>cleared the history</source>
        <translation>已清空历史号码</translation>
    </message>
    <message>
        <source>Derive every stored draw again with the bases in force (the settings SxIni, DsIni, BsIni), keeping every draw and its numbers; the history is first saved to backup/ in the data folder</source>
        <translation>按现行参数（设置 SxIni、DsIni、BsIni）重新推算全部已存开奖，保留每一期及其号码；会先把历史号码备份到数据文件夹的 backup/ 中</translation>
    </message>
    <message>
        <source>derived every draw again</source>
        <translation>已重新推算全部开奖</translation>
    </message>
    <message>
        <source>Compact the store file; the history is unchanged</source>
        <translation>压缩数据库文件；历史号码不变</translation>
    </message>
    <message>
        <source>compacted the store file</source>
        <translation>已压缩数据库文件</translation>
    </message>
    <message>
        <source>Write a grid to an .xlsx workbook (sheet Sheet1, cells as text; results add a sheet Rules)</source>
        <translation>把一个表格写入 .xlsx 工作簿（工作表 Sheet1，单元格为文本；results 另加一个规则说明工作表）</translation>
    </message>
    <message>
        <source>history: the history list; results: the groups of the last group calculation, ordered by last omission</source>
        <translation>history：历史号码列表；results：最近一次分组计算的分组，按最后遗漏排序</translation>
    </message>
    <message>
        <source>Target workbook, replaced when it exists (default: lishi.xlsx or Jieguo.xlsx in the data folder)</source>
        <translation>目标工作簿，已存在则替换（默认：数据文件夹中的 lishi.xlsx 或 Jieguo.xlsx）</translation>
    </message>
    <message>
        <source>wrote %1 (%2 rows below the header)</source>
        <translation>已写入 %1（表头之下 %2 行）</translation>
    </message>
    <message>
        <source>Partial search: the draws that repeat the values of any k positions</source>
        <translation>分部检索：任意 k 个位置的值重复出现的开奖</translation>
    </message>
    <message>
        <source>Positions: regular (平码, 1..6) or all (平特, 1..7, default)</source>
        <translation>位置：regular（平码，1..6）或 all（平特，1..7，默认）</translation>
    </message>
    <message>
        <source>Part size k, 1..6 (default 2)</source>
        <translation>部分位数 k，1..6（默认 2）</translation>
    </message>
    <message>
        <source>The seven values of positions 1..7, e.g. 05,11,23,30,31,44,02</source>
        <translation>位置 1..7 的七个值，例如 05,11,23,30,31,44,02</translation>
    </message>
    <message>
        <source>give the seven values either with --values or from a draw with --ref</source>
        <translation>七个值请用 --values 给出，或用 --ref 取自某一期开奖</translation>
    </message>
    <message>
        <source>--values takes seven values (positions 1..6 and the special number), not %1</source>
        <translation>--values 需要七个值（位置 1..6 和特码），不能是 %1 个</translation>
    </message>
    <message>
        <source>value %1</source>
        <translation>第 %1 个值</translation>
    </message>
    <message>
        <source>part size %1 is outside 1..6, so no draw is a hit</source>
        <translation>部分位数 %1 不在 1..6 之内，所以没有命中的开奖</translation>
    </message>
    <message>
        <source>combinations</source>
        <translation>种组合</translation>
    </message>
    <message>
        <source>positions are 1..7 (7 is the special number), not %1</source>
        <translation>位置是 1 到 7（7 是特码），而不是 %1</translation>
    </message>
    <message>
        <source>a position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Position search: the draws that repeat the values of chosen positions</source>
        <translation>位置检索：所选位置的值重复出现的开奖</translation>
    </message>
    <message>
        <source>Position and value looked for, P=V (P 1..6 regular, 7 special)</source>
        <translation>要找的位置和值，P=V（P 为 1..6 是平码，7 是特码）</translation>
    </message>
    <message>
        <source>With --ref: the positions to look at, e.g. 1,2,7</source>
        <translation>与 --ref 同用：要看的位置，例如 1,2,7</translation>
    </message>
    <message>
        <source>give the values either with --pos or from a draw with --ref, not both</source>
        <translation>值请用 --pos 给出，或用 --ref 取自某一期开奖，不能两者都用</translation>
    </message>
    <message>
        <source>--positions needs --ref ISSUE (use --pos P=V to type values)</source>
        <translation>--positions 需要同时给出 --ref 期号（要直接输入值请用 --pos P=V）</translation>
    </message>
    <message>
        <source>--pos takes P=V, for example 7=05, not %1</source>
        <translation>--pos 的写法是 P=V，例如 7=05，不能是 %1</translation>
    </message>
    <message>
        <source>the position of --pos %1</source>
        <translation>--pos %1 的位置</translation>
    </message>
    <message>
        <source>position %1 is given twice with --pos; give each position once</source>
        <translation>--pos 两次给出了位置 %1；每个位置请只给一次</translation>
    </message>
    <message>
        <source>the value of --pos %1</source>
        <translation>--pos %1 的值</translation>
    </message>
    <message>
        <source>unknown setting &apos;%1&apos;; the settings are %2</source>
        <translation>未知的设置“%1”；可用的设置有 %2</translation>
    </message>
    <message>
        <source>Read or change a persisted setting</source>
        <translation>读取或更改一项保存的设置</translation>
    </message>
    <message>
        <source>Print the text a setting reads as (its default when not stored)</source>
        <translation>显示一项设置读出的文本（未保存时为默认值）</translation>
    </message>
    <message>
        <source>Setting name, for example bolZyw or IniSerchDay</source>
        <translation>设置名，例如 bolZyw 或 IniSerchDay</translation>
    </message>
    <message>
        <source>Store a setting (Booleans as True or False)</source>
        <translation>保存一项设置（布尔值写 True 或 False）</translation>
    </message>
    <message>
        <source>Setting name</source>
        <translation>设置名</translation>
    </message>
    <message>
        <source>New value</source>
        <translation>新的值</translation>
    </message>
    <message>
        <source>Omission table (遗漏总表): every value of a kind with its hits, omissions and recent hits</source>
        <translation>遗漏总表：某一类别的每个值及其出现次数、遗漏和近期出现</translation>
    </message>
    <message>
        <source>Number order of positions 1..6: drawn (落地码, default) or sorted (顺序码)</source>
        <translation>位置 1..6 的号码顺序：drawn（落地码，默认）或 sorted（顺序码）</translation>
    </message>
    <message>
        <source>Order the rows by a column, ascending (default: value order): %1</source>
        <translation>按某一列从小到大排列各行（默认：按值的顺序）：%1</translation>
    </message>
    <message>
        <source>With --sort: the largest figures first</source>
        <translation>与 --sort 同用：数字大的在前</translation>
    </message>
    <message>
        <source>Also write the table, with its colours, to this .xlsx workbook (replaced if it exists)</source>
        <translation>同时把遗漏总表连同颜色写入这个 .xlsx 工作簿（已存在则替换）</translation>
    </message>
    <message>
        <source>Each row equals the position search for that one value with the same choices (search --mode fixed --pos 7=V for special, --mode free --pos 1=V for regular, with --with-special for any). The table is counted in memory whatever --engine says.</source>
        <translation>每一行都等于用同样选择对这一个值做的位置检索（special 用 search --mode fixed --pos 7=V，regular 用 --mode free --pos 1=V，any 再加 --with-special）。无论 --engine 怎样指定，遗漏总表都在内存中计算。</translation>
    </message>
    <message>
        <source>--descending needs --sort COLUMN</source>
        <translation>--descending 需要同时给出 --sort 列名</translation>
    </message>
    <message>
        <source>unknown --sort column &apos;%1&apos;; use one of %2</source>
        <translation>未知的 --sort 列“%1”；请用以下之一：%2</translation>
    </message>
    <message>
        <source>the table is counted in memory; its rows equal the position search of either engine</source>
        <translation>遗漏总表在内存中计算；它的各行与任一引擎的位置检索相同</translation>
    </message>
    <message>
        <source>Trend chart (走势图): one row per draw, one column per value of a kind; a cell is 0 for a hit, else the draws since the value&apos;s latest hit</source>
        <translation>走势图：每期一行，类别的每个值一列；开出时单元格为 0，否则为该值上次开出以来的期数</translation>
    </message>
    <message>
        <source>Also write the trend, with its colours, to this .xlsx workbook (replaced if it exists)</source>
        <translation>同时把走势图连同颜色写入这个 .xlsx 工作簿（已存在则替换）</translation>
    </message>
    <message>
        <source>A miss count is one less than the omission table&apos;s last omission: a value hit in the latest draw has cell 0 and last 1. The trend is counted in memory whatever --engine says.</source>
        <translation>遗漏值比遗漏总表的最后遗漏少 1：最后一期开出的值，单元格为 0，最后遗漏为 1。无论 --engine 怎样指定，走势图都在内存中计算。</translation>
    </message>
    <message>
        <source>the trend has no rows</source>
        <translation>走势图没有行</translation>
    </message>
    <message>
        <source>the trend is counted in memory; either engine finds the same hits</source>
        <translation>走势图在内存中计算；两个引擎找到的命中相同</translation>
    </message>
    <message>
        <source>--years: %1</source>
        <translation>--years：%1</translation>
    </message>
    <message>
        <source>--current-year takes a four-digit year, not %1</source>
        <translation>--current-year 须为四位数的年份，不能是 %1</translation>
    </message>
    <message>
        <source>year %1 of %2 (%3)</source>
        <translation>第 %1 年，共 %2 年（%3）</translation>
    </message>
    <message>
        <source>Bring the history up to date from the update site&apos;s yearly results pages (the prefix + YYYY.html), from the year of the latest draw to the current year. A history whose first draw is more than the years to keep old is cleared first (saved to backup/), once every kept year gave its draws. Exit 1 when any year failed</source>
        <translation>从更新网站的每年开奖结果页面（前缀 + YYYY.html）更新历史号码，从最后一期开奖所在年份到今年。若历史号码的第一期早于要保留的年数，会在每个要保留的年份都取得开奖之后先清空（备份到 backup/）。有任何年份失败时退出码为 1</translation>
    </message>
    <message>
        <source>Site prefix for this run, e.g. http://127.0.0.1:8080/85122/kj/ (default: the setting txtUpdateSite)</source>
        <translation>本次运行的网站前缀，例如 http://127.0.0.1:8080/85122/kj/（默认：设置 txtUpdateSite）</translation>
    </message>
    <message>
        <source>Years of history to keep for this run, 2..16 (default: the setting IniSerchDay)</source>
        <translation>本次运行要保留的历史年数，2..16（默认：设置 IniSerchDay）</translation>
    </message>
    <message>
        <source>The current year for this run (default: today&apos;s)</source>
        <translation>本次运行的当前年份（默认：今年）</translation>
    </message>
    <message>
        <source>the latest stored draw, %1, is after the current year %2: there is no page to load; the history was left unchanged</source>
        <translation>已存的最后一期开奖 %1 在当前年份 %2 之后：没有要读取的页面；历史号码未改动</translation>
    </message>
    <message>
        <source>no page could be read from %1; the history was left unchanged</source>
        <translation>无法从 %1 读取任何页面；历史号码未改动</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>the update is incomplete: %1; nothing was changed; update again later</source>
        <translation>更新未完成：%1；未作任何改动；请稍后再更新</translation>
    </message>
    <message>
        <source>the update is incomplete: %1; nothing stored was removed; update again later</source>
        <translation>更新未完成：%1；已存的内容都未删除；请稍后再更新</translation>
    </message>
    <message>
        <source>A subcommand is required</source>
        <translation>需要指定一个命令</translation>
    </message>
    <message>
        <source>How these figures were counted:</source>
        <translation>统计规则：</translation>
    </message>
    <message>
        <source>Backtest: decisions at issues %1..%2 (%3 decisions), %4 values picked each time, random seed %5</source>
        <translation>回测：第 %1 期至第 %2 期决策（共 %3 次），每次选 %4 个，随机种子 %5</translation>
    </message>
    <message>
        <source>Backtest: decisions at issues %1..%2 (%3 decisions), %4 groups picked each time, random seed %5</source>
        <translation>回测：第 %1 期至第 %2 期决策（共 %3 次），每次选 %4 组，随机种子 %5</translation>
    </message>
    <message>
        <source>Calibration: every eligible group at every decision, by deciles of P(≥ current gap); by chance alone a bin&apos;s hits fall in its 95% range 95 times in 100</source>
        <translation>校准：每次决策的全部可选组，按 P(≥当前遗漏) 十分位分段；纯属偶然时，每段的命中次数有 95% 的机会落在其 95% 范围内</translation>
    </message>
    <message>
        <source>95% range</source>
        <translation>95% 范围</translation>
    </message>
    <message>
        <source> (built in)</source>
        <translation>（内置）</translation>
    </message>
    <message>
        <source>a selection named %1 is already saved; add --replace to save these boxes in its place, or choose another name</source>
        <translation>已有名为 %1 的选择；加上 --replace 即用这些框替换它，或另选一个名称</translation>
    </message>
    <message>
        <source>saved: %1</source>
        <translation>已保存：%1</translation>
    </message>
    <message>
        <source>deleted the selection %1</source>
        <translation>已删除选择 %1</translation>
    </message>
    <message>
        <source>List, save or delete the selections of boxes that --boxes @NAME takes</source>
        <translation>列出、保存或删除 --boxes @名称 所用的框选择</translation>
    </message>
    <message>
        <source>Print the saved selections and the built-in sets, kind by kind</source>
        <translation>按类别列出已保存的选择和内置选择</translation>
    </message>
    <message>
        <source>Save the boxes given under a name, for --boxes @NAME and the window&apos;s list</source>
        <translation>把给出的框以一个名称保存，供 --boxes @名称 和窗口的列表使用</translation>
    </message>
    <message>
        <source>Name of the selection</source>
        <translation>选择的名称</translation>
    </message>
    <message>
        <source>The boxes to keep, as the group calculation takes them</source>
        <translation>要保存的框，写法与分组计算相同</translation>
    </message>
    <message>
        <source>Replace a selection saved under the same name</source>
        <translation>替换同名的已保存选择</translation>
    </message>
    <message>
        <source>Delete a saved selection</source>
        <translation>删除一个已保存的选择</translation>
    </message>
    <message>
        <source>Attribute kind: 0..7, its Chinese name in either script, or number, zodiac, head, tail, digitsum, segment, colour, parity, size, sum-parity, tail-size, domestic, half-wave-parity, half-wave-size (default number)</source>
        <translation>属性类别：0..7、它的中文名（简体或繁体），或 number、zodiac、head、tail、digitsum、segment、colour、parity、size、sum-parity、tail-size、domestic、half-wave-parity、half-wave-size（默认 number）</translation>
    </message>
    <message>
        <source>unknown kind &apos;%1&apos;; use 0..7, the Chinese name in either script, or number, zodiac, head, tail, digitsum, segment, colour, parity, size, sum-parity, tail-size, domestic, half-wave-parity, half-wave-size</source>
        <translation>未知的类别“%1”；请用 0..7、中文名（简体或繁体），或 number、zodiac、head、tail、digitsum、segment、colour、parity、size、sum-parity、tail-size、domestic、half-wave-parity、half-wave-size</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>no stored draw at or before issue %1 to take the reference values from (the first stored issue is %2)</source>
        <translation>第 %1 期及之前没有已存的开奖，取不到参考值（已存的第一期是 %2）</translation>
    </message>
    <message>
        <source>the backtest takes groups of 1..6 of at most 64 values</source>
        <translation>回测的每组含 1 到 6 个值，最多从 64 个值中选</translation>
    </message>
    <message>
        <source>the backtest picks at least one group per decision</source>
        <translation>回测每次决策至少选 1 组</translation>
    </message>
    <message>
        <source>3个分组请选择40个（含）以内的个数的号码</source>
        <translation>3个分组请选择40个（含）以内的个数的号码</translation>
    </message>
    <message>
        <source>4个分组请选择24个（含）以内的个数的号码</source>
        <translation>4个分组请选择24个（含）以内的个数的号码</translation>
    </message>
    <message>
        <source>5个分组请选择18个（含）以内的个数的号码</source>
        <translation>5个分组请选择18个（含）以内的个数的号码</translation>
    </message>
    <message>
        <source>6个分组请选择16个（含）以内的个数的号码</source>
        <translation>6个分组请选择16个（含）以内的个数的号码</translation>
    </message>
    <message>
        <source>%1 values in groups of %2 make %3 groups, more than the ceiling of %4 groups of one run with the size limits lifted (不限组数). Tick fewer values or choose a smaller group size; nothing was calculated.</source>
        <translation>%1 个值每 %2 个一组共有 %3 组，超过了不限组数时一次最多 %4 组的上限。请少勾选一些值或选较小的组合位数；未作任何计算。</translation>
    </message>
    <message>
        <source>%1 usable value(s) ticked for groups of %2: no group to calculate (tick at least %2 of boxes 1..%3)</source>
        <translation>只勾选了 %1 个可用的值，组合位数为 %2：没有可计算的分组（请在第 1 到 %3 个框中至少勾选 %2 个）</translation>
    </message>
    <message>
        <source>The reference engine (--engine sql) keeps the size limits even when they are lifted (不限组数, --no-limit): it runs statements for every group and would need hours. The memory engine lifts them.</source>
        <translation>参考引擎（--engine sql）即使选了不限组数（--no-limit）也保留组数限制：它要为每一组执行语句，需要数小时。内存引擎才会取消限制。</translation>
    </message>
    <message>
        <source>where a value is looked for (special, regular or any) applies to groups of one value; choose group size 1, or leave it out to count groups as the group calculation does</source>
        <translation>指定在特码、平码或任意位置查找只适用于每组 1 个值；请选组合位数 1，或不指定，按分组计算的方式统计</translation>
    </message>
    <message>
        <source>the backtest looks for a value as the special number, among the regular numbers or among all seven, not at one position</source>
        <translation>回测只在特码、平码或全部七个号码中查找，不按单个位置查找</translation>
    </message>
    <message>
        <source>the backtest picks at least one group per decision, not %1</source>
        <translation>回测每次决策至少选 1 组，而不是 %1 组</translation>
    </message>
    <message>
        <source>%1; nothing to backtest</source>
        <translation>%1；没有可回测的内容</translation>
    </message>
    <message>
        <source>the backtest needs a decision draw before the latest one, but the history holds %1 draws and the first decision would be at issue %2 or later; choose an earlier start issue</source>
        <translation>回测需要在最新一期之前有决策的一期，但历史只有 %1 期，第一次决策要在第 %2 期或之后；请选更早的起始期号</translation>
    </message>
    <message>
        <source>the backtest needs a decision draw before the latest one, but the history holds %1 draws and the first decision would be the %2th draw; choose an earlier start issue</source>
        <translation>回测需要在最新一期之前有决策的一期，但历史只有 %1 期，第一次决策要在历史中排第 %2 的一期；请选更早的起始期号</translation>
    </message>
    <message>
        <source>no history: import or add draws before running an analysis</source>
        <translation>没有历史号码：请先读入或补充开奖号码再做统计</translation>
    </message>
    <message>
        <source>号码（分组）</source>
        <translation>号码（分组）</translation>
    </message>
    <message>
        <source>最小遗漏</source>
        <translation>最小遗漏</translation>
    </message>
    <message>
        <source>最大遗漏</source>
        <translation>最大遗漏</translation>
    </message>
    <message>
        <source>最后遗漏</source>
        <translation>最后遗漏</translation>
    </message>
    <message>
        <source>positions are 1..7 (7 is the special number), not %1</source>
        <translation>位置是 1 到 7（7 是特码），而不是 %1</translation>
    </message>
    <message>
        <source>1 hit</source>
        <translation>命中 1 次</translation>
    </message>
    <message>
        <source>%1 hits</source>
        <translation>命中 %1 次</translation>
    </message>
    <message>
        <source>组合位数 &apos;%1&apos; is not a number: the group size stays %2.</source>
        <translation>组合位数“%1”不是数字：组合位数仍为 %2。</translation>
    </message>
    <message>
        <source>zodiac base %1</source>
        <translation>生肖参数 %1</translation>
    </message>
    <message>
        <source>zodiac names</source>
        <translation>生肖名称</translation>
    </message>
    <message>
        <source>segment base %1</source>
        <translation>段数参数 %1</translation>
    </message>
    <message>
        <source>segment codes</source>
        <translation>段数代码</translation>
    </message>
    <message>
        <source>colour base %1</source>
        <translation>波色参数 %1</translation>
    </message>
    <message>
        <source>colour names</source>
        <translation>波色名称</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1和%2</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1、%2和%3</translation>
    </message>
    <message>
        <source>the stored draws were derived with %1, but the settings say %2, so the %3 shown for them are wrong; derive them again with the settings&apos; bases: quorvel-cli rebuild (a safety copy is saved first), or set the settings back: %4</source>
        <translation>已存的开奖按%1推算，但设置是%2，所以显示的%3有误；请按设置重新推算：quorvel-cli rebuild（会先保存备份），或把设置改回：%4</translation>
    </message>
    <message>
        <source>the bases given for this run (%1) differ from those the stored draws were derived with (%2), and rows derived with them would not match the stored ones; nothing was changed</source>
        <translation>本次指定的参数（%1）与已存开奖推算时所用的参数（%2）不同，按它推算的行会与已存的行不一致；未作任何改动</translation>
    </message>
    <message>
        <source>%1; to use these bases, which the settings already hold, derive the stored draws again (quorvel-cli rebuild), then run without the base options</source>
        <translation>%1；设置里已是这些参数，要使用它们，请重新推算已存的开奖（quorvel-cli rebuild），然后不带参数选项运行</translation>
    </message>
    <message>
        <source>%1; to use these bases, change the setting instead (%2) and derive the stored draws again (quorvel-cli rebuild), then run without the base options</source>
        <translation>%1；要使用这些参数，请改设置（%2）并重新推算已存的开奖（quorvel-cli rebuild），然后不带参数选项运行</translation>
    </message>
    <message>
        <source>命中次数</source>
        <translation>命中次数</translation>
    </message>
    <message>
        <source>平均遗漏</source>
        <translation>平均遗漏</translation>
    </message>
    <message>
        <source>最大连出</source>
        <translation>最大连出</translation>
    </message>
    <message>
        <source>上次遗漏</source>
        <translation>上次遗漏</translation>
    </message>
    <message>
        <source>当前遗漏</source>
        <translation>当前遗漏</translation>
    </message>
    <message>
        <source>理论概率</source>
        <translation>理论概率</translation>
    </message>
    <message>
        <source>期望间隔</source>
        <translation>期望间隔</translation>
    </message>
    <message>
        <source>P(≥当前遗漏)</source>
        <translation>P(≥当前遗漏)</translation>
    </message>
    <message>
        <source>概率来源</source>
        <translation>概率来源</translation>
    </message>
    <message>
        <source>精确 (exact)</source>
        <translation>精确</translation>
    </message>
    <message>
        <source>观测 (observed)</source>
        <translation>观测</translation>
    </message>
    <message>
        <source>期号</source>
        <translation>期号</translation>
    </message>
    <message>
        <source>特码</source>
        <translation>特码</translation>
    </message>
    <message>
        <source>落%1码</source>
        <translation>落%1码</translation>
    </message>
    <message>
        <source>Stored 1 draw from %1.</source>
        <translation>已从 %1 读入 1 期开奖号码。</translation>
    </message>
    <message>
        <source>Stored %1 draws from %2.</source>
        <translation>已从 %2 读入 %1 期开奖号码。</translation>
    </message>
    <message>
        <source>The history it replaced was saved to %1.</source>
        <translation>原有的历史号码已另存到 %1。</translation>
    </message>
    <message>
        <source>No line was skipped.</source>
        <translation>没有跳过任何行。</translation>
    </message>
    <message>
        <source>Skipped 1 line:</source>
        <translation>跳过 1 行：</translation>
    </message>
    <message>
        <source>Skipped %1 lines:</source>
        <translation>跳过 %1 行：</translation>
    </message>
    <message>
        <source>line %1 &quot;%2&quot;: %3</source>
        <translation>第 %1 行“%2”：%3</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>另有 %1 行</translation>
    </message>
    <message>
        <source>box 7 (特码)</source>
        <translation>第 7 个框（特码）</translation>
    </message>
    <message>
        <source>box %1 (落%1码)</source>
        <translation>第 %1 个框（落%1码）</translation>
    </message>
    <message>
        <source>The draw was not stored: %1 is empty; type its number.</source>
        <translation>开奖号码未保存：%1是空的，请输入号码。</translation>
    </message>
    <message>
        <source>The draw was not stored: %1 holds &apos;%2&apos;; a number is 1 to 49, correct it.</source>
        <translation>开奖号码未保存：%1填的是“%2”，号码应为 1 到 49，请改正。</translation>
    </message>
    <message>
        <source>The draw was not stored: %1 repeats %2 of %3; a draw holds each number once, correct one of them.</source>
        <translation>开奖号码未保存：%1与%3重复了 %2，一期中每个号码只出现一次，请改正其中一个。</translation>
    </message>
    <message>
        <source>The reference issue &apos;%1&apos; is not an issue number (type one such as 2013050); the reference values and the end issue were kept.</source>
        <translation>参考期号“%1”不是期号（请输入如 2013050 的期号）；参考值和截止期号未改动。</translation>
    </message>
    <message>
        <source>The history is empty, so there is no reference draw (import or enter draws first); the reference values and the end issue were kept.</source>
        <translation>历史号码是空的，没有参考的一期（请先读入或补充开奖号码）；参考值和截止期号未改动。</translation>
    </message>
    <message>
        <source>No stored draw is at or before issue %1 (the first stored issue is %2); the reference values and the end issue were kept.</source>
        <translation>第 %1 期及之前没有已存的开奖（已存的第一期是 %2）；参考值和截止期号未改动。</translation>
    </message>
    <message>
        <source>P(≥ last)</source>
        <translation>P(≥当前遗漏)</translation>
    </message>
    <message>
        <source>为了保证时效性和提高计算效率，软件只能统计16年以内的数据，请输入2到16中的自然数。</source>
        <translation>为了保证时效性和提高计算效率，软件只能统计16年以内的数据，请输入2到16中的自然数。</translation>
    </message>
    <message>
        <source>%1 takes True or False, not &apos;%2&apos;</source>
        <translation>%1 只能是 True 或 False，而不是“%2”</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation>%1 只能是 %2 到 %3 的整数，而不是“%4”</translation>
    </message>
    <message>
        <source>代码</source>
        <translation>代码</translation>
    </message>
    <message>
        <source>出现次数</source>
        <translation>出现次数</translation>
    </message>
    <message>
        <source>近10期</source>
        <translation>近10期</translation>
    </message>
    <message>
        <source>近30期</source>
        <translation>近30期</translation>
    </message>
    <message>
        <source>近100期</source>
        <translation>近100期</translation>
    </message>
    <message>
        <source>1 draw</source>
        <translation>1 期</translation>
    </message>
    <message>
        <source>%1 draws</source>
        <translation>%1 期</translation>
    </message>
    <message>
        <source>现有历史号码的第一期早于保留的%1年：读到网页后将先清空现有历史（另存到备份文件夹），只保留%2年至%3年的历史号码。</source>
        <translation>现有历史号码的第一期早于保留的%1年：读到网页后将先清空现有历史（另存到备份文件夹），只保留%2年至%3年的历史号码。</translation>
    </message>
    <message>
        <source>The history began more than %1 years ago, but it was not cleared: not every kept year gave its draws, and clearing would lose the stored draws of the years that failed. Nothing was changed; update again later.</source>
        <translation>历史号码始于 %1 年以前，但没有清空：保留的年份并非每年都读到了开奖，清空会丢失读取失败那些年份已存的开奖。未作任何改动，请稍后再更新。</translation>
    </message>
    <message>
        <source>No page could be read, so the history was left unchanged.</source>
        <translation>没有读到任何网页，历史号码未改动。</translation>
    </message>
    <message>
        <source>Added %1.</source>
        <translation>共补充 %1。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>no draw yet</source>
        <translation>尚无开奖</translation>
    </message>
    <message>
        <source>The history began more than %1 years ago, so it was cleared before the new draws were stored; it was saved to %2.</source>
        <translation>历史号码始于 %1 年以前，所以在保存新开奖前已清空；原历史已另存到 %2。</translation>
    </message>
    <message>
        <source>The history began more than %1 years ago, so it was cleared before the new draws were stored.</source>
        <translation>历史号码始于 %1 年以前，所以在保存新开奖前已清空。</translation>
    </message>
    <message>
        <source>Years that failed (nothing stored was removed; update again to load what is missing, in order):</source>
        <translation>读取失败的年份（已存的开奖一期也没有删除；再更新一次，会按顺序补上缺少的开奖）：</translation>
    </message>
    <message>
        <source>Skipped 1 row:</source>
        <translation>跳过 1 行：</translation>
    </message>
    <message>
        <source>Skipped %1 rows:</source>
        <translation>跳过 %1 行：</translation>
    </message>
    <message>
        <source>%1 row %2 &quot;%3&quot;: %4</source>
        <translation>%1年第 %2 行“%3”：%4</translation>
    </message>
    <message>
        <source>读入历史</source>
        <translation>读入历史</translation>
    </message>
    <message>
        <source>确实要在线更新最新历史号码吗？更新可能要花费一段时间，网络不通或者我方服务器更新不及时可能都造成更新失败！</source>
        <translation>确实要在线更新最新历史号码吗？更新可能要花费一段时间，网络不通或者我方服务器更新不及时可能都造成更新失败！</translation>
    </message>
    <message>
        <source>The start issue of 检索起止期数 &apos;%1&apos; is not an issue number: type one such as 2013001. Nothing was run.</source>
        <translation>检索起止期数的起始期号“%1”不是期号：请输入如 2013001 的期号。未作检索。</translation>
    </message>
    <message>
        <source>The end issue of 检索起止期数 &apos;%1&apos; is not an issue number: type one such as 2013001. Nothing was run.</source>
        <translation>检索起止期数的截止期号“%1”不是期号：请输入如 2013001 的期号。未作检索。</translation>
    </message>
    <message>
        <source>cannot create the data folder %1: %2</source>
        <translation>无法创建数据文件夹 %1：%2</translation>
    </message>
    <message>
        <source>%1 holds no usable draw (it is empty or holds only blank lines); the history was left unchanged</source>
        <translation>%1 中没有可用的开奖号码（文件是空的或只有空行）；历史号码未改动</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>%1 holds no usable draw: every line was skipped (%2; %3); the history was left unchanged</source>
        <translation>%1 中没有可用的开奖号码：每一行都被跳过（共 %2 行；%3）；历史号码未改动</translation>
    </message>
    <message>
        <source>a history text file&apos;s name ends in .txt, not &apos;%1&apos;; the history was left unchanged</source>
        <translation>历史号码文本文件的文件名应以 .txt 结尾，而不是“%1”；历史号码未改动</translation>
    </message>
    <message>
        <source>the import</source>
        <translation>读入</translation>
    </message>
    <message>
        <source>number %1 is outside 1..49; nothing was added</source>
        <translation>号码 %1 不在 1 到 49 之间；未补充任何号码</translation>
    </message>
    <message>
        <source>number %1 appears twice in the draw; nothing was added</source>
        <translation>号码 %1 在这一期中出现了两次；未补充任何号码</translation>
    </message>
    <message>
        <source>an issue has seven digits (year and three-digit sequence, e.g. 2013017), not %1; nothing was added</source>
        <translation>期号是七位数字（年份加三位序号，如 2013017），而不是 %1；未补充任何号码</translation>
    </message>
    <message>
        <source>issue %1 has the sequence 000; a year&apos;s draws count from 001; nothing was added</source>
        <translation>期号 %1 的序号是 000，每年的开奖从 001 起计；未补充任何号码</translation>
    </message>
    <message>
        <source>issue %1 is already stored: draw %2 in the list holds it (%3); nothing was added; give another issue, or delete that draw first</source>
        <translation>期号 %1 已经存在：列表中排第 %2 的一期就是它（%3）；未补充任何号码；请换一个期号，或先删除那一期</translation>
    </message>
    <message>
        <source>adding the draw</source>
        <translation>补充开奖号码</translation>
    </message>
    <message>
        <source>the page is larger than a yearly results page can be (over %1 MB or %2 tags): it was not read</source>
        <translation>网页比一年的开奖结果页应有的大（超过 %1 MB 或 %2 个标签）：未读取</translation>
    </message>
    <message>
        <source>the page holds no table with the id &quot;main&quot;: not a yearly results page</source>
        <translation>网页中没有 id 为 &quot;main&quot; 的表格：不是一年的开奖结果页</translation>
    </message>
    <message>
        <source>the table &quot;main&quot; holds no usable draw (%1 rows skipped): not a yearly results page, or an empty one</source>
        <translation>表格 &quot;main&quot; 中没有可用的开奖（跳过 %1 行）：不是一年的开奖结果页，或是空页</translation>
    </message>
    <message>
        <source>no draw yet, so the kept years are not complete</source>
        <translation>尚无开奖，保留的年份不完整</translation>
    </message>
    <message>
        <source>the update</source>
        <translation>在线更新</translation>
    </message>
    <message>
        <source>; the history was left unchanged</source>
        <translation>；历史号码未改动</translation>
    </message>
    <message>
        <source>the history is empty: there is nothing to export; import or add draws first</source>
        <translation>历史号码是空的：没有可导出的内容；请先读入或补充开奖号码</translation>
    </message>
    <message>
        <source>the issue &apos;%1&apos; could not be read: start the line with the issue as seven digits (e.g. 2013017), or with the first two-digit number to take the previous issue + 1</source>
        <translation>期号“%1”读不出来：行首请写七位数字的期号（如 2013017），或直接写第一个两位数号码，期号取上一期加 1</translation>
    </message>
    <message>
        <source>the issue &apos;%1&apos; has more than seven digits: write the issue as seven digits (e.g. 2013017) and a space</source>
        <translation>期号“%1”超过七位数字：请写七位数字的期号（如 2013017）再加一个空格</translation>
    </message>
    <message>
        <source>the issue %1 is not a draw&apos;s issue: write the year and the draw&apos;s sequence number, e.g. 2013017</source>
        <translation>%1 不是开奖的期号：请写年份加该期序号，如 2013017</translation>
    </message>
    <message>
        <source>the issue %1 has the sequence 000; a year&apos;s draws count from 001: write the draw&apos;s own issue, e.g. %2</source>
        <translation>期号 %1 的序号是 000，每年的开奖从 001 起计：请写该期自己的期号，如 %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a two-digit number: write each number as two digits, e.g. 05</source>
        <translation>“%1”不是两位数：每个号码请写成两位数，如 05</translation>
    </message>
    <message>
        <source>fewer than seven numbers (found %1)</source>
        <translation>号码不足七个（只有 %1 个）</translation>
    </message>
    <message>
        <source>more than seven numbers: &apos;%1&apos; follows the special number; a line holds six numbers and the special number</source>
        <translation>号码多于七个：特码后面还有“%1”；一行只写六个平码和一个特码</translation>
    </message>
    <message>
        <source>number %1 is outside 1..49</source>
        <translation>号码 %1 不在 1 到 49 之间</translation>
    </message>
    <message>
        <source>number %1 appears twice: a draw&apos;s numbers all differ</source>
        <translation>号码 %1 出现了两次：一期的号码各不相同</translation>
    </message>
    <message>
        <source>the text could not be read to its end</source>
        <translation>文本没能读到结尾</translation>
    </message>
    <message>
        <source>no issue to count from: start the first draw&apos;s line with its issue as seven digits, e.g. 2013017</source>
        <translation>没有可以接着计的期号：第一期的行首请写七位数字的期号，如 2013017</translation>
    </message>
    <message>
        <source>the history text is not a text file (it holds NUL bytes; UTF-16 or binary?); save the history as plain text (UTF-8), one draw per line, and import that file</source>
        <translation>历史号码不是文本文件（含有 NUL 字节，可能是 UTF-16 或二进制文件）；请把历史号码另存为纯文本（UTF-8），每行一期，再读入该文件</translation>
    </message>
    <message>
        <source>cannot read %1: it is a folder</source>
        <translation>无法读取 %1：它是文件夹</translation>
    </message>
    <message>
        <source>cannot read %1: it is not a regular file; import a history text file</source>
        <translation>无法读取 %1：它不是普通文件；请读入历史号码文本文件</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>cannot import %1: not a text file (it holds NUL bytes; UTF-16 or binary?); save the history as plain text (UTF-8), one draw per line, and import that file</source>
        <translation>无法读入 %1：不是文本文件（含有 NUL 字节，可能是 UTF-16 或二进制文件）；请把历史号码另存为纯文本（UTF-8），每行一期，再读入该文件</translation>
    </message>
    <message>
        <source>cannot read %1: the file could not be read to its end</source>
        <translation>无法读取 %1：文件没能读到结尾</translation>
    </message>
    <message>
        <source>regular number %1 (cell 2)</source>
        <translation>第 %1 个平码（第 2 格）</translation>
    </message>
    <message>
        <source>the special number (cell 3)</source>
        <translation>特码（第 3 格）</translation>
    </message>
    <message>
        <source>%1 reads %2, not a number</source>
        <translation>%1是“%2”，不是号码</translation>
    </message>
    <message>
        <source>%1 is %2, outside 1..49</source>
        <translation>%1是 %2，不在 1 到 49 之间</translation>
    </message>
    <message>
        <source>%1 is %2, already in the draw</source>
        <translation>%1是 %2，这一期中已经有了</translation>
    </message>
    <message>
        <source>the row has %1 cells; a draw needs 4</source>
        <translation>这一行有 %1 格；一期开奖需要 4 格</translation>
    </message>
    <message>
        <source>the draw&apos;s sequence number (cell 1) reads %1, not a number from 1</source>
        <translation>该期序号（第 1 格）是“%1”，不是从 1 起的数字</translation>
    </message>
    <message>
        <source>issue %1 is listed twice; the draw of row %2 was kept</source>
        <translation>期号 %1 列了两次；保留了第 %2 行的开奖</translation>
    </message>
    <message>
        <source>No update site is set. Set the address the yearly pages are found under (for example http://127.0.0.1:8080/85122/kj/, the page of 2014 then being .../2014.html) in the menu 设置 → 在线更新网址.</source>
        <translation>还没有设置在线更新网址。请在菜单“设置”→“在线更新网址”中填写各年开奖页所在的地址（例如 http://127.0.0.1:8080/85122/kj/，2014 年的网页即为 .../2014.html）。</translation>
    </message>
    <message>
        <source>no update site is set: set the address the yearly pages are found under (for example http://127.0.0.1:8080/85122/kj/, the page of 2014 then being .../2014.html) with: quorvel-cli settings set txtUpdateSite URL</source>
        <translation>还没有设置在线更新网址：请用 quorvel-cli settings set txtUpdateSite URL 设置各年开奖页所在的地址（例如 http://127.0.0.1:8080/85122/kj/，2014 年的网页即为 .../2014.html）</translation>
    </message>
    <message>
        <source>the update site &apos;%1&apos; is not a web address: give the whole prefix of the yearly pages, starting with http:// or https:// (for example http://127.0.0.1:8080/85122/kj/)</source>
        <translation>在线更新网址“%1”不是网址：请填写各年开奖页地址的完整前缀，以 http:// 或 https:// 开头（例如 http://127.0.0.1:8080/85122/kj/）</translation>
    </message>
    <message>
        <source>cannot export to %1: %2; nothing was written</source>
        <translation>无法导出到 %1：%2；未写入任何内容</translation>
    </message>
    <message>
        <source>it is a symbolic link (to %1), which an export does not write through; give the path of the file itself, or another path</source>
        <translation>它是指向 %1 的符号链接，导出不会经由链接写入；请给出文件本身的路径，或换一个路径</translation>
    </message>
    <message>
        <source>it is a folder; give the path of a file to write</source>
        <translation>它是文件夹；请给出要写入的文件的路径</translation>
    </message>
    <message>
        <source>it is not a regular file (a FIFO, a device or a socket); give the path of a file to write</source>
        <translation>它不是普通文件（是管道、设备或套接字）；请给出要写入的文件的路径</translation>
    </message>
    <message>
        <source>it is the history store</source>
        <translation>它是历史号码数据库</translation>
    </message>
    <message>
        <source>it is the history store&apos;s write-ahead log</source>
        <translation>它是历史号码数据库的预写日志</translation>
    </message>
    <message>
        <source>it is the history store&apos;s shared-memory file</source>
        <translation>它是历史号码数据库的共享内存文件</translation>
    </message>
    <message>
        <source>it is the settings file</source>
        <translation>它是设置文件</translation>
    </message>
    <message>
        <source>%1, which an export never replaces; choose another path</source>
        <translation>%1，导出绝不会覆盖它；请换一个路径</translation>
    </message>
    <message>
        <source>it is in the backup folder, which holds the safety copies of the history; choose another folder</source>
        <translation>它在存放历史号码备份的备份文件夹中；请换一个文件夹</translation>
    </message>
    <message>
        <source>the safety copy %1 would not restore the history (%2)</source>
        <translation>备份 %1 无法还原历史号码（%2）</translation>
    </message>
    <message>
        <source>the safety copy %1 would not restore draw %2 unchanged (a history text file holds seven-digit issues whose sequence is not 000)</source>
        <translation>备份 %1 无法原样还原第 %2 期（历史号码文本文件只能存七位数字、序号不为 000 的期号）</translation>
    </message>
    <message>
        <source>cannot create the backup folder %1: %2; nothing was changed</source>
        <translation>无法创建备份文件夹 %1：%2；未作任何改动</translation>
    </message>
    <message>
        <source>cannot write the safety copy of the history: %1; nothing was changed. To keep this history anyway, move %2 out of the data folder (it is a complete copy), then go on with a new store</source>
        <translation>无法写入历史号码的备份：%1；未作任何改动。如仍要保留这份历史，请把 %2 移出数据文件夹（它是完整的副本），然后用新的数据库继续</translation>
    </message>
    <message>
        <source>%1. Move it away (rename it, e.g. to %2.damaged) and start again: a new, empty store is created. Then import the newest backup, %3, to restore the history.</source>
        <translation>%1。请把它移走（改名，如改为 %2.damaged）后重新启动：程序会新建一个空数据库。然后读入最新的备份 %3 来还原历史号码。</translation>
    </message>
    <message>
        <source>%1. Move it away (rename it, e.g. to %2.damaged) and start again: a new, empty store is created. There is no backup in %3.</source>
        <translation>%1。请把它移走（改名，如改为 %2.damaged）后重新启动：程序会新建一个空数据库。%3 中没有备份。</translation>
    </message>
    <message>
        <source>draw %1 does not read back unchanged from %2 (the history text format needs seven-digit issue numbers); the history was left unchanged</source>
        <translation>第 %1 期从 %2 读回时有变化（历史号码文本格式需要七位数字的期号）；历史号码未改动</translation>
    </message>
    <message>
        <source>the history is empty: there is nothing to %1; import or add draws first</source>
        <translation>历史号码是空的：没有可%1的内容；请先读入或补充开奖号码</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>deleting the latest draw</source>
        <translation>删除最新一期</translation>
    </message>
    <message>
        <source>the number of draws to delete must be at least 1, not %1; nothing was changed</source>
        <translation>要删除的期数至少为 1，而不是 %1；未作任何改动</translation>
    </message>
    <message>
        <source>the issue to keep the history up to has seven digits (year and sequence, e.g. 2014016), not %1; nothing was changed</source>
        <translation>保留到的期号是七位数字（年份加序号，如 2014016），而不是 %1；未作任何改动</translation>
    </message>
    <message>
        <source>no draw is up to %1 (the first is %2), so keeping the draws up to it would keep none; nothing was changed. To delete every draw, clear the history instead</source>
        <translation>第 %1 期及之前没有开奖（第一期是 %2），保留到该期将一期不剩；未作任何改动。要删除全部开奖，请改用清除历史</translation>
    </message>
    <message>
        <source>derive again</source>
        <translation>重新推算</translation>
    </message>
    <message>
        <source>deriving the history again</source>
        <translation>重新推算历史号码</translation>
    </message>
    <message>
        <source>%1; the history was left unchanged</source>
        <translation>%1；历史号码未改动</translation>
    </message>
    <message>
        <source>clearing the history</source>
        <translation>清除历史号码</translation>
    </message>
    <message>
        <source>the change was saved, but compacting the store file failed: %1; run the compaction again to reclaim the space</source>
        <translation>改动已保存，但压缩数据库文件失败：%1；请再压缩一次以释放空间</translation>
    </message>
    <message>
        <source>shortening the history</source>
        <translation>删减历史号码</translation>
    </message>
    <message>
        <source>line %1 of %2 cannot be read back (%3): &apos;%4&apos;; the history was left unchanged</source>
        <translation>%2 的第 %1 行读不回来（%3）：“%4”；历史号码未改动</translation>
    </message>
    <message>
        <source>rebuilding the history</source>
        <translation>重建历史号码</translation>
    </message>
    <message>
        <source>rebuilding the history failed in the store: %1; the history was left unchanged</source>
        <translation>在数据库中重建历史号码失败：%1；历史号码未改动</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>writing %1 failed (is the disk full?)</source>
        <translation>写入 %1 失败（磁盘满了吗？）</translation>
    </message>
    <message>
        <source>cannot write the workbook %1: out of memory</source>
        <translation>无法写入工作簿 %1：内存不足</translation>
    </message>
    <message>
        <source>cannot write cell (%1, %2) of %3: %4; nothing was written</source>
        <translation>无法写入 %3 的单元格（%1, %2）：%4；未写入任何内容</translation>
    </message>
    <message>
        <source>cannot create the workbook %1: out of memory</source>
        <translation>无法创建工作簿 %1：内存不足</translation>
    </message>
    <message>
        <source>cannot add the sheet %1 to the workbook %2</source>
        <translation>无法在工作簿 %2 中添加工作表 %1</translation>
    </message>
    <message>
        <source>cannot write the workbook %1: %2; check that its folder exists and is writable</source>
        <translation>无法写入工作簿 %1：%2；请检查其文件夹是否存在并可写入</translation>
    </message>
    <message>
        <source>cannot replace %1: %2; close it in any program that has it open, or choose another path, and export again</source>
        <translation>无法替换 %1：%2；请在打开它的程序中关闭它，或换一个路径，然后重新导出</translation>
    </message>
    <message>
        <source>号码</source>
        <translation>号码</translation>
    </message>
    <message>
        <source>生肖</source>
        <translation>生肖</translation>
    </message>
    <message>
        <source>头数</source>
        <translation>头数</translation>
    </message>
    <message>
        <source>尾数</source>
        <translation>尾数</translation>
    </message>
    <message>
        <source>合数</source>
        <translation>合数</translation>
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
        <source>单双</source>
        <translation>单双</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 秒</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 毫秒</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>no answer from %1 within %2; the server may be down or slow, try again later</source>
        <translation>%1 在 %2内没有回应；服务器可能停机或太慢，请稍后再试</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB: not a yearly results page</source>
        <translation>%1 大于 %2 MB：不是一年的开奖结果页</translation>
    </message>
    <message>
        <source>the server answered %1 %2 for %3</source>
        <translation>服务器对 %3 的回应是 %1 %2</translation>
    </message>
    <message>
        <source>cannot load %1: %2</source>
        <translation>无法载入 %1：%2</translation>
    </message>
    <message>
        <source>the page %1 is in a character set this program cannot read (named in the page)</source>
        <translation>网页 %1 使用了本程序无法读取的字符集（网页中指明的）</translation>
    </message>
    <message>
        <source>the page %1 is in a character set this program cannot read (%2)</source>
        <translation>网页 %1 使用了本程序无法读取的字符集（%2）</translation>
    </message>
    <message>
        <source>cannot save the setting %1: the settings file %2 could not be read (%3); it was left as it is; correct it or move it away (the defaults then apply)</source>
        <translation>无法保存设置 %1：设置文件 %2 读不出来（%3）；它保持原样；请改正它或把它移走（之后使用默认设置）</translation>
    </message>
    <message>
        <source>no access</source>
        <translation>没有访问权限</translation>
    </message>
    <message>
        <source>not a valid INI file</source>
        <translation>不是有效的设置文件</translation>
    </message>
    <message>
        <source>cannot save the setting %1 to %2</source>
        <translation>无法把设置 %1 保存到 %2</translation>
    </message>
    <message>
        <source>the history store %1 is a folder, not a store file; it was left as it is</source>
        <translation>历史号码数据库 %1 是文件夹，不是数据库文件；它保持原样</translation>
    </message>
    <message>
        <source>the history store %1 is damaged: SQLite cannot read it (%2); it was left as it is</source>
        <translation>历史号码数据库 %1 已损坏：SQLite 读不出来（%2）；它保持原样</translation>
    </message>
    <message>
        <source>compacting the store file</source>
        <translation>压缩数据库文件</translation>
    </message>
    <message>
        <source>compacting failed: the history store %1 is damaged (%2); it was left as it is</source>
        <translation>压缩失败：历史号码数据库 %1 已损坏（%2）；它保持原样</translation>
    </message>
    <message>
        <source>%1 failed: %2; the history is unchanged; free some disk space and try again</source>
        <translation>%1失败：%2；历史号码未改动；请腾出一些磁盘空间再试</translation>
    </message>
    <message>
        <source>%1 failed: %2%3</source>
        <translation>%1失败：%2%3</translation>
    </message>
    <message>
        <source>the history store %1 is held by another program (another quorvel window or quorvel-cli) whose change did not finish within %2 seconds; nothing was changed; try again when it has finished</source>
        <translation>历史号码数据库 %1 正被另一个程序（另一个 quorvel 窗口或 quorvel-cli）占用，其改动 %2 秒内没有完成；未作任何改动；请等它完成后再试</translation>
    </message>
    <message>
        <source>the history store %1 is damaged (%2); it was left as it is; move it away, start again with a new store and import the newest backup</source>
        <translation>历史号码数据库 %1 已损坏（%2）；它保持原样；请把它移走，用新的数据库重新开始，并读入最新的备份</translation>
    </message>
    <message>
        <source>the history store %1 failed: %2; nothing was changed</source>
        <translation>历史号码数据库 %1 出错：%2；未作任何改动</translation>
    </message>
    <message>
        <source>the write-ahead log %1 belongs to another store, and it could not be set aside (%2); nothing was read; move it out of the data folder and start again</source>
        <translation>预写日志 %1 属于另一个数据库，且无法移到一旁（%2）；未读取任何内容；请把它移出数据文件夹后重新开始</translation>
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
        <source>遗漏次数</source>
        <translation>遗漏次数</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>storing the %1 rows of the group calculation</source>
        <translation>保存分组计算的 %1 行结果</translation>
    </message>
    <message>
        <source>; those rows were not stored: the stored group results are still those of the calculation before; run the calculation again once the store can be written</source>
        <translation>；这些结果未保存：已保存的分组计算结果仍是上一次计算的；待历史号码数据库可以写入后请重新计算</translation>
    </message>
    <message>
        <source>the figures of the group results kept in %1 are damaged (%2); run the group calculation again to store them anew</source>
        <translation>%1 中保存的分组结果的数据已损坏（%2）；请再做一次分组计算以重新保存</translation>
    </message>
    <message>
        <source>the history holds %1 draws; a group calculation counts at most %2 draws: keep fewer draws first</source>
        <translation>历史号码共有 %1 期；分组计算最多只能计算 %2 期：请先保留较少的期数</translation>
    </message>
    <message>
        <source>the page does not list issue %1 although later issues follow</source>
        <translation>网页没有列出第 %1 期，但列出了其后的期数</translation>
    </message>
    <message>
        <source>not stored, because %1 failed before it: the next update loads it in order</source>
        <translation>未存入，因为之前的 %1 年读取失败：下次更新会按顺序读入</translation>
    </message>
    <message>
        <source>issue %1: %2; the %3 draws after it on the page were not stored</source>
        <translation>第 %1 期：%2；网页上其后的 %3 期未存入</translation>
    </message>
    <message>
        <source>Of them, %1 filled holes of the stored history.</source>
        <translation>其中 %1 补上了已存历史中缺少的期数。</translation>
    </message>
    <message>
        <source>%1 after the site&apos;s latest draw were kept from the stored history.</source>
        <translation>网站最新一期之后的 %1 保留自已存的历史。</translation>
    </message>
    <message>
        <source>Still missing from the history (no page lists them): %1</source>
        <translation>历史中仍缺少（网页上没有列出）：%1</translation>
    </message>
    <message>
        <source>No holes: no draw is missing inside a year, no issue is stored twice, and the draws are numbered in issue order.</source>
        <translation>没有缺漏：每年之内没有缺少的期数，没有重复存入的期号，各期也按期号顺序编号。</translation>
    </message>
    <message>
        <source>Missing draws (%1): %2</source>
        <translation>缺少的期数（%1 期）：%2</translation>
    </message>
    <message>
        <source>Issues stored more than once (%1): %2</source>
        <translation>重复存入的期号（%1 个）：%2</translation>
    </message>
    <message>
        <source>Draws numbered out of issue order (%1): %2</source>
        <translation>编号不按期号顺序的期数（%1 期）：%2</translation>
    </message>
    <message>
        <source>The online update (历史号在线更新) loads the years of the missing draws again and fills the holes its pages list.</source>
        <translation>在线更新（历史号在线更新）会重新读取缺少期数所在的年份，补上网页列出的期数。</translation>
    </message>
    <message>
        <source>The online update (quorvel-cli update) loads the years of the missing draws again and fills the holes its pages list.</source>
        <translation>在线更新（quorvel-cli update）会重新读取缺少期数所在的年份，补上网页列出的期数。</translation>
    </message>
    <message>
        <source>To store each draw once in issue order, export the history (导出历史号码), mend the file and read it in again.</source>
        <translation>要让每期只存一次并按期号排列，请用“导出历史号码”导出历史，修正文件后再读入。</translation>
    </message>
    <message>
        <source>To store each draw once in issue order, export the history (quorvel-cli export-text), mend the file and import it again.</source>
        <translation>要让每期只存一次并按期号排列，请导出历史号码（quorvel-cli export-text），修正文件后再读入（quorvel-cli import）。</translation>
    </message>
    <message>
        <source>%1; the old file was left unchanged</source>
        <translation>%1；原来的文件保持不变</translation>
    </message>
    <message>
        <source>%1; nothing was written</source>
        <translation>%1；没有写入任何内容</translation>
    </message>
    <message>
        <source>the write-ahead log %1 belongs to another store, but another program has this store open, so the log was left where it is and nothing was read; close the other programs that use the store (quorvel windows, quorvel-cli), then start again</source>
        <translation>预写日志 %1 属于另一个数据库，但另一个程序正打开着本数据库，因此日志保持原位，未读取任何内容；请关闭使用该数据库的其他程序（quorvel 窗口、quorvel-cli）后重新开始</translation>
    </message>
    <message>
        <source>the user version in the header of the history store %1 (%2) is not the store&apos;s identity (%3): another program has set it; the store is used as it is</source>
        <translation>历史号码数据库 %1 文件头中的用户版本号（%2）不是该数据库的标识（%3）：是另一个程序设置的；数据库照常使用</translation>
    </message>
    <message>
        <source>the disk holding the data folder %1 is full</source>
        <translation>数据文件夹 %1 所在的磁盘已满</translation>
    </message>
    <message>
        <source>free some disk space and try again</source>
        <translation>请腾出一些磁盘空间再试</translation>
    </message>
    <message>
        <source>the data folder %1 is read-only</source>
        <translation>数据文件夹 %1 是只读的</translation>
    </message>
    <message>
        <source>make the folder writable (or copy it to a folder you can write to) and try again</source>
        <translation>请让该文件夹可写（或把它复制到可写的文件夹）后再试</translation>
    </message>
    <message>
        <source>the data folder %1 cannot be written (%2)</source>
        <translation>数据文件夹 %1 无法写入（%2）</translation>
    </message>
    <message>
        <source>check the folder and its disk, then try again</source>
        <translation>请检查该文件夹及其磁盘后再试</translation>
    </message>
    <message>
        <source>the write-ahead log %1 belongs to another store, and %2, so it cannot be set aside; nothing was read; %3</source>
        <translation>预写日志 %1 属于另一个数据库，而%2，因此无法把它移到一旁；未读取任何内容；%3</translation>
    </message>
    <message>
        <source>the history store %1 needs tables this program adds, but %2; %3</source>
        <translation>历史号码数据库 %1 需要本程序添加的数据表，但%2；%3</translation>
    </message>
    <message>
        <source>the history store %1 cannot be read: %2, and the changes waiting in its write-ahead log can be read only where the folder can be written; %3</source>
        <translation>无法读取历史号码数据库 %1：%2，而其预写日志中尚未写入的改动只有在文件夹可写时才能读取；%3</translation>
    </message>
    <message>
        <source>%1, so the history can only be read: nothing was changed; %2</source>
        <translation>%1，因此只能读取历史号码：未作任何改动；%2</translation>
    </message>
    <message>
        <source>%1: nothing was changed; %2</source>
        <translation>%1：未作任何改动；%2</translation>
    </message>
    <message>
        <source>the history store %1 cannot be written (%2): nothing was changed; make the file and its data folder writable and try again</source>
        <translation>历史号码数据库 %1 无法写入（%2）：未作任何改动；请让该文件及其数据文件夹可写后再试</translation>
    </message>
    <message>
        <source>the update would clear the history, whose first draw is more than %1 years old, but %1 is only the default number of years to keep: %2; nothing was changed; correct the settings file or move it away, then set the years to keep again</source>
        <translation>更新将清空历史号码（其第一期已超过 %1 年），但 %1 只是默认的保留年数：%2；未作任何改动；请改正设置文件或把它移走，然后重新设置保留年数</translation>
    </message>
    <message>
        <source>%1: the settings it does not give take their defaults until it is corrected or moved away</source>
        <translation>%1：在改正或移走它之前，它未提供的设置都使用默认值</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read (%2)</source>
        <translation>设置文件 %1 读不出来（%2）</translation>
    </message>
    <message>
        <source>a workbook holds at most 1,048,576 rows, and %1 would need %2; choose fewer groups and calculate again; nothing was written</source>
        <translation>工作簿最多只能容纳 1,048,576 行，而 %1 需要 %2 行；请选择更少的分组后重新计算；没有写入任何内容</translation>
    </message>
    <message>
        <source>the server sent too little of %1 within %2; it may be slow or overloaded, try again later</source>
        <translation>服务器在 %2内只发来了 %1 的一小部分；服务器可能太慢或负载过重，请稍后再试</translation>
    </message>
    <message>
        <source>group size %1 is outside 1..6: no group to calculate; choose a size from 1 to 6</source>
        <translation>组合位数 %1 不在 1 到 6 之间：没有可计算的分组；请选 1 到 6 之间的位数</translation>
    </message>
    <message>
        <source>the backtest picks %1 groups per decision, but the ticked values make only %2 groups: picking them all compares nothing with chance; pick fewer than %2</source>
        <translation>回测每次决策选 %1 组，但勾选的值只组成 %2 组：全部选中就无从与随机比较；请选少于 %2 组</translation>
    </message>
    <message>
        <source>the backtest would walk %1 decisions × %2 groups = %3, more than the %4 one run may walk; tick fewer values, choose a smaller group size or a later start issue</source>
        <translation>回测要走 %1 次决策 × %2 组 = %3，超过一次运行的上限 %4；请少勾选几个值、选较小的组合位数或较晚的起始期号</translation>
    </message>
    <message>
        <source>the backtest would weigh %1 decisions × %2 picks × %2 picks = %3 pairs of picks, more than the %4 one run may weigh; pick fewer groups or choose a later start issue</source>
        <translation>回测要比较 %1 次决策 × %2 组 × %2 组 = %3 对选组，超过一次运行的上限 %4；请少选几组或选较晚的起始期号</translation>
    </message>
    <message>
        <source>未出</source>
        <translation>未出</translation>
    </message>
    <message>
        <source>%1; the stored results were kept</source>
        <translation>%1；已保存的计算结果保持不变</translation>
    </message>
    <message>
        <source>%1 does not exist; check the path and the file&apos;s name; the history was left unchanged</source>
        <translation>%1 不存在；请检查路径和文件名；历史号码未改动</translation>
    </message>
    <message>
        <source>issue %1 comes before the latest stored draw %2: it would go among the stored draws and move the %3 draws after it down one place; nothing was added. Check the issue, or insert the draw there on purpose (--insert)</source>
        <translation>期号 %1 在已存的最新一期 %2 之前：它会插入已存的开奖之间，使其后的 %3 期各后移一位；未补充任何号码。请检查期号，或确需插入时使用 --insert</translation>
    </message>
    <message>
        <source>deleting the latest %1 draws would delete all %2 stored draws and keep none; nothing was changed. To delete every draw, clear the history instead</source>
        <translation>删除最后 %1 期会把已存的 %2 期全部删除、一期不剩；未作任何改动。要删除全部开奖，请改用清除历史</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>没有访问权限</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>不允许这样操作</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>这是一个文件夹</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>磁盘空间已满</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>文件系统是只读的</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>路径中有一项不是文件夹</translation>
    </message>
    <message>
        <source>平均遗漏值</source>
        <translation>平均遗漏值</translation>
    </message>
    <message>
        <source>最大遗漏值</source>
        <translation>最大遗漏值</translation>
    </message>
    <message>
        <source>最大连出值</source>
        <translation>最大连出值</translation>
    </message>
    <message>
        <source>组合位数 %1 is not one of the group sizes 1, 2, 3, 4, 5 and 6: the group size stays %2.</source>
        <translation>组合位数 %1 不是可选的位数（1、2、3、4、5、6）：组合位数仍为 %2。</translation>
    </message>
    <message>
        <source>%1 is ticked but its box holds no value: type the value to look for there, or untick %1. Nothing was run.</source>
        <translation>已勾选%1，但它的框里没有值：请在框里输入要检索的值，或取消勾选%1。没有执行检索。</translation>
    </message>
    <message>
        <source>%1 降序</source>
        <translation>%1 降序</translation>
    </message>
    <message>
        <source>Draws counted: issues %1 to %2.</source>
        <translation>统计的开奖：期号 %1 至 %2。</translation>
    </message>
    <message>
        <source>A gap is the number of draws from one hit of a value to the next. Every figure counts its first gap from the first of these draws, as if the draw just before them had been a hit.</source>
        <translation>遗漏是某个值从一次出现到下一次出现相隔的期数。每项数字的第一段遗漏都从这些期的第一期算起，当作它前一期刚出现过。</translation>
    </message>
    <message>
        <source>A gap is the number of draws from one hit of a value to the next. The shortest and the longest gap count the first gap from the first stored draw, not from the first of these draws; the average gap, the longest run and the previous gap count only the gaps within these draws, the first from their first draw.</source>
        <translation>遗漏是某个值从一次出现到下一次出现相隔的期数。最小遗漏和最大遗漏的第一段从所存的第一期算起，而不是从这些期的第一期算起；平均遗漏、最大连出和上次遗漏只算这些期之内的遗漏，第一段从这些期的第一期算起。</translation>
    </message>
    <message>
        <source>The current gap counts up to the latest stored draw, even when these draws end earlier.</source>
        <translation>当前遗漏一直算到所存的最新一期，即使这些期更早结束。</translation>
    </message>
    <message>
        <source>Fixed positions: the special number counts only as the seventh position.</source>
        <translation>固定位：特码只在第七位（特位）计入。</translation>
    </message>
    <message>
        <source>The special number counts as well as the six regular numbers.</source>
        <translation>六个平码和特码都计入。</translation>
    </message>
    <message>
        <source>Only the six regular numbers count; the special number does not.</source>
        <translation>只计六个平码，不计特码。</translation>
    </message>
    <message>
        <source>Bases from the settings: %1, %2, %3.</source>
        <translation>设置中的参数：%1，%2，%3。</translation>
    </message>
    <message>
        <source>any of the six regular numbers</source>
        <translation>六个平码中任一个</translation>
    </message>
    <message>
        <source>any of the seven numbers</source>
        <translation>七个号码中任一个</translation>
    </message>
    <message>
        <source>regular number %1 in sorted order</source>
        <translation>顺序码第 %1 位平码</translation>
    </message>
    <message>
        <source>regular number %1 in drawn order</source>
        <translation>落地码第 %1 位平码</translation>
    </message>
    <message>
        <source>the special number</source>
        <translation>特码</translation>
    </message>
    <message>
        <source>Each row is the search for one value, looked for in %1.</source>
        <translation>每行是对一个值的检索，在%1中查找。</translation>
    </message>
    <message>
        <source>The columns of the latest 10, 30 and 100 draws count the hits among the latest 10, 30 and 100 of these draws.</source>
        <translation>近10期、近30期、近100期三栏数的是这些期中最近 10、30、100 期内的出现次数。</translation>
    </message>
    <message>
        <source>Each column is one value, looked for in %1; each row is one draw, the oldest first.</source>
        <translation>每列是一个值，在%1中查找；每行是一期，最早的在前。</translation>
    </message>
    <message>
        <source>A hit shows the value. A miss shows how many draws the value has been away, that draw included, so the first rows carry what came before these draws.</source>
        <translation>开出时显示该值；未开出时显示该值已有多少期未出（含该期），所以前几行也带有这些期之前的遗漏。</translation>
    </message>
    <message>
        <source>That count is one less than the omission table&apos;s current gap: a value drawn in the latest draw shows as a hit where the table says 1.</source>
        <translation>这个数比遗漏总表的当前遗漏少 1：最新一期开出的值在这里显示为开出，遗漏总表则为 1。</translation>
    </message>
    <message>
        <source>Below the draws: the hits; the average gap, (draws - hits) / (hits + 1) with two decimals; the longest gap, the largest count shown; and the longest run of hits in consecutive draws.</source>
        <translation>各期下方：出现次数；平均遗漏值，即（期数 − 出现次数）÷（出现次数 + 1），保留两位小数；最大遗漏值，即显示的最大数；最大连出值，即连续各期都开出的最长次数。</translation>
    </message>
    <message>
        <source>Picking the values away longest hit no more often than picking at random: %1 picked each time, %2 where chance gives %3 (z = %4, %5).</source>
        <translation>选遗漏最久的号，并不比随便选更常中：每次选 %1 个，%2，按概率应为 %3 次（z = %4，%5）。</translation>
    </message>
    <message>
        <source>Picking the groups away longest hit no more often than picking at random: %1 groups picked each time, %2 where chance gives %3 (z = %4, %5).</source>
        <translation>选遗漏最久的组合，并不比随便选更常中：每次选 %1 组，%2，按概率应为 %3 次（z = %4，%5）。</translation>
    </message>
    <message>
        <source>Picking the values away longest hit less often than picking at random: %1 picked each time, %2 where chance gives %3 (z = %4, %5). This describes the past draws only; it does not make the next draw predictable.</source>
        <translation>选遗漏最久的号，比随便选更少中：每次选 %1 个，%2，按概率应为 %3 次（z = %4，%5）。这只描述过去的开奖，并不能让下一期变得可以预测。</translation>
    </message>
    <message>
        <source>Picking the groups away longest hit less often than picking at random: %1 groups picked each time, %2 where chance gives %3 (z = %4, %5). This describes the past draws only; it does not make the next draw predictable.</source>
        <translation>选遗漏最久的组合，比随便选更少中：每次选 %1 组，%2，按概率应为 %3 次（z = %4，%5）。这只描述过去的开奖，并不能让下一期变得可以预测。</translation>
    </message>
    <message>
        <source>Picking the values away longest hit more often than picking at random: %1 picked each time, %2 where chance gives %3 (z = %4, %5). This describes the past draws only; it does not make the next draw predictable.</source>
        <translation>选遗漏最久的号，比随便选更常中：每次选 %1 个，%2，按概率应为 %3 次（z = %4，%5）。这只描述过去的开奖，并不能让下一期变得可以预测。</translation>
    </message>
    <message>
        <source>Picking the groups away longest hit more often than picking at random: %1 groups picked each time, %2 where chance gives %3 (z = %4, %5). This describes the past draws only; it does not make the next draw predictable.</source>
        <translation>选遗漏最久的组合，比随便选更常中：每次选 %1 组，%2，按概率应为 %3 次（z = %4，%5）。这只描述过去的开奖，并不能让下一期变得可以预测。</translation>
    </message>
    <message>
        <source>Decisions: the draws of issues %1 to %2, %3 in all; at each one only the draws up to it are known, and the next draw tells whether a pick hit.</source>
        <translation>决策：期号 %1 至 %2 的各期，共 %3 次；每次只知道到该期为止的开奖，由下一期判断所选是否命中。</translation>
    </message>
    <message>
        <source>A gap is the number of draws from one hit to the next, counted from the first stored draw; groups that never hit before a decision are left out.</source>
        <translation>遗漏是从一次出现到下一次出现相隔的期数，从所存的第一期算起；决策之前从未出现过的组合不计。</translation>
    </message>
    <message>
        <source>At each decision the %1 groups with the smallest P(≥ current gap) are picked, and as many at random with seed %2.</source>
        <translation>每次决策选 P(≥当前遗漏) 最小的 %1 组，另用随机种子 %2 随便选同样多组作比较。</translation>
    </message>
    <message>
        <source>Expected by chance is the sum of the picks&apos; hit rates; the verdict is at the 1% level.</source>
        <translation>按概率应中的次数是所选各组理论概率之和；结论按 1% 显著水平判断。</translation>
    </message>
    <message>
        <source>Each band of P(≥ current gap) holds a tenth of the groups of every decision; a band&apos;s hits fall within about two standard deviations of its expected count 95 times in 100 by chance alone.</source>
        <translation>每段 P(≥当前遗漏) 含每次决策全部组合的十分之一；纯属偶然时，一段的命中次数有 95% 的机会落在其应中次数上下约两个标准差之内。</translation>
    </message>
    <message>
        <source>No search has run in this window: the hit list holds no result.</source>
        <translation>本窗口还没有运行检索：命中列表没有结果。</translation>
    </message>
    <message>
        <source>The counting rules of these rows were not recorded: no group calculation of this program stored them.</source>
        <translation>这些行的统计规则没有记录：本程序的分组计算没有存下它们。</translation>
    </message>
    <message>
        <source>Omission table</source>
        <translation>遗漏总表</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>走势图</translation>
    </message>
    <message>
        <source>Backtest</source>
        <translation>回测</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>规则说明</translation>
    </message>
    <message>
        <source>Draws: issues %1 to %2, %3 in all.</source>
        <translation>开奖：期号 %1 至 %2，共 %3 期。</translation>
    </message>
    <message>
        <source>Each row is one stored draw: its issue, then the six regular numbers in the order they were drawn and the special number last.</source>
        <translation>每行是一期已存的开奖：期号，然后是按开出次序排列的六个平码，最后是特码。</translation>
    </message>
    <message>
        <source>%1 wave</source>
        <translation>%1波</translation>
    </message>
    <message>
        <source>%1 = %2; year %3: %4</source>
        <translation>%1 = %2；%3年: %4</translation>
    </message>
    <message>
        <source>%1 = %2: %3</source>
        <translation>%1 = %2: %3</translation>
    </message>
    <message>
        <source>%1 numbers</source>
        <translation>%1号</translation>
    </message>
    <message>
        <source>head %1</source>
        <translation>%1头</translation>
    </message>
    <message>
        <source>tail %1</source>
        <translation>%1尾</translation>
    </message>
    <message>
        <source>domestic animals</source>
        <translation>家禽</translation>
    </message>
    <message>
        <source>wild animals</source>
        <translation>野兽</translation>
    </message>
    <message>
        <source>all values</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>不选</translation>
    </message>
    <message>
        <source>the saved selections in %1 cannot be read: %2</source>
        <translation>无法读取 %1 中保存的选择：%2</translation>
    </message>
    <message>
        <source>the saved selections in %1 are damaged at line %2 (%3): nothing was changed; mend the line or move the file away, then try again</source>
        <translation>%1 中保存的选择在第 %2 行损坏（%3）：未作任何改动；请修正该行或把文件移走，然后再试</translation>
    </message>
    <message>
        <source>a selection needs a name: type one and save again</source>
        <translation>选择需要一个名称：请输入名称后再保存</translation>
    </message>
    <message>
        <source>the name %1 cannot be used: a selection&apos;s name does not start with @ and holds no comma, tab or line break</source>
        <translation>名称 %1 不能使用：选择的名称不能以 @ 开头，也不能含有逗号、制表符或换行</translation>
    </message>
    <message>
        <source>%1 is the name of a built-in set: choose another name</source>
        <translation>%1 是内置选择的名称：请另选一个名称</translation>
    </message>
    <message>
        <source>%1 is a built-in set: it cannot be deleted, and it is never saved</source>
        <translation>%1 是内置选择：不能删除，也从不保存</translation>
    </message>
    <message>
        <source>no selection is saved under the name %1</source>
        <translation>没有以 %1 为名保存的选择</translation>
    </message>
    <message>
        <source>there is no saved selection and no built-in set named %1</source>
        <translation>没有名为 %1 的已保存选择或内置选择</translation>
    </message>
    <message>
        <source>the selection %1 holds values of %2, not of %3: choose the kind %2, or a selection of %3</source>
        <translation>选择 %1 是%2的值，不是%3的值：请选类别%2，或选一个%3的选择</translation>
    </message>
    <message>
        <source>cannot save the selections in %1: %2; the saved selections stay as they were</source>
        <translation>无法把选择保存到 %1：%2；已保存的选择保持不变</translation>
    </message>
    <message>
        <source>it is the file of the saved selections</source>
        <translation>它是保存选择的文件</translation>
    </message>
    <message>
        <source>fixed positions %1</source>
        <translation>固定位 %1</translation>
    </message>
    <message>
        <source>free positions %1</source>
        <translation>自由位 %1</translation>
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
        <source>position %1, sorted order</source>
        <translation>第%1位，顺序码</translation>
    </message>
    <message>
        <source>position %1, drawn order</source>
        <translation>第%1位，落地码</translation>
    </message>
    <message>
        <source>a number: the draws since the value&apos;s last hit</source>
        <translation>数字：距上次开出的期数</translation>
    </message>
    <message>
        <source>gaps from the range&apos;s first draw</source>
        <translation>遗漏从起始期计</translation>
    </message>
    <message>
        <source>first gap from the first stored draw</source>
        <translation>第一个遗漏从历史第一期计</translation>
    </message>
    <message>
        <source>issues %1 to %2</source>
        <translation>第%1期至第%2期</translation>
    </message>
    <message>
        <source>printed %1</source>
        <translation>打印于 %1</translation>
    </message>
    <message>
        <source>Draw history</source>
        <translation>历史号码</translation>
    </message>
    <message>
        <source>Search hits</source>
        <translation>检索结果</translation>
    </message>
    <message>
        <source>Omission statistics</source>
        <translation>遗漏统计</translation>
    </message>
    <message>
        <source>Omission chart</source>
        <translation>遗漏图</translation>
    </message>
    <message>
        <source>49 counts as the tie (和) of this kind, none of its other values, as these bets count it.</source>
        <translation>按这类投注的通行规则，49 号算作本类别的“和”，不算作其他任何值。</translation>
    </message>
    <message>
        <source>The kind %1 is counted by the in-memory engine only: the reference engine (--engine sql) reads stored fields, which this kind does not have. Use the memory engine.</source>
        <translation>类别“%1”只由内存引擎计算：参考引擎（--engine sql）读取存储的字段，而这个类别没有存储的字段。请使用内存引擎。</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>合单双</source>
        <translation>合单双</translation>
    </message>
    <message>
        <source>尾大小</source>
        <translation>尾大小</translation>
    </message>
    <message>
        <source>家禽野兽</source>
        <translation>家禽野兽</translation>
    </message>
    <message>
        <source>半波单双</source>
        <translation>半波单双</translation>
    </message>
    <message>
        <source>半波大小</source>
        <translation>半波大小</translation>
    </message>
    <message>
        <source>the store took %1 of the %2 rows of a block of the group results</source>
        <translation>分组结果的一个区块共 %2 行，只存入了 %1 行</translation>
    </message>
</context>
<context>
    <name>quorvel::AnalysisController</name>
    <message>
        <source> The range %1 ~ %2 holds no stored draw: the figures describe no draw and the chances are left empty.</source>
        <translation> 检索起止期数 %1 ~ %2 之间没有已存的历史号码：这些遗漏数字不对应任何一期，概率一栏留空。</translation>
    </message>
    <message>
        <source>分部检索</source>
        <translation>分部检索</translation>
    </message>
    <message>
        <source>检索</source>
        <translation>检索</translation>
    </message>
    <message>
        <source>不限组数 was not saved: %1</source>
        <translation>“不限组数”没有保存：%1</translation>
    </message>
    <message>
        <source>There is no history to analyse: read a history text file (读取历史号文本) or enter draws first. Nothing was run.</source>
        <translation>还没有历史号码，无法统计：请先用“读取历史号文本”读入历史号码文件，或逐期输入。本次没有计算。</translation>
    </message>
    <message>
        <source>%1 was cancelled; the previous results were kept.</source>
        <translation>%1已取消，之前的结果保留不变。</translation>
    </message>
    <message>
        <source>%1 failed; the previous results were kept:
%2</source>
        <translation>%1失败，之前的结果保留不变：
%2</translation>
    </message>
    <message>
        <source>分部位数 %1 is outside 1..6, so no draw is a hit.</source>
        <translation>分部位数 %1 不在 1~6 之内，没有任何一期命中。</translation>
    </message>
    <message>
        <source>数据溢出</source>
        <translation>数据溢出</translation>
    </message>
    <message>
        <source>分组计算</source>
        <translation>分组计算</translation>
    </message>
    <message>
        <source>分组计算: %1 groups, ordered by 最后遗漏.</source>
        <translation>分组计算：共 %1 组，按最后遗漏排序。</translation>
    </message>
    <message>
        <source>%1: %2 hit draws; 最小遗漏 %3, 最大遗漏 %4, 最后遗漏 %5.</source>
        <translation>%1：命中 %2 期；最小遗漏 %3，最大遗漏 %4，最后遗漏 %5。</translation>
    </message>
    <message>
        <source>分组计算: %1 groups, ordered by %2.</source>
        <translation>分组计算：共 %1 组，按%2排序。</translation>
    </message>
    <message>
        <source>The group results could not be read: %1</source>
        <translation>无法读取分组计算结果：%1</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>%1 was not written: %2</source>
        <translation>%1 未能写入：%2</translation>
    </message>
    <message>
        <source>Wrote %1 and opened it with the spreadsheet application.</source>
        <translation>已写入 %1，并用电子表格软件打开。</translation>
    </message>
    <message>
        <source>Wrote %1; no application could open it, so the file is kept there for you to open.</source>
        <translation>已写入 %1，但没有软件能打开它；文件保留在那里，可以自行打开。</translation>
    </message>
    <message>
        <source>分组计算: no group to chart</source>
        <translation>分组计算：没有可画图的组合</translation>
    </message>
    <message>
        <source>分组 %1: run 分组计算 in this window to chart its hits</source>
        <translation>分组 %1：请在本窗口中运行分组计算，才能画出它的开出情况</translation>
    </message>
    <message>
        <source>分组 %1: the history changed since 分组计算; run it again to chart the group</source>
        <translation>分组 %1：分组计算之后历史号码有变动，请重新计算后再画图</translation>
    </message>
    <message>
        <source>分组 %1: not a group of the last 分组计算</source>
        <translation>分组 %1：不是最近一次分组计算的组合</translation>
    </message>
    <message>
        <source>分组 %1</source>
        <translation>分组 %1</translation>
    </message>
    <message>
        <source>分组 %1: %2</source>
        <translation>分组 %1：%2</translation>
    </message>
    <message>
        <source>The groups shown were not stored:
%1</source>
        <translation>显示的分组未保存：
%1</translation>
    </message>
    <message>
        <source>组合位数 was not saved: %1</source>
        <translation>组合位数没有保存：%1</translation>
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
        <translation>历史中排第500的一期</translation>
    </message>
    <message>
        <source>The issue of the first decision draw; empty: the 500th stored draw</source>
        <translation>第一个决策期的期号；留空则为历史中排第500的一期</translation>
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
        <translation>期望命中</translation>
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
        <translation>首个决策期号须为期号（如 2020001），留空则从历史中排第500的一期开始。</translation>
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
    <message>
        <source>打印</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>导出PDF</source>
        <translation>导出PDF</translation>
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
        <translation>理论期望命中次数</translation>
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
    <message>
        <source>95% chance range of each bin</source>
        <translation>各段的 95% 偶然范围</translation>
    </message>
</context>
<context>
    <name>quorvel::CombinationPanel</name>
    <message>
        <source>组合检索</source>
        <translation>组合检索</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>反选</source>
        <translation>反选</translation>
    </message>
    <message>
        <source>不限组数</source>
        <translation>不限组数</translation>
    </message>
    <message>
        <source>勾选后分组计算不再限制号码个数（3个分组40个、4个分组24个、5个分组18个、6个分组16个），每次最多%1组，例如49个号码的全部三中三、四中四组合。选择立即保存。</source>
        <translation>勾选后分组计算不再限制号码个数（3个分组40个、4个分组24个、5个分组18个、6个分组16个），每次最多%1组，例如49个号码的全部三中三、四中四组合。选择立即保存。</translation>
    </message>
    <message>
        <source>分组计算(&amp;P)</source>
        <translation>分组计算(&amp;P)</translation>
    </message>
    <message>
        <source>组合位数</source>
        <translation>组合位数</translation>
    </message>
</context>
<context>
    <name>quorvel::DetailPanel</name>
    <message>
        <source>遗漏统计</source>
        <translation>遗漏统计</translation>
    </message>
    <message>
        <source>How the group calculation&apos;s results are ordered: by a column of the grid, or by the chance of an omission at least as long as the last one, which puts first the groups missing for unusually long.</source>
        <translation>分组计算结果的排序：按表格的某一列，或按“遗漏不短于当前遗漏”的概率排序，后者把遗漏异常久的组合排在前面。</translation>
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
        <translation>复制</translation>
    </message>
</context>
<context>
    <name>quorvel::HistoryExports</name>
    <message>
        <source>历史号码导出文本文件</source>
        <translation>历史号码导出文本文件</translation>
    </message>
    <message>
        <source>导出历史号码</source>
        <translation>导出历史号码</translation>
    </message>
    <message>
        <source>Nothing was exported: %1</source>
        <translation>没有导出任何内容：%1</translation>
    </message>
    <message>
        <source>The history was written to %1 and opened in the text editor.</source>
        <translation>历史号码已写入 %1，并用文本编辑器打开。</translation>
    </message>
    <message>
        <source>The history was written to %1 and opened in the spreadsheet application.</source>
        <translation>历史号码已写入 %1，并用电子表格软件打开。</translation>
    </message>
    <message>
        <source>The history was written to %1.</source>
        <translation>历史号码已写入 %1。</translation>
    </message>
    <message>
        <source>The history was written to %1, but no text editor on this desktop could open it; the file is kept there.</source>
        <translation>历史号码已写入 %1，但本机没有能打开它的文本编辑器；文件保留在那里。</translation>
    </message>
    <message>
        <source>The history was written to %1, but no spreadsheet application on this desktop could open it; the file is kept there.</source>
        <translation>历史号码已写入 %1，但本机没有能打开它的电子表格软件；文件保留在那里。</translation>
    </message>
</context>
<context>
    <name>quorvel::HistoryManagement</name>
    <message>
        <source>删除期数</source>
        <translation>删除期数</translation>
    </message>
    <message>
        <source>请输入需要删除到的期数，例如‘2014016’</source>
        <translation>请输入需要删除到的期数，例如‘2014016’</translation>
    </message>
    <message>
        <source>请输入需要删除最后多少期历史号码（例如输入3，那么就将删除最后的3期历史号码）</source>
        <translation>请输入需要删除最后多少期历史号码（例如输入3，那么就将删除最后的3期历史号码）</translation>
    </message>
    <message>
        <source>确认清空</source>
        <translation>确认清空</translation>
    </message>
    <message>
        <source>确定要清空所有的历史号码吗？</source>
        <translation>确定要清空所有的历史号码吗？</translation>
    </message>
    <message>
        <source>设置年数</source>
        <translation>设置年数</translation>
    </message>
    <message>
        <source>请输入更新需要保留的历史号码的年数（2~16中的任意自然数），如果超过年数将删除最早的一年的历史号码</source>
        <translation>请输入更新需要保留的历史号码的年数（2~16中的任意自然数），如果超过年数将删除最早的一年的历史号码</translation>
    </message>
    <message>
        <source>输入有误</source>
        <translation>输入有误</translation>
    </message>
    <message>
        <source>恢复历史备份</source>
        <translation>恢复历史备份</translation>
    </message>
    <message>
        <source>Nothing was removed; the history stays as it was:
%1</source>
        <translation>没有删除任何一期，历史号码保持原样：
%1</translation>
    </message>
    <message>
        <source>%1 %2 draws remain.</source>
        <translation>%1现存 %2 期。</translation>
    </message>
    <message>
        <source> The history as it was is saved in %1</source>
        <translation> 删除前的历史号码已备份在 %1</translation>
    </message>
    <message>
        <source>The draws were removed, but the store file could not be compacted afterwards:
%1</source>
        <translation>已删除，但之后压缩数据库文件失败：
%1</translation>
    </message>
    <message>
        <source>删除最后历史</source>
        <translation>删除最后历史</translation>
    </message>
    <message>
        <source>Deleted the latest draw;</source>
        <translation>已删除最后一期；</translation>
    </message>
    <message>
        <source>Cleared the history;</source>
        <translation>已清空历史号码；</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a whole number; nothing was removed.</source>
        <translation>“%1”不是整数，没有删除任何一期。</translation>
    </message>
    <message>
        <source>The history could not be read: %1</source>
        <translation>无法读取历史号码：%1</translation>
    </message>
    <message>
        <source>Kept the draws up to issue %1;</source>
        <translation>已删除 %1 期之后的历史号码；</translation>
    </message>
    <message>
        <source>Deleted the latest %1 draws;</source>
        <translation>已删除最后 %1 期；</translation>
    </message>
    <message>
        <source>The number of years was not saved: %1</source>
        <translation>年数没有保存：%1</translation>
    </message>
    <message>
        <source>The online update keeps the draws of the latest %1 years.</source>
        <translation>在线更新将保留最近 %1 年的历史号码。</translation>
    </message>
    <message>
        <source>There is no safety copy in %1 yet: one is written there before every change that removes draws.</source>
        <translation>%1 中还没有备份：每次删除历史号码之前都会在那里自动备份。</translation>
    </message>
    <message>
        <source>Text(*.txt)</source>
        <translation>文本文件(*.txt)</translation>
    </message>
    <message>
        <source>Deleted the draw of issue %1: %2 (special number %3);</source>
        <translation>已删除第 %1 期：%2（特码 %3）；</translation>
    </message>
</context>
<context>
    <name>quorvel::HistoryPanel</name>
    <message>
        <source>鼠标双击列表可以将列表导出到EXCEL</source>
        <translation>鼠标双击列表可以将列表导出到EXCEL</translation>
    </message>
    <message>
        <source>读取历史号文本(&amp;W)</source>
        <translation>读取历史号文本(&amp;W)</translation>
    </message>
    <message>
        <source>从历史号码文本文件中读取历史号中最后一期之后的新的历史号码</source>
        <translation>从历史号码文本文件中读取历史号中最后一期之后的新的历史号码</translation>
    </message>
    <message>
        <source>历史号在线更新(&amp;O)</source>
        <translation>历史号在线更新(&amp;O)</translation>
    </message>
    <message>
        <source>从官方服务器更新历史号码</source>
        <translation>从官方服务器更新历史号码</translation>
    </message>
    <message>
        <source>删除最后历史(&amp;D)</source>
        <translation>删除最后历史(&amp;D)</translation>
    </message>
    <message>
        <source>历史号码导出文本文件(&amp;O)</source>
        <translation>历史号码导出文本文件(&amp;O)</translation>
    </message>
</context>
<context>
    <name>quorvel::IssuePrompt</name>
    <message>
        <source>在下面输入</source>
        <translation>在下面输入</translation>
    </message>
    <message>
        <source>期历史号码:</source>
        <translation>期历史号码:</translation>
    </message>
</context>
<context>
    <name>quorvel::MainMenus</name>
    <message>
        <source>设置</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>生肖(肖位)参数设置(&amp;S)</source>
        <translation>生肖(肖位)参数设置(&amp;S)</translation>
    </message>
    <message>
        <source>段数参数设置(&amp;A)</source>
        <translation>段数参数设置(&amp;A)</translation>
    </message>
    <message>
        <source>波色参数设置(&amp;B)</source>
        <translation>波色参数设置(&amp;B)</translation>
    </message>
    <message>
        <source>历史号码更新检索年(&amp;Y)</source>
        <translation>历史号码更新检索年(&amp;Y)</translation>
    </message>
    <message>
        <source>历史管理</source>
        <translation>历史管理</translation>
    </message>
    <message>
        <source>删除最后历史(&amp;E)</source>
        <translation>删除最后历史(&amp;E)</translation>
    </message>
    <message>
        <source>清空历史号码(&amp;C)</source>
        <translation>清空历史号码(&amp;C)</translation>
    </message>
    <message>
        <source>删除到选定期(&amp;D)</source>
        <translation>删除到选定期(&amp;D)</translation>
    </message>
    <message>
        <source>删除最后指定数量期历史(&amp;E)</source>
        <translation>删除最后指定数量期历史(&amp;E)</translation>
    </message>
    <message>
        <source>导出历史号码(&amp;O)</source>
        <translation>导出历史号码(&amp;O)</translation>
    </message>
    <message>
        <source>恢复历史备份(&amp;R)</source>
        <translation>恢复历史备份(&amp;R)</translation>
    </message>
    <message>
        <source>图表</source>
        <translation>图表</translation>
    </message>
    <message>
        <source>遗漏总表</source>
        <translation>遗漏总表</translation>
    </message>
    <message>
        <source>走势图</source>
        <translation>走势图</translation>
    </message>
    <message>
        <source>回测</source>
        <translation>回测</translation>
    </message>
    <message>
        <source>软件服务主页(&amp;P)</source>
        <translation>软件服务主页(&amp;P)</translation>
    </message>
    <message>
        <source>软件介绍说明(&amp;R)</source>
        <translation>软件介绍说明(&amp;R)</translation>
    </message>
    <message>
        <source>软件演示说明录像下载(&amp;D)</source>
        <translation>软件演示说明录像下载(&amp;D)</translation>
    </message>
    <message>
        <source>生肖(肖位)参数0~11</source>
        <translation>生肖(肖位)参数0~11</translation>
    </message>
    <message>
        <source>生肖(肖位)参数1~12</source>
        <translation>生肖(肖位)参数1~12</translation>
    </message>
    <message>
        <source>段数参数0~6</source>
        <translation>段数参数0~6</translation>
    </message>
    <message>
        <source>段数参数1~7</source>
        <translation>段数参数1~7</translation>
    </message>
    <message>
        <source>波色参数0~2</source>
        <translation>波色参数0~2</translation>
    </message>
    <message>
        <source>波色参数1~3</source>
        <translation>波色参数1~3</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>The base was not saved: %1</source>
        <translation>参数没有保存：%1</translation>
    </message>
    <message>
        <source>The language is in use now but was not saved for the next start: %1</source>
        <translation>语言已切换，但没有保存，下次启动时不会沿用：%1</translation>
    </message>
    <message>
        <source>检查历史号码(&amp;K)</source>
        <translation>检查历史号码(&amp;K)</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>语言：%1</translation>
    </message>
</context>
<context>
    <name>quorvel::MainWindow</name>
    <message>
        <source>A leftover log file of another history was found beside the store and set aside as %1 before anything was read; your history is as it was.</source>
        <translation>数据库旁有一个属于别的历史库的日志文件，已在读取前移到 %1；你的历史号码没有变动。</translation>
    </message>
    <message>
        <source>Stored the draw of issue %1: %2 (special number %3).</source>
        <translation>已存入第 %1 期：%2（特码 %3）。</translation>
    </message>
    <message>
        <source>读入历史</source>
        <translation>读入历史</translation>
    </message>
    <message>
        <source>确实要读入最新历史号码吗？点击&apos;确认&apos;读入,点击&apos;取消&apos;放弃该操作。确要读入请保证安装目录下存在历史号码的文本文件文件。读取时可能要花费一段时间,请耐心等候！</source>
        <translation>确实要读入最新历史号码吗？点击&apos;确认&apos;读入,点击&apos;取消&apos;放弃该操作。确要读入请保证安装目录下存在历史号码的文本文件文件。读取时可能要花费一段时间,请耐心等候！</translation>
    </message>
    <message>
        <source>输入有误</source>
        <translation>输入有误</translation>
    </message>
    <message>
        <source>quorvel 六合彩遗漏分析</source>
        <translation>quorvel 六合彩遗漏分析</translation>
    </message>
    <message>
        <source>The history could not be read: %1</source>
        <translation>无法读取历史号码：%1</translation>
    </message>
    <message>
        <source>The history was updated but could not be shown again: %1</source>
        <translation>历史号码已更新，但无法重新显示：%1</translation>
    </message>
    <message>
        <source>The history list could not be shown again: %1</source>
        <translation>无法重新显示历史号码列表：%1</translation>
    </message>
    <message>
        <source>The history changed but could not be shown again: %1</source>
        <translation>历史号码已变动，但无法重新显示：%1</translation>
    </message>
    <message>
        <source>Another program changed the history; the list was read again.</source>
        <translation>另一个程序修改了历史号码，列表已重新读取。</translation>
    </message>
    <message>
        <source>读取历史号文本</source>
        <translation>读取历史号文本</translation>
    </message>
    <message>
        <source>Text(*.txt)</source>
        <translation>文本文件(*.txt)</translation>
    </message>
    <message>
        <source>Nothing was read: %1 is not a history text file (its name must end in .txt).</source>
        <translation>没有读入：%1 不是历史号码文本文件（文件名须以 .txt 结尾）。</translation>
    </message>
    <message>
        <source>The history was not read and stays as it was:
%1</source>
        <translation>没有读入，历史号码保持原样：
%1</translation>
    </message>
    <message>
        <source>The draw was not stored: %1</source>
        <translation>这一期没有保存：%1</translation>
    </message>
    <message>
        <source>No address is set for %1 yet. Type the address of its web page (starting with http:// or https://); it is kept for the next time.</source>
        <translation>“%1”还没有设置网址。请输入它的网页地址（以 http:// 或 https:// 开头），下次会沿用。</translation>
    </message>
    <message>
        <source>The address was not saved: %1</source>
        <translation>网址没有保存：%1</translation>
    </message>
    <message>
        <source>The desktop could not open %1 (%2): no web browser took the address.</source>
        <translation>无法打开 %1（%2）：没有浏览器接受这个网址。</translation>
    </message>
    <message>
        <source>The address was not saved: &apos;%1&apos; is not a web address; it starts with http:// or https://.</source>
        <translation>网址没有保存：“%1”不是网址，网址须以 http:// 或 https:// 开头。</translation>
    </message>
    <message>
        <source>Another program stored new group results (分组计算); the history did not change, so the list and the results shown stay as they are.</source>
        <translation>另一个程序保存了新的分组计算结果；历史号码没有改动，列表和显示的结果保持不变。</translation>
    </message>
</context>
<context>
    <name>quorvel::ManualEntryRow</name>
    <message>
        <source>在此补充输入最新历史号码</source>
        <translation>在此补充输入最新历史号码</translation>
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
    <name>quorvel::OnlineUpdate</name>
    <message>
        <source>读入历史</source>
        <translation>读入历史</translation>
    </message>
    <message>
        <source>在线更新网址</source>
        <translation>在线更新网址</translation>
    </message>
    <message>
        <source>在线更新网址(&amp;U)...</source>
        <translation>在线更新网址(&amp;U)...</translation>
    </message>
    <message>
        <source>Nothing was updated: no update site is set. Choose the menu 设置 → 在线更新网址 and give the address the yearly pages are found under (for example http://127.0.0.1:8080/85122/kj/, the page of 2014 then being .../2014.html).</source>
        <translation>没有更新：还没有设置在线更新网址。请在菜单“设置”→“在线更新网址”中输入每年开奖网页所在的网址（例如 http://127.0.0.1:8080/85122/kj/，2014 年的网页就是 .../2014.html）。</translation>
    </message>
    <message>
        <source>Nothing was updated: %1</source>
        <translation>没有更新：%1</translation>
    </message>
    <message>
        <source>Nothing was updated: the latest stored draw, %1, is after the current year %2, so there is no page to load.</source>
        <translation>没有更新：最新一期 %1 在今年（%2 年）之后，没有可读取的网页。</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Loading the page of %1: year %2 of %3</source>
        <translation>正在读取 %1 年的网页：第 %2 年，共 %3 年</translation>
    </message>
    <message>
        <source>The update was cancelled; the history was left unchanged.</source>
        <translation>已取消更新，历史号码没有改动。</translation>
    </message>
    <message>
        <source>The new draws were not stored; the history stays as it was:
%1</source>
        <translation>新的开奖号码没有保存，历史号码保持原样：
%1</translation>
    </message>
    <message>
        <source>在线更新的网址前缀（每年的网页为前缀 + 年份 + .html），例如 http://127.0.0.1:8080/85122/kj/</source>
        <translation>在线更新的网址前缀（每年的网页为前缀 + 年份 + .html），例如 http://127.0.0.1:8080/85122/kj/</translation>
    </message>
    <message>
        <source>The address was not saved: %1</source>
        <translation>网址没有保存：%1</translation>
    </message>
    <message>
        <source>The update site was cleared.</source>
        <translation>在线更新网址已清除。</translation>
    </message>
    <message>
        <source>The update site is now %1.</source>
        <translation>在线更新网址已设为 %1。</translation>
    </message>
</context>
<context>
    <name>quorvel::OptionsPanel</name>
    <message>
        <source>With this option chosen, a number N typed here starts the search range at the N-th latest stored draw, so that the searches cover the latest N draws.</source>
        <translation>选中“前 N 期”后，在此输入期数 N，检索起始期就设为倒数第 N 期，检索只统计最近 N 期。</translation>
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
        <translation>号码</translation>
    </message>
    <message>
        <source>生肖</source>
        <translation>生肖</translation>
    </message>
    <message>
        <source>头数</source>
        <translation>头数</translation>
    </message>
    <message>
        <source>尾数</source>
        <translation>尾数</translation>
    </message>
    <message>
        <source>合数</source>
        <translation>合数</translation>
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
        <source>单双</source>
        <translation>单双</translation>
    </message>
    <message>
        <source>检索(&amp;S)</source>
        <translation>检索(&amp;S)</translation>
    </message>
    <message>
        <source>软件设置(&amp;T)</source>
        <translation>软件设置(&amp;T)</translation>
    </message>
    <message>
        <source>检索位选择</source>
        <translation>检索位选择</translation>
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
        <translation>自由位计特码</translation>
    </message>
    <message>
        <source>检索期选择</source>
        <translation>检索期选择</translation>
    </message>
    <message>
        <source>上期</source>
        <translation>上期</translation>
    </message>
    <message>
        <source>号码序选择</source>
        <translation>号码序选择</translation>
    </message>
    <message>
        <source>落地码</source>
        <translation>落地码</translation>
    </message>
    <message>
        <source>顺序码</source>
        <translation>顺序码</translation>
    </message>
    <message>
        <source>搜索类型选择</source>
        <translation>搜索类型选择</translation>
    </message>
    <message>
        <source>手动输入号</source>
        <translation>手动输入号</translation>
    </message>
    <message>
        <source>历史指定期</source>
        <translation>历史指定期</translation>
    </message>
    <message>
        <source>仅检索该期前</source>
        <translation>仅检索该期前</translation>
    </message>
    <message>
        <source>检索起止期数</source>
        <translation>检索起止期数</translation>
    </message>
    <message>
        <source>多位检索</source>
        <translation>多位检索</translation>
    </message>
    <message>
        <source>平特</source>
        <translation>平特</translation>
    </message>
    <message>
        <source>平码</source>
        <translation>平码</translation>
    </message>
    <message>
        <source>分部检索(&amp;G)</source>
        <translation>分部检索(&amp;G)</translation>
    </message>
    <message>
        <source>分部位数</source>
        <translation>分部位数</translation>
    </message>
    <message>
        <source>分部位数 &apos;%1&apos; is not a number: the part size stays %2.</source>
        <translation>分部位数“%1”不是数字，分部位数仍为 %2。</translation>
    </message>
    <message>
        <source>The history could not be read: %1</source>
        <translation>无法读取历史号码：%1</translation>
    </message>
    <message>
        <source>The choice was not saved: %1</source>
        <translation>选择没有保存：%1</translation>
    </message>
    <message>
        <source>The history is empty: there is no range to choose.</source>
        <translation>历史号码是空的：没有可选的范围。</translation>
    </message>
    <message>
        <source>No draw of %1 is stored: the range boxes were kept.</source>
        <translation>没有存 %1 年的开奖：起止期数保持不变。</translation>
    </message>
    <message>
        <source>The range is %1 ~ %2.</source>
        <translation>检索范围为 %1 ~ %2。</translation>
    </message>
    <message>
        <source>前</source>
        <translation>前</translation>
    </message>
    <message>
        <source>期</source>
        <translation>期</translation>
    </message>
    <message>
        <source>自选</source>
        <translation>自选</translation>
    </message>
    <message>
        <source>最近%1期</source>
        <translation>最近%1期</translation>
    </message>
    <message>
        <source>今年</source>
        <translation>今年</translation>
    </message>
    <message>
        <source>去年</source>
        <translation>去年</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Fills both range boxes with a range of the stored history: the latest draws, the year of the latest draw, the year before it, or every draw.</source>
        <translation>用已存历史号码的一段填入起止期数：最近若干期、最新一期所在的年份、上一年，或全部历史。</translation>
    </message>
    <message>
        <source>更多类别</source>
        <translation>更多类别</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>合单双</source>
        <translation>合单双</translation>
    </message>
    <message>
        <source>尾大小</source>
        <translation>尾大小</translation>
    </message>
    <message>
        <source>家禽野兽</source>
        <translation>家禽野兽</translation>
    </message>
    <message>
        <source>半波单双</source>
        <translation>半波单双</translation>
    </message>
    <message>
        <source>半波大小</source>
        <translation>半波大小</translation>
    </message>
    <message>
        <source>More kinds, worked out from the numbers: big or small, the digit sum odd or even, the tail big or small, domestic or wild sign, and the half waves. 49 counts as 和 (the tie).</source>
        <translation>更多类别，由号码推算：大小、合数单双、尾数大小、家禽野兽，以及半波。49 号算作“和”。</translation>
    </message>
</context>
<context>
    <name>quorvel::ResultsPanel</name>
    <message>
        <source>鼠标双击列表可以将列表导出到EXCEL</source>
        <translation>鼠标双击列表可以将列表导出到EXCEL</translation>
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
    <name>quorvel::SelectionBar</name>
    <message>
        <source>保存选择…</source>
        <translation>保存选择…</translation>
    </message>
    <message>
        <source>Delete this selection…</source>
        <translation>删除此选择…</translation>
    </message>
    <message>
        <source>Selections</source>
        <translation>常用选择</translation>
    </message>
    <message>
        <source>The saved selections could not be read: %1</source>
        <translation>无法读取已保存的选择：%1</translation>
    </message>
    <message>
        <source>Name of the selection of the boxes ticked now:</source>
        <translation>为现在勾选的框起一个名称：</translation>
    </message>
    <message>
        <source>A selection named %1 is already saved. Replace it with the boxes ticked now?</source>
        <translation>已有名为“%1”的选择。要用现在勾选的框替换它吗？</translation>
    </message>
    <message>
        <source>The selection was not saved: %1</source>
        <translation>选择没有保存：%1</translation>
    </message>
    <message>
        <source>Saved the selection %1.</source>
        <translation>已保存选择“%1”。</translation>
    </message>
    <message>
        <source>Delete a selection</source>
        <translation>删除选择</translation>
    </message>
    <message>
        <source>Delete the saved selection %1? The boxes stay ticked.</source>
        <translation>要删除已保存的选择“%1”吗？框的勾选保持不变。</translation>
    </message>
    <message>
        <source>The selection was not deleted: %1</source>
        <translation>选择没有删除：%1</translation>
    </message>
    <message>
        <source>Deleted the selection %1.</source>
        <translation>已删除选择“%1”。</translation>
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
    <message>
        <source>打印</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>导出PDF</source>
        <translation>导出PDF</translation>
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
    <message>
        <source>打印</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>导出PDF</source>
        <translation>导出PDF</translation>
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
<context>
    <name>quorvel::ViewOutput</name>
    <message>
        <source>打印</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>导出PDF</source>
        <translation>导出PDF</translation>
    </message>
    <message>
        <source>复制为图片</source>
        <translation>复制为图片</translation>
    </message>
    <message>
        <source>保存图片</source>
        <translation>保存图片</translation>
    </message>
    <message>
        <source>There is nothing to print yet.</source>
        <translation>还没有可打印的内容。</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>%1 was not written: %2</source>
        <translation>%1 未能写入：%2</translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>已写入 %1</translation>
    </message>
    <message>
        <source>A picture of %1 × %2 pixels is on the clipboard.</source>
        <translation>已把 %1 × %2 像素的图片复制到剪贴板。</translation>
    </message>
    <message>
        <source>PNG (*.png)</source>
        <translation>PNG 图片 (*.png)</translation>
    </message>
    <message>
        <source>It holds the first %1 of %2 parts of the grid; 保存图片 writes them all.</source>
        <translation>图片只含表格 %2 部分中的前 %1 部分；“保存图片”会全部写出。</translation>
    </message>
</context>
<context>
    <name>quorvel::WelcomeHint</name>
    <message>
        <source>关闭</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>历史号码为空。请用“读取历史号文本”读入历史号码文本文件，或在下面逐期输入。</source>
        <translation>历史号码为空。请用“读取历史号文本”读入历史号码文本文件，或在下面逐期输入。</translation>
    </message>
    <message>
        <source>历史号码为空。可以读入随软件附带的历史号码（%1），立即看到真实结果；也可以用“读取历史号文本”读入自己的文件，或在下面逐期输入。</source>
        <translation>历史号码为空。可以读入随软件附带的历史号码（%1），立即看到真实结果；也可以用“读取历史号文本”读入自己的文件，或在下面逐期输入。</translation>
    </message>
    <message>
        <source>读入附带的历史号码</source>
        <translation>读入附带的历史号码</translation>
    </message>
</context>
<context>
    <name>quorvel::WidgetDialogs</name>
    <message>
        <source>Columns across pages, in order</source>
        <translation>各列依次分页打印</translation>
    </message>
    <message>
        <source>Fit the page width</source>
        <translation>缩放至页面宽度</translation>
    </message>
</context>
</TS>
