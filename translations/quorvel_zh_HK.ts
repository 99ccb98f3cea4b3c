<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_HK" sourcelanguage="en">
<context>
    <name>Cli</name>
    <message>
        <source>longest away</source>
        <translation>最久未出</translation>
    </message>
    <message>
        <source>random</source>
        <translation>隨機</translation>
    </message>
    <message>
        <source>picked</source>
        <translation>選出</translation>
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
        <translation>與最後一個選中者並列（累計）</translation>
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
        <translation>組數</translation>
    </message>
    <message>
        <source>Run with --help for usage.</source>
        <translation>用法請加 --help 查看。</translation>
    </message>
    <message>
        <source>imported %1 draws</source>
        <translation>讀入 %1 期</translation>
    </message>
    <message>
        <source>imported %1 draws, skipped %2 lines:</source>
        <translation>讀入 %1 期，跳過 %2 行：</translation>
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
        <translation>有 1 個期數按檔案所列存了不止一次（row 指令顯示其中第一期）</translation>
    </message>
    <message>
        <source>%1 issues are stored more than once, as the file lists them (row shows the first of each)</source>
        <translation>有 %1 個期數按檔案所列存了不止一次（row 指令顯示各自的第一期）</translation>
    </message>
    <message>
        <source>the history it replaced is saved in %1</source>
        <translation>被替換的歷史號碼已儲存在 %1</translation>
    </message>
    <message>
        <source>%1 (or give --site URL for one run)</source>
        <translation>%1（或用 --site URL 只為本次指定）</translation>
    </message>
    <message>
        <source>the output could not be written (%1), so it is incomplete; make room on the disk, or send it elsewhere, and run the command again</source>
        <translation>輸出無法寫入（%1），因此並不完整；請騰出磁碟空間，或把輸出轉到別處，然後重新執行指令</translation>
    </message>
    <message>
        <source>a workbook holds at most 1,048,576 rows, and the %1 groups of this request need one each below the header; choose fewer groups or use --json</source>
        <translation>活頁簿最多只可容納 1,048,576 列，而這次要求的 %1 個分組在標題列之下各需一列；請選擇較少的分組，或改用 --json</translation>
    </message>
    <message>
        <source>--pick %1 picks all of the %2 groups that %3 boxes in groups of %4 make, so nothing is compared with chance; give --pick below %2, or tick more boxes</source>
        <translation>--pick %1 會選中 %3 個框按 %4 個一組組成的全部 %2 組，無從與隨機比較；請給小於 %2 的 --pick，或多勾選幾個框</translation>
    </message>
    <message>
        <source>Print the result as JSON. A group or value never drawn in the range keeps the stored min 32767 (shown as 未出 in the window and the workbooks), with &quot;never_hit&quot;: true beside it</source>
        <translation>以 JSON 輸出結果。範圍內從未攪出的分組或值保留儲存的 min 32767（視窗和活頁簿中顯示為「未出」），並在旁邊附上 &quot;never_hit&quot;: true</translation>
    </message>
    <message>
        <source>box %1 is not a value of the kind %2 (%3), which has %4 values, boxes 1..%4; leave box %1 out, or choose another --kind</source>
        <translation>第 %1 個框不是類別 %2（%3）的值：該類別只有 %4 個值，即第 1 到 %4 個框；請去掉第 %1 個框，或用 --kind 換一個類別</translation>
    </message>
    <message>
        <source>it went among the stored draws: the %1 draw(s) after it, issues %2..%3, moved down one place (IDX %4..%5)</source>
        <translation>這一期已插入已存的各期之間：其後的 %1 期（期數 %2 至 %3）各往後移一位（IDX %4 至 %5）</translation>
    </message>
    <message>
        <source>draw %1 was added, but %2 issue(s) before it are not stored: %3; add them with add --insert --issue ISSUE, or if %1 was mistyped, remove it with delete-last</source>
        <translation>已補充第 %1 期，但它之前有 %2 期未存：%3；請用 add --insert --issue 期數 補上，若 %1 是輸錯的期數，請用 delete-last 刪除它</translation>
    </message>
    <message>
        <source>draw %1 was added, but no draw of %2 is stored; if %1 was mistyped, remove it with delete-last</source>
        <translation>已補充第 %1 期，但未有任何已存的 %2 年攪珠結果；若 %1 是輸錯的期數，請用 delete-last 刪除它</translation>
    </message>
    <message>
        <source>Allow an --issue before the latest stored draw: the draw goes among the stored draws and the later ones move down one place</source>
        <translation>允許 --issue 早於已存的最新一期：該期會插入已存的各期之間，其後各期往後移一位</translation>
    </message>
    <message>
        <source>The history is now empty: import a history file or add draws before the next analysis.</source>
        <translation>歷史號碼現已清空：下次分析前請讀入歷史號碼檔案或補充攪珠結果。</translation>
    </message>
    <message>
        <source>Count the special number in a free-position match (default: regular numbers only)</source>
        <translation>在自由位配對中也計入特碼（預設：只計平碼）</translation>
    </message>
    <message>
        <source>Also write the result grid to this .xlsx workbook (replaced if it exists)</source>
        <translation>同時把結果表格寫入這個 .xlsx 活頁簿（已存在則取代）</translation>
    </message>
    <message>
        <source>Number order: drawn (落地码, default) or sorted (顺序码)</source>
        <translation>號碼順序：drawn（落地碼，預設）或 sorted（順序碼）</translation>
    </message>
    <message>
        <source>Positions: fixed (固定位) or free (自由位, default)</source>
        <translation>位置：fixed（固定位）或 free（自由位，預設）</translation>
    </message>
    <message>
        <source>Take the values from the latest stored draw not after this issue</source>
        <translation>從不遲於這一期的最近一期已存攪珠取值</translation>
    </message>
    <message>
        <source>With --ref: end the range just before the reference draw</source>
        <translation>與 --ref 同用：範圍在參照的那一期之前結束</translation>
    </message>
    <message>
        <source>--before needs --ref ISSUE</source>
        <translation>--before 需要同時給出 --ref 期數</translation>
    </message>
    <message>
        <source>the baseline figures are null</source>
        <translation>基準數字為空</translation>
    </message>
    <message>
        <source>Backtest (回测): at each past draw, pick the groups away longest and count how often the next draw hit them, against their hit rates and against random picks</source>
        <translation>回測：在過去的每一期，選出遺漏最久的分組，統計下一期攪出它們的次數，並與理論概率和隨機選取對照</translation>
    </message>
    <message>
        <source>Ticked boxes, e.g. 1,5,17, 1..49 or @NAME (a saved selection or built-in set): box i is value i (head, tail, parity: i - 1)</source>
        <translation>勾選的格，例如 1,5,17、1..49 或 @名稱（已儲存的選擇或內置選擇）：第 i 格就是值 i（頭數、尾數、單雙為 i - 1）</translation>
    </message>
    <message>
        <source>Group size k, 1..6</source>
        <translation>分組位數 k，1..6</translation>
    </message>
    <message>
        <source>Groups of one value only: special (the special number), regular (any of the six regular numbers) or any (any of the seven); default: as the group calculation counts</source>
        <translation>只用於一個值一組：special（特碼）、regular（六個平碼中任何一個）或 any（七個號碼中任何一個）；預設：與分組計算的算法相同</translation>
    </message>
    <message>
        <source>The special number counts towards a group&apos;s hit</source>
        <translation>特碼也計入分組的命中</translation>
    </message>
    <message>
        <source>Lift the size limits (at most %1 groups)</source>
        <translation>解除分組數量限制（最多 %1 組）</translation>
    </message>
    <message>
        <source>First decision draw: the first stored draw of this issue or later (default: the %1th stored draw)</source>
        <translation>第一個決策期：這一期或之後的第一期已存攪珠（預設：第 %1 期已存攪珠）</translation>
    </message>
    <message>
        <source>Groups picked per decision, N (default 10)</source>
        <translation>每次決策選出的組數 N（預設 10）</translation>
    </message>
    <message>
        <source>Seed of the random picks the overdue picks are compared with (default 1)</source>
        <translation>用於對照的隨機選取的種子（預設 1）</translation>
    </message>
    <message>
        <source>At each decision draw only the draws up to it are known. Groups that never hit in them are left out. The N groups with the smallest p_at_least_last are picked (ties: in the order the groups are enumerated); the next draw shows whether they hit. z compares the hits with the sum of the picked groups&apos; hit rates; the verdict is at the 1% level. This describes the past; it cannot make a lottery predictable.</source>
        <translation>在每個決策期，只知道這一期及之前的攪珠。在其中從未攪出的分組不參與。選出「P(≥當前遺漏)」最小的 N 組（相同時按分組列出的次序）；下一期看它們是否攪出。z 把命中次數與所選分組的理論概率之和比較；結論按 1% 的顯著水平。這只描述過去，不能令彩票變得可預測。</translation>
    </message>
    <message>
        <source>--where applies to groups of one value (--size 1); leave it out for --size %1</source>
        <translation>--where 只用於一個值一組（--size 1）；--size %1 時請不要用它</translation>
    </message>
    <message>
        <source>--where already says whether the special number counts; leave out --with-special</source>
        <translation>--where 已經說明特碼是否計入；請去掉 --with-special</translation>
    </message>
    <message>
        <source>--pick takes a number of groups of at least 1, not %1</source>
        <translation>--pick 的組數最少為 1，不能是 %1</translation>
    </message>
    <message>
        <source>--seed takes a whole number of at least 0, not %1</source>
        <translation>--seed 須為不小於 0 的整數，不能是 %1</translation>
    </message>
    <message>
        <source>the backtest is counted in memory whatever --engine says</source>
        <translation>無論 --engine 怎樣指定，回測都在記憶體中計算</translation>
    </message>
    <message>
        <source>decisions</source>
        <translation>次決策</translation>
    </message>
    <message>
        <source>Look for holes in the history: draws missing between the first and last stored draw of a year, issues stored twice, IDX out of issue order. Exit 1 when any is found</source>
        <translation>檢查歷史號碼中的缺漏：同一年第一期與最後一期已存攪珠之間缺少的期數、存了兩次的期數、與期數次序不符的 IDX。發現任何一項時結束碼為 1</translation>
    </message>
    <message>
        <source>%1 must be a whole number, not &apos;%2&apos;</source>
        <translation>%1 須為整數，不能是「%2」</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>第 %1 格</translation>
    </message>
    <message>
        <source>boxes are numbered 1..49, not %1</source>
        <translation>格的編號是 1..49，不能是 %1</translation>
    </message>
    <message>
        <source>the boxes %1 run backwards: write the smaller box first, e.g. 1..49</source>
        <translation>格 %1 是倒着寫的：請先寫較小的格，例如 1..49</translation>
    </message>
    <message>
        <source>the write-ahead log beside %1 belonged to another store; it was set aside as %2 before anything was read, so the history is the store&apos;s own</source>
        <translation>%1 旁邊的預寫日誌屬於另一個資料庫；讀取任何內容之前已把它移到一旁，改名為 %2，所以歷史號碼就是本資料庫自己的</translation>
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
        <translation>quorvel-cli：在命令列中使用六合彩歷史號碼及其遺漏統計</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>顯示這份說明並結束</translation>
    </message>
    <message>
        <source>Data folder (default: $QUORVEL_DATA_DIR, else the user&apos;s app data folder)</source>
        <translation>資料夾（預設：$QUORVEL_DATA_DIR，否則為用戶的應用程式資料夾）</translation>
    </message>
    <message>
        <source>Analysis engine: memory (default) or sql (the reference)</source>
        <translation>分析引擎：memory（預設）或 sql（參照實作）</translation>
    </message>
    <message>
        <source>First zodiac code for this run (0 or 1)</source>
        <translation>本次執行的生肖起始編號（0 或 1）</translation>
    </message>
    <message>
        <source>First segment code for this run (0 or 1)</source>
        <translation>本次執行的段數起始編號（0 或 1）</translation>
    </message>
    <message>
        <source>First colour code for this run (0 or 1)</source>
        <translation>本次執行的波色起始編號（0 或 1）</translation>
    </message>
    <message>
        <source>Where a value is looked for: special (the special number, default), regular (any of the six regular numbers), any (any of the seven) or a position 1..7 (7 is the special number)</source>
        <translation>在哪裏找這個值：special（特碼，預設）、regular（六個平碼中任何一個）、any（七個號碼中任何一個）或位置 1..7（7 是特碼）</translation>
    </message>
    <message>
        <source>unknown --where &apos;%1&apos;; use special, regular, any or a position 1..7</source>
        <translation>不明的 --where「%1」；請用 special、regular、any 或位置 1..7</translation>
    </message>
    <message>
        <source>Where the first gap of min and max counts from: history (the first stored draw, default) or range (the range&apos;s first draw, as the average always counts it)</source>
        <translation>最小和最大遺漏的第一段從哪裏算起：history（已存的第一期，預設）或 range（範圍內的第一期，平均遺漏總是這樣算）</translation>
    </message>
    <message>
        <source>First issue of the range (default: the first stored issue)</source>
        <translation>範圍的第一期（預設：已存的第一期）</translation>
    </message>
    <message>
        <source>Last issue of the range (default: the last stored issue)</source>
        <translation>範圍的最後一期（預設：已存的最後一期）</translation>
    </message>
    <message>
        <source>The range is the latest N draws (instead of --from and --to)</source>
        <translation>範圍為最近 N 期（代替 --from 和 --to）</translation>
    </message>
    <message>
        <source>give the range either with --from/--to or with --last N, not both</source>
        <translation>範圍請用 --from/--to 或 --last N 給出，不能兩者都用</translation>
    </message>
    <message>
        <source>--last takes a count of draws of at least 1, not %1</source>
        <translation>--last 的期數最少為 1，不能是 %1</translation>
    </message>
    <message>
        <source>no history: import or add draws before running an analysis</source>
        <translation>沒有歷史號碼：請先讀入或補充攪珠號碼再做統計</translation>
    </message>
    <message>
        <source>the range %1..%2 holds no stored draw; %3</source>
        <translation>範圍 %1..%2 內沒有已存的攪珠；%3</translation>
    </message>
    <message>
        <source>Group calculation: omissions of every k-combination of ticked values</source>
        <translation>分組計算：勾選的值每 k 個一組，統計各組的遺漏</translation>
    </message>
    <message>
        <source>Group size k, 1..6 (default 2)</source>
        <translation>分組位數 k，1..6（預設 2）</translation>
    </message>
    <message>
        <source>Order of the rows: min, max, last (default), label, or p (the chance of an omission at least as long as the last one, ascending: the groups away unusually long first)</source>
        <translation>行的次序：min、max、last（預設）、label 或 p（遺漏最少與當前遺漏一樣長的概率，由小到大：異常久未出的分組在前）</translation>
    </message>
    <message>
        <source>Lift the size limits for this run (memory engine; at most %1 groups, e.g. every group of 4 of the 49 numbers)</source>
        <translation>本次執行解除分組數量限制（只限記憶體引擎；最多 %1 組，例如 49 個號碼中每 4 個一組的全部分組）</translation>
    </message>
    <message>
        <source>rows stored</source>
        <translation>行已儲存</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>用法</translation>
    </message>
    <message>
        <source>Positionals</source>
        <translation>位置參數</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>Subcommands</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>INT</source>
        <translation>整數</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <translation>必填</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>選項</translation>
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
        <translation>最少需要 %1 個命令</translation>
    </message>
    <message>
        <source>%1 is required</source>
        <translation>缺少 %1</translation>
    </message>
    <message>
        <source>The following argument was not expected: %1</source>
        <translation>多出了一個參數：%1</translation>
    </message>
    <message>
        <source>The following arguments were not expected: %1</source>
        <translation>多出了這些參數：%1</translation>
    </message>
    <message>
        <source>%1: Value %2 not in range %3 to %4</source>
        <translation>%1：值 %2 不在 %3 至 %4 的範圍內</translation>
    </message>
    <message>
        <source>%1: Value %2 could not be converted</source>
        <translation>%1：值 %2 無法轉換</translation>
    </message>
    <message>
        <source>%1: %2 not in %3</source>
        <translation>%1：%2 不在 %3 之中</translation>
    </message>
    <message>
        <source>Could not convert: %1 = %2</source>
        <translation>無法轉換：%1 = %2</translation>
    </message>
    <message>
        <source>The value %1 is not an allowed value for %2</source>
        <translation>%1 不是 %2 容許的值</translation>
    </message>
    <message>
        <source>%1: too many inputs for a flag</source>
        <translation>%1：開關選項給了太多值</translation>
    </message>
    <message>
        <source>%1: %2 required %3 missing</source>
        <translation>%1：缺少 %2 個%3</translation>
    </message>
    <message>
        <source>%1: At least %2 required but received %3</source>
        <translation>%1：最少需要 %2 個，實際收到 %3 個</translation>
    </message>
    <message>
        <source>%1: At Most %2 required but received %3</source>
        <translation>%1：最多只可 %2 個，實際收到 %3 個</translation>
    </message>
    <message>
        <source>Expected exactly %1 arguments to %2, got %3</source>
        <translation>%2 需要剛好 %1 個參數，實際收到 %3 個</translation>
    </message>
    <message>
        <source>%1 requires %2</source>
        <translation>%1 需要同時給出 %2</translation>
    </message>
    <message>
        <source>%1 excludes %2</source>
        <translation>%1 不能與 %2 同用</translation>
    </message>
    <message>
        <source>in [%1 - %2]</source>
        <translation>範圍 [%1 - %2]</translation>
    </message>
    <message>
        <source>Run with %1 for more information.</source>
        <translation>執行時加 %1 查看更多說明。</translation>
    </message>
    <message>
        <source>Replace the history by the draws of a history text file</source>
        <translation>用歷史號碼文字檔中的攪珠取代歷史號碼</translation>
    </message>
    <message>
        <source>History text file: an issue and seven two-digit numbers per line</source>
        <translation>歷史號碼文字檔：每行一個期數和七個兩位數的號碼</translation>
    </message>
    <message>
        <source>Add one draw: six regular numbers and the special number, in drawn order</source>
        <translation>補充一期攪珠：六個平碼和特碼，按攪出次序</translation>
    </message>
    <message>
        <source>Issue number (default: the latest issue + 1)</source>
        <translation>期數（預設：最後一期 + 1）</translation>
    </message>
    <message>
        <source>N1 .. N6 and the special number, 1..49</source>
        <translation>N1 .. N6 和特碼，1..49</translation>
    </message>
    <message>
        <source>number %1</source>
        <translation>第 %1 個號碼</translation>
    </message>
    <message>
        <source>added draw %1 (IDX %2)</source>
        <translation>已補充第 %1 期攪珠（IDX %2）</translation>
    </message>
    <message>
        <source>List the stored draws in issue order (numbers in drawn order)</source>
        <translation>按期數次序列出已存的攪珠（號碼按攪出次序）</translation>
    </message>
    <message>
        <source>the history is empty</source>
        <translation>歷史號碼是空的</translation>
    </message>
    <message>
        <source>Show every stored field of one draw</source>
        <translation>顯示一期攪珠儲存的全部欄位</translation>
    </message>
    <message>
        <source>Issue number</source>
        <translation>期數</translation>
    </message>
    <message>
        <source>the issue</source>
        <translation>期數</translation>
    </message>
    <message>
        <source>no draw with issue %1 is stored</source>
        <translation>沒有儲存期數為 %1 的攪珠</translation>
    </message>
    <message>
        <source>Write the history as a history text file</source>
        <translation>把歷史號碼寫成歷史號碼文字檔</translation>
    </message>
    <message>
        <source>Target file (default: 更新至&lt;latest issue&gt;期历史号码.txt in the data folder)</source>
        <translation>目標檔案（預設：資料夾中的 更新至&lt;最後一期&gt;期歷史號碼.txt）</translation>
    </message>
    <message>
        <source>wrote %1</source>
        <translation>已寫入 %1</translation>
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
        <translation>改動前的歷史號碼已儲存在 %1</translation>
    </message>
    <message>
        <source>Delete the latest draw; with N, delete the latest N draws and derive the kept ones again (through lsbf.txt in the data folder). The store file is compacted afterwards</source>
        <translation>刪除最後一期攪珠；給出 N 時刪除最後 N 期，並重新推算保留的攪珠（經由資料夾中的 lsbf.txt）。之後會壓縮資料庫檔案</translation>
    </message>
    <message>
        <source>How many of the latest draws to delete (at least 1)</source>
        <translation>要刪除最後幾期攪珠（最少 1）</translation>
    </message>
    <message>
        <source>deleted the draw of issue %1: %2 (special number %3)</source>
        <translation>已刪除第 %1 期：%2（特碼 %3）</translation>
    </message>
    <message>
        <source>deleted the latest draw</source>
        <translation>已刪除最後一期攪珠</translation>
    </message>
    <message>
        <source>the number of draws to delete</source>
        <translation>要刪除的期數</translation>
    </message>
    <message>
        <source>deleted the latest %1 draw and derived the kept ones again</source>
        <translation>已刪除最後 %1 期攪珠，並重新推算了保留的攪珠</translation>
    </message>
    <message>
        <source>deleted the latest %1 draws and derived the kept ones again</source>
        <translation>已刪除最後 %1 期攪珠，並重新推算了保留的攪珠</translation>
    </message>
    <message>
        <source>Keep the draws up to ISSUE (that draw included), delete the later ones and derive the kept ones again (through lsbf.txt in the data folder). The store file is compacted afterwards</source>
        <translation>保留到 ISSUE 為止的攪珠（包括這一期），刪除之後的攪珠，並重新推算保留的攪珠（經由資料夾中的 lsbf.txt）。之後會壓縮資料庫檔案</translation>
    </message>
    <message>
        <source>The last issue to keep, for example 2014016</source>
        <translation>要保留的最後一期，例如 2014016</translation>
    </message>
    <message>
        <source>the issue to keep up to</source>
        <translation>要保留到的期數</translation>
    </message>
    <message>
        <source>the issue to keep up to has seven digits (year and sequence, e.g. 2014016), not &apos;%1&apos;</source>
        <translation>要保留到的期數是七位數字（年份加序號，例如 2014016），不能是「%1」</translation>
    </message>
    <message>
        <source>kept the draws up to %1 and derived them again</source>
        <translation>已保留到第 %1 期為止的攪珠，並重新推算了它們</translation>
    </message>
    <message>
        <source>Delete every draw at once, without a confirmation (the history is first saved to backup/ in the data folder)</source>
        <translation>一次刪除全部攪珠，不再確認（會先把歷史號碼備份到資料夾的 backup/ 中）</translation>
    </message>
    <message>
        <source>cleared the history</source>
        <translation>已清空歷史號碼</translation>
    </message>
    <message>
        <source>Derive every stored draw again with the bases in force (the settings SxIni, DsIni, BsIni), keeping every draw and its numbers; the history is first saved to backup/ in the data folder</source>
        <translation>按現行參數（設定 SxIni、DsIni、BsIni）重新推算全部已存攪珠，保留每一期及其號碼；會先把歷史號碼備份到資料夾的 backup/ 中</translation>
    </message>
    <message>
        <source>derived every draw again</source>
        <translation>已重新推算全部攪珠</translation>
    </message>
    <message>
        <source>Compact the store file; the history is unchanged</source>
        <translation>壓縮資料庫檔案；歷史號碼不變</translation>
    </message>
    <message>
        <source>compacted the store file</source>
        <translation>已壓縮資料庫檔案</translation>
    </message>
    <message>
        <source>Write a grid to an .xlsx workbook (sheet Sheet1, cells as text; results add a sheet Rules)</source>
        <translation>把一個表格寫入 .xlsx 活頁簿（工作表 Sheet1，儲存格為文字；results 另加一個規則說明工作表）</translation>
    </message>
    <message>
        <source>history: the history list; results: the groups of the last group calculation, ordered by last omission</source>
        <translation>history：歷史號碼列表；results：最近一次分組計算的分組，按最後遺漏排序</translation>
    </message>
    <message>
        <source>Target workbook, replaced when it exists (default: lishi.xlsx or Jieguo.xlsx in the data folder)</source>
        <translation>目標活頁簿，已存在則取代（預設：資料夾中的 lishi.xlsx 或 Jieguo.xlsx）</translation>
    </message>
    <message>
        <source>wrote %1 (%2 rows below the header)</source>
        <translation>已寫入 %1（表頭之下 %2 行）</translation>
    </message>
    <message>
        <source>Partial search: the draws that repeat the values of any k positions</source>
        <translation>分部檢索：任何 k 個位置的值重複出現的攪珠</translation>
    </message>
    <message>
        <source>Positions: regular (平码, 1..6) or all (平特, 1..7, default)</source>
        <translation>位置：regular（平碼，1..6）或 all（平特，1..7，預設）</translation>
    </message>
    <message>
        <source>Part size k, 1..6 (default 2)</source>
        <translation>部分位數 k，1..6（預設 2）</translation>
    </message>
    <message>
        <source>The seven values of positions 1..7, e.g. 05,11,23,30,31,44,02</source>
        <translation>位置 1..7 的七個值，例如 05,11,23,30,31,44,02</translation>
    </message>
    <message>
        <source>give the seven values either with --values or from a draw with --ref</source>
        <translation>七個值請用 --values 給出，或用 --ref 取自某一期攪珠</translation>
    </message>
    <message>
        <source>--values takes seven values (positions 1..6 and the special number), not %1</source>
        <translation>--values 需要七個值（位置 1..6 和特碼），不能是 %1 個</translation>
    </message>
    <message>
        <source>value %1</source>
        <translation>第 %1 個值</translation>
    </message>
    <message>
        <source>part size %1 is outside 1..6, so no draw is a hit</source>
        <translation>部分位數 %1 不在 1..6 之內，所以沒有命中的攪珠</translation>
    </message>
    <message>
        <source>combinations</source>
        <translation>種組合</translation>
    </message>
    <message>
        <source>positions are 1..7 (7 is the special number), not %1</source>
        <translation>位置是 1 至 7（7 是特碼），而不是 %1</translation>
    </message>
    <message>
        <source>a position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Position search: the draws that repeat the values of chosen positions</source>
        <translation>位置檢索：所選位置的值重複出現的攪珠</translation>
    </message>
    <message>
        <source>Position and value looked for, P=V (P 1..6 regular, 7 special)</source>
        <translation>要找的位置和值，P=V（P 為 1..6 是平碼，7 是特碼）</translation>
    </message>
    <message>
        <source>With --ref: the positions to look at, e.g. 1,2,7</source>
        <translation>與 --ref 同用：要看的位置，例如 1,2,7</translation>
    </message>
    <message>
        <source>give the values either with --pos or from a draw with --ref, not both</source>
        <translation>值請用 --pos 給出，或用 --ref 取自某一期攪珠，不能兩者都用</translation>
    </message>
    <message>
        <source>--positions needs --ref ISSUE (use --pos P=V to type values)</source>
        <translation>--positions 需要同時給出 --ref 期數（要直接輸入值請用 --pos P=V）</translation>
    </message>
    <message>
        <source>--pos takes P=V, for example 7=05, not %1</source>
        <translation>--pos 的寫法是 P=V，例如 7=05，不能是 %1</translation>
    </message>
    <message>
        <source>the position of --pos %1</source>
        <translation>--pos %1 的位置</translation>
    </message>
    <message>
        <source>position %1 is given twice with --pos; give each position once</source>
        <translation>--pos 兩次給出了位置 %1；每個位置請只給一次</translation>
    </message>
    <message>
        <source>the value of --pos %1</source>
        <translation>--pos %1 的值</translation>
    </message>
    <message>
        <source>unknown setting &apos;%1&apos;; the settings are %2</source>
        <translation>不明的設定「%1」；可用的設定有 %2</translation>
    </message>
    <message>
        <source>Read or change a persisted setting</source>
        <translation>讀取或更改一項已儲存的設定</translation>
    </message>
    <message>
        <source>Print the text a setting reads as (its default when not stored)</source>
        <translation>顯示一項設定讀出的文字（未儲存時為預設值）</translation>
    </message>
    <message>
        <source>Setting name, for example bolZyw or IniSerchDay</source>
        <translation>設定名稱，例如 bolZyw 或 IniSerchDay</translation>
    </message>
    <message>
        <source>Store a setting (Booleans as True or False)</source>
        <translation>儲存一項設定（布林值寫 True 或 False）</translation>
    </message>
    <message>
        <source>Setting name</source>
        <translation>設定名稱</translation>
    </message>
    <message>
        <source>New value</source>
        <translation>新的值</translation>
    </message>
    <message>
        <source>Omission table (遗漏总表): every value of a kind with its hits, omissions and recent hits</source>
        <translation>遺漏總表：某一類別的每個值及其出現次數、遺漏和近期出現</translation>
    </message>
    <message>
        <source>Number order of positions 1..6: drawn (落地码, default) or sorted (顺序码)</source>
        <translation>位置 1..6 的號碼順序：drawn（落地碼，預設）或 sorted（順序碼）</translation>
    </message>
    <message>
        <source>Order the rows by a column, ascending (default: value order): %1</source>
        <translation>按某一欄由小到大排列各行（預設：按值的次序）：%1</translation>
    </message>
    <message>
        <source>With --sort: the largest figures first</source>
        <translation>與 --sort 同用：數字大的在前</translation>
    </message>
    <message>
        <source>Also write the table, with its colours, to this .xlsx workbook (replaced if it exists)</source>
        <translation>同時把遺漏總表連同顏色寫入這個 .xlsx 活頁簿（已存在則取代）</translation>
    </message>
    <message>
        <source>Each row equals the position search for that one value with the same choices (search --mode fixed --pos 7=V for special, --mode free --pos 1=V for regular, with --with-special for any). The table is counted in memory whatever --engine says.</source>
        <translation>每一行都等於用同樣選擇對這一個值做的位置檢索（special 用 search --mode fixed --pos 7=V，regular 用 --mode free --pos 1=V，any 再加 --with-special）。無論 --engine 怎樣指定，遺漏總表都在記憶體中計算。</translation>
    </message>
    <message>
        <source>--descending needs --sort COLUMN</source>
        <translation>--descending 需要同時給出 --sort 欄名</translation>
    </message>
    <message>
        <source>unknown --sort column &apos;%1&apos;; use one of %2</source>
        <translation>不明的 --sort 欄「%1」；請用以下其中之一：%2</translation>
    </message>
    <message>
        <source>the table is counted in memory; its rows equal the position search of either engine</source>
        <translation>遺漏總表在記憶體中計算；它的各行與任何一個引擎的位置檢索相同</translation>
    </message>
    <message>
        <source>Trend chart (走势图): one row per draw, one column per value of a kind; a cell is 0 for a hit, else the draws since the value&apos;s latest hit</source>
        <translation>走勢圖：每期一行，類別的每個值一欄；攪出時儲存格為 0，否則為該值上次攪出以來的期數</translation>
    </message>
    <message>
        <source>Also write the trend, with its colours, to this .xlsx workbook (replaced if it exists)</source>
        <translation>同時把走勢圖連同顏色寫入這個 .xlsx 活頁簿（已存在則取代）</translation>
    </message>
    <message>
        <source>A miss count is one less than the omission table&apos;s last omission: a value hit in the latest draw has cell 0 and last 1. The trend is counted in memory whatever --engine says.</source>
        <translation>遺漏值比遺漏總表的最後遺漏少 1：最後一期攪出的值，儲存格為 0，最後遺漏為 1。無論 --engine 怎樣指定，走勢圖都在記憶體中計算。</translation>
    </message>
    <message>
        <source>the trend has no rows</source>
        <translation>走勢圖沒有行</translation>
    </message>
    <message>
        <source>the trend is counted in memory; either engine finds the same hits</source>
        <translation>走勢圖在記憶體中計算；兩個引擎找到的命中相同</translation>
    </message>
    <message>
        <source>--years: %1</source>
        <translation>--years：%1</translation>
    </message>
    <message>
        <source>--current-year takes a four-digit year, not %1</source>
        <translation>--current-year 須為四位數的年份，不能是 %1</translation>
    </message>
    <message>
        <source>year %1 of %2 (%3)</source>
        <translation>第 %1 年，共 %2 年（%3）</translation>
    </message>
    <message>
        <source>Bring the history up to date from the update site&apos;s yearly results pages (the prefix + YYYY.html), from the year of the latest draw to the current year. A history whose first draw is more than the years to keep old is cleared first (saved to backup/), once every kept year gave its draws. Exit 1 when any year failed</source>
        <translation>從更新網站的每年攪珠結果頁面（前綴 + YYYY.html）更新歷史號碼，由最後一期攪珠所在年份到今年。若歷史號碼的第一期早於要保留的年數，會在每個要保留的年份都取得攪珠之後先清空（備份到 backup/）。有任何年份失敗時結束碼為 1</translation>
    </message>
    <message>
        <source>Site prefix for this run, e.g. http://127.0.0.1:8080/85122/kj/ (default: the setting txtUpdateSite)</source>
        <translation>本次執行的網站前綴，例如 http://127.0.0.1:8080/85122/kj/（預設：設定 txtUpdateSite）</translation>
    </message>
    <message>
        <source>Years of history to keep for this run, 2..16 (default: the setting IniSerchDay)</source>
        <translation>本次執行要保留的歷史年數，2..16（預設：設定 IniSerchDay）</translation>
    </message>
    <message>
        <source>The current year for this run (default: today&apos;s)</source>
        <translation>本次執行的當前年份（預設：今年）</translation>
    </message>
    <message>
        <source>the latest stored draw, %1, is after the current year %2: there is no page to load; the history was left unchanged</source>
        <translation>已存的最後一期攪珠 %1 在當前年份 %2 之後：沒有要讀取的頁面；歷史號碼未改動</translation>
    </message>
    <message>
        <source>no page could be read from %1; the history was left unchanged</source>
        <translation>無法從 %1 讀取任何頁面；歷史號碼未改動</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>the update is incomplete: %1; nothing was changed; update again later</source>
        <translation>更新未完成：%1；未作任何改動；請稍後再更新</translation>
    </message>
    <message>
        <source>the update is incomplete: %1; nothing stored was removed; update again later</source>
        <translation>更新未完成：%1；已存的內容都未刪除；請稍後再更新</translation>
    </message>
    <message>
        <source>A subcommand is required</source>
        <translation>需要指定一個命令</translation>
    </message>
    <message>
        <source>How these figures were counted:</source>
        <translation>統計規則：</translation>
    </message>
    <message>
        <source>Backtest: decisions at issues %1..%2 (%3 decisions), %4 values picked each time, random seed %5</source>
        <translation>回測：第 %1 期至第 %2 期決策（共 %3 次），每次選 %4 個，隨機種子 %5</translation>
    </message>
    <message>
        <source>Backtest: decisions at issues %1..%2 (%3 decisions), %4 groups picked each time, random seed %5</source>
        <translation>回測：第 %1 期至第 %2 期決策（共 %3 次），每次選 %4 組，隨機種子 %5</translation>
    </message>
    <message>
        <source>Calibration: every eligible group at every decision, by deciles of P(≥ current gap); by chance alone a bin&apos;s hits fall in its 95% range 95 times in 100</source>
        <translation>校準：每次決策的全部可選組，按 P(≥當前遺漏) 十分位分段；純屬偶然時，每段的命中次數有 95% 的機會落在其 95% 範圍內</translation>
    </message>
    <message>
        <source>95% range</source>
        <translation>95% 範圍</translation>
    </message>
    <message>
        <source> (built in)</source>
        <translation>（內置）</translation>
    </message>
    <message>
        <source>a selection named %1 is already saved; add --replace to save these boxes in its place, or choose another name</source>
        <translation>已有名為 %1 的選擇；加上 --replace 即用這些格取代它，或另選一個名稱</translation>
    </message>
    <message>
        <source>saved: %1</source>
        <translation>已儲存：%1</translation>
    </message>
    <message>
        <source>deleted the selection %1</source>
        <translation>已刪除選擇 %1</translation>
    </message>
    <message>
        <source>List, save or delete the selections of boxes that --boxes @NAME takes</source>
        <translation>列出、儲存或刪除 --boxes @名稱 所用的格選擇</translation>
    </message>
    <message>
        <source>Print the saved selections and the built-in sets, kind by kind</source>
        <translation>按類別列出已儲存的選擇和內置選擇</translation>
    </message>
    <message>
        <source>Save the boxes given under a name, for --boxes @NAME and the window&apos;s list</source>
        <translation>把給出的格以一個名稱儲存，供 --boxes @名稱 和視窗的清單使用</translation>
    </message>
    <message>
        <source>Name of the selection</source>
        <translation>選擇的名稱</translation>
    </message>
    <message>
        <source>The boxes to keep, as the group calculation takes them</source>
        <translation>要儲存的格，寫法與分組計算相同</translation>
    </message>
    <message>
        <source>Replace a selection saved under the same name</source>
        <translation>取代同名的已儲存選擇</translation>
    </message>
    <message>
        <source>Delete a saved selection</source>
        <translation>刪除一個已儲存的選擇</translation>
    </message>
    <message>
        <source>Attribute kind: 0..7, its Chinese name in either script, or number, zodiac, head, tail, digitsum, segment, colour, parity, size, sum-parity, tail-size, domestic, half-wave-parity, half-wave-size (default number)</source>
        <translation>屬性類別：0..7、它的中文名（簡體或繁體），或 number、zodiac、head、tail、digitsum、segment、colour、parity、size、sum-parity、tail-size、domestic、half-wave-parity、half-wave-size（預設 number）</translation>
    </message>
    <message>
        <source>unknown kind &apos;%1&apos;; use 0..7, the Chinese name in either script, or number, zodiac, head, tail, digitsum, segment, colour, parity, size, sum-parity, tail-size, domestic, half-wave-parity, half-wave-size</source>
        <translation>不明的類別「%1」；請用 0..7、中文名（簡體或繁體），或 number、zodiac、head、tail、digitsum、segment、colour、parity、size、sum-parity、tail-size、domestic、half-wave-parity、half-wave-size</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>no stored draw at or before issue %1 to take the reference values from (the first stored issue is %2)</source>
        <translation>第 %1 期及之前沒有已存的攪珠結果，取不到參考值（已存的第一期是 %2）</translation>
    </message>
    <message>
        <source>the backtest takes groups of 1..6 of at most 64 values</source>
        <translation>回測的每組含 1 到 6 個值，最多從 64 個值中選</translation>
    </message>
    <message>
        <source>the backtest picks at least one group per decision</source>
        <translation>回測每次決策至少選 1 組</translation>
    </message>
    <message>
        <source>3个分组请选择40个（含）以内的个数的号码</source>
        <translation>3個一組時最多只可選40個號碼</translation>
    </message>
    <message>
        <source>4个分组请选择24个（含）以内的个数的号码</source>
        <translation>4個一組時最多只可選24個號碼</translation>
    </message>
    <message>
        <source>5个分组请选择18个（含）以内的个数的号码</source>
        <translation>5個一組時最多只可選18個號碼</translation>
    </message>
    <message>
        <source>6个分组请选择16个（含）以内的个数的号码</source>
        <translation>6個一組時最多只可選16個號碼</translation>
    </message>
    <message>
        <source>%1 values in groups of %2 make %3 groups, more than the ceiling of %4 groups of one run with the size limits lifted (不限组数). Tick fewer values or choose a smaller group size; nothing was calculated.</source>
        <translation>%1 個值每 %2 個一組共有 %3 組，超過了不限組數時一次最多 %4 組的上限。請少勾選一些值或選較小的組合位數；未作任何計算。</translation>
    </message>
    <message>
        <source>%1 usable value(s) ticked for groups of %2: no group to calculate (tick at least %2 of boxes 1..%3)</source>
        <translation>只勾選了 %1 個可用的值，組合位數為 %2：沒有可計算的分組（請在第 1 到 %3 個框中至少勾選 %2 個）</translation>
    </message>
    <message>
        <source>The reference engine (--engine sql) keeps the size limits even when they are lifted (不限组数, --no-limit): it runs statements for every group and would need hours. The memory engine lifts them.</source>
        <translation>參考引擎（--engine sql）即使選了不限組數（--no-limit）也保留組數限制：它要為每一組執行語句，需要數小時。記憶體引擎則會取消限制。</translation>
    </message>
    <message>
        <source>where a value is looked for (special, regular or any) applies to groups of one value; choose group size 1, or leave it out to count groups as the group calculation does</source>
        <translation>指定在特碼、平碼或任意位置尋找只適用於每組 1 個值；請選組合位數 1，或不指定，按分組計算的方式統計</translation>
    </message>
    <message>
        <source>the backtest looks for a value as the special number, among the regular numbers or among all seven, not at one position</source>
        <translation>回測只在特碼、平碼或全部七個號碼中尋找，不按單個位置尋找</translation>
    </message>
    <message>
        <source>the backtest picks at least one group per decision, not %1</source>
        <translation>回測每次決策至少選 1 組，而不是 %1 組</translation>
    </message>
    <message>
        <source>%1; nothing to backtest</source>
        <translation>%1；沒有可回測的內容</translation>
    </message>
    <message>
        <source>the backtest needs a decision draw before the latest one, but the history holds %1 draws and the first decision would be at issue %2 or later; choose an earlier start issue</source>
        <translation>回測需要在最新一期之前有決策的一期，但歷史只有 %1 期，第一次決策要在第 %2 期或之後；請選更早的起始期數</translation>
    </message>
    <message>
        <source>the backtest needs a decision draw before the latest one, but the history holds %1 draws and the first decision would be the %2th draw; choose an earlier start issue</source>
        <translation>回測需要在最新一期之前有決策的一期，但歷史只有 %1 期，第一次決策要在歷史中排第 %2 的一期；請選更早的起始期數</translation>
    </message>
    <message>
        <source>no history: import or add draws before running an analysis</source>
        <translation>沒有歷史號碼：請先讀入或補充攪珠結果，再做統計</translation>
    </message>
    <message>
        <source>号码（分组）</source>
        <translation>號碼（分組）</translation>
    </message>
    <message>
        <source>最小遗漏</source>
        <translation>最小遺漏</translation>
    </message>
    <message>
        <source>最大遗漏</source>
        <translation>最大遺漏</translation>
    </message>
    <message>
        <source>最后遗漏</source>
        <translation>最後遺漏</translation>
    </message>
    <message>
        <source>positions are 1..7 (7 is the special number), not %1</source>
        <translation>位置是 1 到 7（7 是特碼），而不是 %1</translation>
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
        <translation>組合位數「%1」不是數字：組合位數仍為 %2。</translation>
    </message>
    <message>
        <source>zodiac base %1</source>
        <translation>生肖參數 %1</translation>
    </message>
    <message>
        <source>zodiac names</source>
        <translation>生肖名稱</translation>
    </message>
    <message>
        <source>segment base %1</source>
        <translation>段數參數 %1</translation>
    </message>
    <message>
        <source>segment codes</source>
        <translation>段數代碼</translation>
    </message>
    <message>
        <source>colour base %1</source>
        <translation>波色參數 %1</translation>
    </message>
    <message>
        <source>colour names</source>
        <translation>波色名稱</translation>
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
        <translation>已存的攪珠結果按%1推算，但設定是%2，所以顯示的%3有誤；請按設定重新推算：quorvel-cli rebuild（會先儲存備份），或把設定改回：%4</translation>
    </message>
    <message>
        <source>the bases given for this run (%1) differ from those the stored draws were derived with (%2), and rows derived with them would not match the stored ones; nothing was changed</source>
        <translation>本次指定的參數（%1）與已存攪珠結果推算時所用的參數（%2）不同，按它推算的記錄會與已存的不一致；未作任何改動</translation>
    </message>
    <message>
        <source>%1; to use these bases, which the settings already hold, derive the stored draws again (quorvel-cli rebuild), then run without the base options</source>
        <translation>%1；設定裏已是這些參數，要使用它們，請重新推算已存的攪珠結果（quorvel-cli rebuild），然後不帶參數選項再執行</translation>
    </message>
    <message>
        <source>%1; to use these bases, change the setting instead (%2) and derive the stored draws again (quorvel-cli rebuild), then run without the base options</source>
        <translation>%1；要使用這些參數，請改設定（%2）並重新推算已存的攪珠結果（quorvel-cli rebuild），然後不帶參數選項再執行</translation>
    </message>
    <message>
        <source>命中次数</source>
        <translation>命中次數</translation>
    </message>
    <message>
        <source>平均遗漏</source>
        <translation>平均遺漏</translation>
    </message>
    <message>
        <source>最大连出</source>
        <translation>最大連出</translation>
    </message>
    <message>
        <source>上次遗漏</source>
        <translation>上次遺漏</translation>
    </message>
    <message>
        <source>当前遗漏</source>
        <translation>當前遺漏</translation>
    </message>
    <message>
        <source>理论概率</source>
        <translation>理論概率</translation>
    </message>
    <message>
        <source>期望间隔</source>
        <translation>期望間隔</translation>
    </message>
    <message>
        <source>P(≥当前遗漏)</source>
        <translation>P(≥當前遺漏)</translation>
    </message>
    <message>
        <source>概率来源</source>
        <translation>概率來源</translation>
    </message>
    <message>
        <source>精确 (exact)</source>
        <translation>精確</translation>
    </message>
    <message>
        <source>观测 (observed)</source>
        <translation>觀測</translation>
    </message>
    <message>
        <source>期号</source>
        <translation>期數</translation>
    </message>
    <message>
        <source>特码</source>
        <translation>特碼</translation>
    </message>
    <message>
        <source>落%1码</source>
        <translation>落%1碼</translation>
    </message>
    <message>
        <source>Stored 1 draw from %1.</source>
        <translation>已從 %1 讀入 1 期攪珠結果。</translation>
    </message>
    <message>
        <source>Stored %1 draws from %2.</source>
        <translation>已從 %2 讀入 %1 期攪珠結果。</translation>
    </message>
    <message>
        <source>The history it replaced was saved to %1.</source>
        <translation>原有的歷史號碼已另存到 %1。</translation>
    </message>
    <message>
        <source>No line was skipped.</source>
        <translation>沒有跳過任何行。</translation>
    </message>
    <message>
        <source>Skipped 1 line:</source>
        <translation>跳過 1 行：</translation>
    </message>
    <message>
        <source>Skipped %1 lines:</source>
        <translation>跳過 %1 行：</translation>
    </message>
    <message>
        <source>line %1 &quot;%2&quot;: %3</source>
        <translation>第 %1 行「%2」：%3</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>另有 %1 行</translation>
    </message>
    <message>
        <source>box 7 (特码)</source>
        <translation>第 7 個框（特碼）</translation>
    </message>
    <message>
        <source>box %1 (落%1码)</source>
        <translation>第 %1 個框（落%1碼）</translation>
    </message>
    <message>
        <source>The draw was not stored: %1 is empty; type its number.</source>
        <translation>攪珠結果未儲存：%1是空的，請輸入號碼。</translation>
    </message>
    <message>
        <source>The draw was not stored: %1 holds &apos;%2&apos;; a number is 1 to 49, correct it.</source>
        <translation>攪珠結果未儲存：%1填的是「%2」，號碼應為 1 至 49，請改正。</translation>
    </message>
    <message>
        <source>The draw was not stored: %1 repeats %2 of %3; a draw holds each number once, correct one of them.</source>
        <translation>攪珠結果未儲存：%1與%3重複了 %2，每期每個號碼只會出現一次，請改正其中一個。</translation>
    </message>
    <message>
        <source>The reference issue &apos;%1&apos; is not an issue number (type one such as 2013050); the reference values and the end issue were kept.</source>
        <translation>參考期數「%1」不是期數（請輸入如 2013050 的期數）；參考值和截止期數未改動。</translation>
    </message>
    <message>
        <source>The history is empty, so there is no reference draw (import or enter draws first); the reference values and the end issue were kept.</source>
        <translation>歷史號碼是空的，沒有參考的一期（請先讀入或補充攪珠結果）；參考值和截止期數未改動。</translation>
    </message>
    <message>
        <source>No stored draw is at or before issue %1 (the first stored issue is %2); the reference values and the end issue were kept.</source>
        <translation>第 %1 期及之前沒有已存的攪珠結果（已存的第一期是 %2）；參考值和截止期數未改動。</translation>
    </message>
    <message>
        <source>P(≥ last)</source>
        <translation>P(≥當前遺漏)</translation>
    </message>
    <message>
        <source>为了保证时效性和提高计算效率，软件只能统计16年以内的数据，请输入2到16中的自然数。</source>
        <translation>為確保資料合時及提高計算效率，本軟件只可統計16年以內的資料，請輸入2至16之間的整數。</translation>
    </message>
    <message>
        <source>%1 takes True or False, not &apos;%2&apos;</source>
        <translation>%1 只可以是 True 或 False，而不是「%2」</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation>%1 只可以是 %2 至 %3 的整數，而不是「%4」</translation>
    </message>
    <message>
        <source>代码</source>
        <translation>代碼</translation>
    </message>
    <message>
        <source>出现次数</source>
        <translation>出現次數</translation>
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
        <translation>現有歷史號碼的第一期早於保留的%1年：讀取網頁後會先清空現有歷史（另存到備份資料夾），只保留%2年至%3年的歷史號碼。</translation>
    </message>
    <message>
        <source>The history began more than %1 years ago, but it was not cleared: not every kept year gave its draws, and clearing would lose the stored draws of the years that failed. Nothing was changed; update again later.</source>
        <translation>歷史號碼始於 %1 年以前，但沒有清空：保留的年份並非每年都讀到了攪珠結果，清空會失去讀取失敗那些年份已存的攪珠結果。未作任何改動，請稍後再更新。</translation>
    </message>
    <message>
        <source>No page could be read, so the history was left unchanged.</source>
        <translation>沒有讀到任何網頁，歷史號碼未改動。</translation>
    </message>
    <message>
        <source>Added %1.</source>
        <translation>共補充 %1。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>no draw yet</source>
        <translation>尚未攪珠</translation>
    </message>
    <message>
        <source>The history began more than %1 years ago, so it was cleared before the new draws were stored; it was saved to %2.</source>
        <translation>歷史號碼始於 %1 年以前，所以在儲存新的攪珠結果前已清空；原有歷史已另存到 %2。</translation>
    </message>
    <message>
        <source>The history began more than %1 years ago, so it was cleared before the new draws were stored.</source>
        <translation>歷史號碼始於 %1 年以前，所以在儲存新的攪珠結果前已清空。</translation>
    </message>
    <message>
        <source>Years that failed (nothing stored was removed; update again to load what is missing, in order):</source>
        <translation>讀取失敗的年份（已存的攪珠結果一期也沒有刪除；再更新一次，會按次序補回欠缺的各期）：</translation>
    </message>
    <message>
        <source>Skipped 1 row:</source>
        <translation>跳過 1 列：</translation>
    </message>
    <message>
        <source>Skipped %1 rows:</source>
        <translation>跳過 %1 列：</translation>
    </message>
    <message>
        <source>%1 row %2 &quot;%3&quot;: %4</source>
        <translation>%1年第 %2 列「%3」：%4</translation>
    </message>
    <message>
        <source>读入历史</source>
        <translation>讀入歷史</translation>
    </message>
    <message>
        <source>确实要在线更新最新历史号码吗？更新可能要花费一段时间，网络不通或者我方服务器更新不及时可能都造成更新失败！</source>
        <translation>確定要網上更新最新的歷史號碼嗎？更新可能需要一段時間；網絡不通或我方伺服器未及時更新，都可能令更新失敗！</translation>
    </message>
    <message>
        <source>The start issue of 检索起止期数 &apos;%1&apos; is not an issue number: type one such as 2013001. Nothing was run.</source>
        <translation>「檢索起止期數」的起始期數「%1」不是期數：請輸入如 2013001 的期數。未有檢索。</translation>
    </message>
    <message>
        <source>The end issue of 检索起止期数 &apos;%1&apos; is not an issue number: type one such as 2013001. Nothing was run.</source>
        <translation>「檢索起止期數」的截止期數「%1」不是期數：請輸入如 2013001 的期數。未有檢索。</translation>
    </message>
    <message>
        <source>cannot create the data folder %1: %2</source>
        <translation>無法建立存放資料的資料夾 %1：%2</translation>
    </message>
    <message>
        <source>%1 holds no usable draw (it is empty or holds only blank lines); the history was left unchanged</source>
        <translation>%1 中沒有可用的攪珠結果（檔案是空的或只有空行）；歷史號碼未改動</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>%1 holds no usable draw: every line was skipped (%2; %3); the history was left unchanged</source>
        <translation>%1 中沒有可用的攪珠結果：每一行都被跳過（共 %2 行；%3）；歷史號碼未改動</translation>
    </message>
    <message>
        <source>a history text file&apos;s name ends in .txt, not &apos;%1&apos;; the history was left unchanged</source>
        <translation>歷史號碼文字檔的檔案名稱應以 .txt 結尾，而不是「%1」；歷史號碼未改動</translation>
    </message>
    <message>
        <source>the import</source>
        <translation>讀入</translation>
    </message>
    <message>
        <source>number %1 is outside 1..49; nothing was added</source>
        <translation>號碼 %1 不在 1 到 49 之間；未補充任何號碼</translation>
    </message>
    <message>
        <source>number %1 appears twice in the draw; nothing was added</source>
        <translation>號碼 %1 在這一期中出現了兩次；未補充任何號碼</translation>
    </message>
    <message>
        <source>an issue has seven digits (year and three-digit sequence, e.g. 2013017), not %1; nothing was added</source>
        <translation>期數是七位數字（年份加三位序號，如 2013017），而不是 %1；未補充任何號碼</translation>
    </message>
    <message>
        <source>issue %1 has the sequence 000; a year&apos;s draws count from 001; nothing was added</source>
        <translation>期數 %1 的序號是 000，每年的攪珠從 001 起計；未補充任何號碼</translation>
    </message>
    <message>
        <source>issue %1 is already stored: draw %2 in the list holds it (%3); nothing was added; give another issue, or delete that draw first</source>
        <translation>期數 %1 已經存在：清單中排第 %2 的一期就是它（%3）；未補充任何號碼；請換一個期數，或先刪除那一期</translation>
    </message>
    <message>
        <source>adding the draw</source>
        <translation>補充攪珠結果</translation>
    </message>
    <message>
        <source>the page is larger than a yearly results page can be (over %1 MB or %2 tags): it was not read</source>
        <translation>網頁比全年攪珠結果頁應有的大（超過 %1 MB 或 %2 個標籤）：未讀取</translation>
    </message>
    <message>
        <source>the page holds no table with the id &quot;main&quot;: not a yearly results page</source>
        <translation>網頁中沒有 id 為 &quot;main&quot; 的表格：不是全年攪珠結果頁</translation>
    </message>
    <message>
        <source>the table &quot;main&quot; holds no usable draw (%1 rows skipped): not a yearly results page, or an empty one</source>
        <translation>表格 &quot;main&quot; 中沒有可用的攪珠結果（跳過 %1 列）：不是全年攪珠結果頁，或是空白頁</translation>
    </message>
    <message>
        <source>no draw yet, so the kept years are not complete</source>
        <translation>尚未攪珠，保留的年份不完整</translation>
    </message>
    <message>
        <source>the update</source>
        <translation>網上更新</translation>
    </message>
    <message>
        <source>; the history was left unchanged</source>
        <translation>；歷史號碼未改動</translation>
    </message>
    <message>
        <source>the history is empty: there is nothing to export; import or add draws first</source>
        <translation>歷史號碼是空的：沒有可匯出的內容；請先讀入或補充攪珠結果</translation>
    </message>
    <message>
        <source>the issue &apos;%1&apos; could not be read: start the line with the issue as seven digits (e.g. 2013017), or with the first two-digit number to take the previous issue + 1</source>
        <translation>期數「%1」讀不出來：行首請寫七位數字的期數（如 2013017），或直接寫第一個兩位數號碼，期數取上一期加 1</translation>
    </message>
    <message>
        <source>the issue &apos;%1&apos; has more than seven digits: write the issue as seven digits (e.g. 2013017) and a space</source>
        <translation>期數「%1」超過七位數字：請寫七位數字的期數（如 2013017）再加一個空格</translation>
    </message>
    <message>
        <source>the issue %1 is not a draw&apos;s issue: write the year and the draw&apos;s sequence number, e.g. 2013017</source>
        <translation>%1 不是攪珠的期數：請寫年份加該期序號，如 2013017</translation>
    </message>
    <message>
        <source>the issue %1 has the sequence 000; a year&apos;s draws count from 001: write the draw&apos;s own issue, e.g. %2</source>
        <translation>期數 %1 的序號是 000，每年的攪珠從 001 起計：請寫該期自己的期數，如 %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a two-digit number: write each number as two digits, e.g. 05</source>
        <translation>「%1」不是兩位數：每個號碼請寫成兩位數，如 05</translation>
    </message>
    <message>
        <source>fewer than seven numbers (found %1)</source>
        <translation>號碼不足七個（只有 %1 個）</translation>
    </message>
    <message>
        <source>more than seven numbers: &apos;%1&apos; follows the special number; a line holds six numbers and the special number</source>
        <translation>號碼多於七個：特碼後面還有「%1」；一行只寫六個平碼和一個特碼</translation>
    </message>
    <message>
        <source>number %1 is outside 1..49</source>
        <translation>號碼 %1 不在 1 到 49 之間</translation>
    </message>
    <message>
        <source>number %1 appears twice: a draw&apos;s numbers all differ</source>
        <translation>號碼 %1 出現了兩次：一期的號碼各不相同</translation>
    </message>
    <message>
        <source>the text could not be read to its end</source>
        <translation>文字未能讀到結尾</translation>
    </message>
    <message>
        <source>no issue to count from: start the first draw&apos;s line with its issue as seven digits, e.g. 2013017</source>
        <translation>沒有可以接着計的期數：第一期的行首請寫七位數字的期數，如 2013017</translation>
    </message>
    <message>
        <source>the history text is not a text file (it holds NUL bytes; UTF-16 or binary?); save the history as plain text (UTF-8), one draw per line, and import that file</source>
        <translation>歷史號碼不是文字檔（含有 NUL 位元組，可能是 UTF-16 或二進位檔案）；請把歷史號碼另存為純文字（UTF-8），每行一期，再讀入該檔案</translation>
    </message>
    <message>
        <source>cannot read %1: it is a folder</source>
        <translation>無法讀取 %1：它是資料夾</translation>
    </message>
    <message>
        <source>cannot read %1: it is not a regular file; import a history text file</source>
        <translation>無法讀取 %1：它不是一般檔案；請讀入歷史號碼文字檔</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>無法開啓 %1：%2</translation>
    </message>
    <message>
        <source>cannot import %1: not a text file (it holds NUL bytes; UTF-16 or binary?); save the history as plain text (UTF-8), one draw per line, and import that file</source>
        <translation>無法讀入 %1：不是文字檔（含有 NUL 位元組，可能是 UTF-16 或二進位檔案）；請把歷史號碼另存為純文字（UTF-8），每行一期，再讀入該檔案</translation>
    </message>
    <message>
        <source>cannot read %1: the file could not be read to its end</source>
        <translation>無法讀取 %1：檔案未能讀到結尾</translation>
    </message>
    <message>
        <source>regular number %1 (cell 2)</source>
        <translation>第 %1 個平碼（第 2 格）</translation>
    </message>
    <message>
        <source>the special number (cell 3)</source>
        <translation>特碼（第 3 格）</translation>
    </message>
    <message>
        <source>%1 reads %2, not a number</source>
        <translation>%1是「%2」，不是號碼</translation>
    </message>
    <message>
        <source>%1 is %2, outside 1..49</source>
        <translation>%1是 %2，不在 1 到 49 之間</translation>
    </message>
    <message>
        <source>%1 is %2, already in the draw</source>
        <translation>%1是 %2，這一期中已經有了</translation>
    </message>
    <message>
        <source>the row has %1 cells; a draw needs 4</source>
        <translation>這一列有 %1 格；一期攪珠結果需要 4 格</translation>
    </message>
    <message>
        <source>the draw&apos;s sequence number (cell 1) reads %1, not a number from 1</source>
        <translation>該期序號（第 1 格）是「%1」，不是從 1 起的數字</translation>
    </message>
    <message>
        <source>issue %1 is listed twice; the draw of row %2 was kept</source>
        <translation>期數 %1 出現了兩次；保留了第 %2 列的攪珠結果</translation>
    </message>
    <message>
        <source>No update site is set. Set the address the yearly pages are found under (for example http://127.0.0.1:8080/85122/kj/, the page of 2014 then being .../2014.html) in the menu 设置 → 在线更新网址.</source>
        <translation>還沒有設定網上更新網址。請在選單「設定」→「網上更新網址」中填寫各年攪珠結果頁所在的網址（例如 http://127.0.0.1:8080/85122/kj/，2014 年的網頁即為 .../2014.html）。</translation>
    </message>
    <message>
        <source>no update site is set: set the address the yearly pages are found under (for example http://127.0.0.1:8080/85122/kj/, the page of 2014 then being .../2014.html) with: quorvel-cli settings set txtUpdateSite URL</source>
        <translation>還沒有設定網上更新網址：請用 quorvel-cli settings set txtUpdateSite URL 設定各年攪珠結果頁所在的網址（例如 http://127.0.0.1:8080/85122/kj/，2014 年的網頁即為 .../2014.html）</translation>
    </message>
    <message>
        <source>the update site &apos;%1&apos; is not a web address: give the whole prefix of the yearly pages, starting with http:// or https:// (for example http://127.0.0.1:8080/85122/kj/)</source>
        <translation>網上更新網址「%1」不是網址：請填寫各年攪珠結果頁網址的完整前綴，以 http:// 或 https:// 開頭（例如 http://127.0.0.1:8080/85122/kj/）</translation>
    </message>
    <message>
        <source>cannot export to %1: %2; nothing was written</source>
        <translation>無法匯出到 %1：%2；未寫入任何內容</translation>
    </message>
    <message>
        <source>it is a symbolic link (to %1), which an export does not write through; give the path of the file itself, or another path</source>
        <translation>它是指向 %1 的符號連結，匯出不會經由連結寫入；請給出檔案本身的路徑，或換一個路徑</translation>
    </message>
    <message>
        <source>it is a folder; give the path of a file to write</source>
        <translation>它是資料夾；請給出要寫入的檔案的路徑</translation>
    </message>
    <message>
        <source>it is not a regular file (a FIFO, a device or a socket); give the path of a file to write</source>
        <translation>它不是一般檔案（是管道、裝置或通訊端）；請給出要寫入的檔案的路徑</translation>
    </message>
    <message>
        <source>it is the history store</source>
        <translation>它是歷史號碼資料庫</translation>
    </message>
    <message>
        <source>it is the history store&apos;s write-ahead log</source>
        <translation>它是歷史號碼資料庫的預寫日誌</translation>
    </message>
    <message>
        <source>it is the history store&apos;s shared-memory file</source>
        <translation>它是歷史號碼資料庫的共享記憶體檔案</translation>
    </message>
    <message>
        <source>it is the settings file</source>
        <translation>它是設定檔</translation>
    </message>
    <message>
        <source>%1, which an export never replaces; choose another path</source>
        <translation>%1，匯出絕不會覆寫它；請換一個路徑</translation>
    </message>
    <message>
        <source>it is in the backup folder, which holds the safety copies of the history; choose another folder</source>
        <translation>它在存放歷史號碼備份的備份資料夾中；請換一個資料夾</translation>
    </message>
    <message>
        <source>the safety copy %1 would not restore the history (%2)</source>
        <translation>備份 %1 無法還原歷史號碼（%2）</translation>
    </message>
    <message>
        <source>the safety copy %1 would not restore draw %2 unchanged (a history text file holds seven-digit issues whose sequence is not 000)</source>
        <translation>備份 %1 無法原樣還原第 %2 期（歷史號碼文字檔只能存七位數字、序號不為 000 的期數）</translation>
    </message>
    <message>
        <source>cannot create the backup folder %1: %2; nothing was changed</source>
        <translation>無法建立備份資料夾 %1：%2；未作任何改動</translation>
    </message>
    <message>
        <source>cannot write the safety copy of the history: %1; nothing was changed. To keep this history anyway, move %2 out of the data folder (it is a complete copy), then go on with a new store</source>
        <translation>無法寫入歷史號碼的備份：%1；未作任何改動。如仍要保留這份歷史，請把 %2 移出存放資料的資料夾（它是完整的副本），然後用新的資料庫繼續</translation>
    </message>
    <message>
        <source>%1. Move it away (rename it, e.g. to %2.damaged) and start again: a new, empty store is created. Then import the newest backup, %3, to restore the history.</source>
        <translation>%1。請把它移走（改名，如改為 %2.damaged）後重新啓動：程式會新建一個空資料庫。然後讀入最新的備份 %3 來還原歷史號碼。</translation>
    </message>
    <message>
        <source>%1. Move it away (rename it, e.g. to %2.damaged) and start again: a new, empty store is created. There is no backup in %3.</source>
        <translation>%1。請把它移走（改名，如改為 %2.damaged）後重新啓動：程式會新建一個空資料庫。%3 中沒有備份。</translation>
    </message>
    <message>
        <source>draw %1 does not read back unchanged from %2 (the history text format needs seven-digit issue numbers); the history was left unchanged</source>
        <translation>第 %1 期從 %2 讀回時有變化（歷史號碼文字檔格式需要七位數字的期數）；歷史號碼未改動</translation>
    </message>
    <message>
        <source>the history is empty: there is nothing to %1; import or add draws first</source>
        <translation>歷史號碼是空的：沒有可%1的內容；請先讀入或補充攪珠結果</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>deleting the latest draw</source>
        <translation>刪除最新一期</translation>
    </message>
    <message>
        <source>the number of draws to delete must be at least 1, not %1; nothing was changed</source>
        <translation>要刪除的期數至少為 1，而不是 %1；未作任何改動</translation>
    </message>
    <message>
        <source>the issue to keep the history up to has seven digits (year and sequence, e.g. 2014016), not %1; nothing was changed</source>
        <translation>保留到的期數是七位數字（年份加序號，如 2014016），而不是 %1；未作任何改動</translation>
    </message>
    <message>
        <source>no draw is up to %1 (the first is %2), so keeping the draws up to it would keep none; nothing was changed. To delete every draw, clear the history instead</source>
        <translation>第 %1 期及之前沒有攪珠結果（第一期是 %2），保留到該期將一期不剩；未作任何改動。要刪除全部攪珠結果，請改用清除歷史</translation>
    </message>
    <message>
        <source>derive again</source>
        <translation>重新推算</translation>
    </message>
    <message>
        <source>deriving the history again</source>
        <translation>重新推算歷史號碼</translation>
    </message>
    <message>
        <source>%1; the history was left unchanged</source>
        <translation>%1；歷史號碼未改動</translation>
    </message>
    <message>
        <source>clearing the history</source>
        <translation>清除歷史號碼</translation>
    </message>
    <message>
        <source>the change was saved, but compacting the store file failed: %1; run the compaction again to reclaim the space</source>
        <translation>改動已儲存，但壓縮資料庫檔案失敗：%1；請再壓縮一次以釋放空間</translation>
    </message>
    <message>
        <source>shortening the history</source>
        <translation>刪減歷史號碼</translation>
    </message>
    <message>
        <source>line %1 of %2 cannot be read back (%3): &apos;%4&apos;; the history was left unchanged</source>
        <translation>%2 的第 %1 行讀不回來（%3）：「%4」；歷史號碼未改動</translation>
    </message>
    <message>
        <source>rebuilding the history</source>
        <translation>重建歷史號碼</translation>
    </message>
    <message>
        <source>rebuilding the history failed in the store: %1; the history was left unchanged</source>
        <translation>在資料庫中重建歷史號碼失敗：%1；歷史號碼未改動</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>無法寫入 %1：%2</translation>
    </message>
    <message>
        <source>writing %1 failed (is the disk full?)</source>
        <translation>寫入 %1 失敗（磁碟滿了嗎？）</translation>
    </message>
    <message>
        <source>cannot write the workbook %1: out of memory</source>
        <translation>無法寫入活頁簿 %1：記憶體不足</translation>
    </message>
    <message>
        <source>cannot write cell (%1, %2) of %3: %4; nothing was written</source>
        <translation>無法寫入 %3 的儲存格（%1, %2）：%4；未寫入任何內容</translation>
    </message>
    <message>
        <source>cannot create the workbook %1: out of memory</source>
        <translation>無法建立活頁簿 %1：記憶體不足</translation>
    </message>
    <message>
        <source>cannot add the sheet %1 to the workbook %2</source>
        <translation>無法在活頁簿 %2 中加入工作表 %1</translation>
    </message>
    <message>
        <source>cannot write the workbook %1: %2; check that its folder exists and is writable</source>
        <translation>無法寫入活頁簿 %1：%2；請檢查其資料夾是否存在並可寫入</translation>
    </message>
    <message>
        <source>cannot replace %1: %2; close it in any program that has it open, or choose another path, and export again</source>
        <translation>無法替換 %1：%2；請在開啓它的程式中關閉它，或換一個路徑，然後重新匯出</translation>
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
        <translation>%1 在 %2內沒有回應；伺服器可能停機或太慢，請稍後再試</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB: not a yearly results page</source>
        <translation>%1 大於 %2 MB：不是全年攪珠結果頁</translation>
    </message>
    <message>
        <source>the server answered %1 %2 for %3</source>
        <translation>伺服器對 %3 的回應是 %1 %2</translation>
    </message>
    <message>
        <source>cannot load %1: %2</source>
        <translation>無法載入 %1：%2</translation>
    </message>
    <message>
        <source>the page %1 is in a character set this program cannot read (named in the page)</source>
        <translation>網頁 %1 使用了本程式無法讀取的字元集（網頁中指明的）</translation>
    </message>
    <message>
        <source>the page %1 is in a character set this program cannot read (%2)</source>
        <translation>網頁 %1 使用了本程式無法讀取的字元集（%2）</translation>
    </message>
    <message>
        <source>cannot save the setting %1: the settings file %2 could not be read (%3); it was left as it is; correct it or move it away (the defaults then apply)</source>
        <translation>無法儲存設定 %1：設定檔 %2 讀不出來（%3）；它保持原樣；請改正它或把它移走（之後會使用預設設定）</translation>
    </message>
    <message>
        <source>no access</source>
        <translation>沒有存取權限</translation>
    </message>
    <message>
        <source>not a valid INI file</source>
        <translation>不是有效的設定檔</translation>
    </message>
    <message>
        <source>cannot save the setting %1 to %2</source>
        <translation>無法把設定 %1 儲存到 %2</translation>
    </message>
    <message>
        <source>the history store %1 is a folder, not a store file; it was left as it is</source>
        <translation>歷史號碼資料庫 %1 是資料夾，不是資料庫檔案；它保持原樣</translation>
    </message>
    <message>
        <source>the history store %1 is damaged: SQLite cannot read it (%2); it was left as it is</source>
        <translation>歷史號碼資料庫 %1 已損壞：SQLite 讀不出來（%2）；它保持原樣</translation>
    </message>
    <message>
        <source>compacting the store file</source>
        <translation>壓縮資料庫檔案</translation>
    </message>
    <message>
        <source>compacting failed: the history store %1 is damaged (%2); it was left as it is</source>
        <translation>壓縮失敗：歷史號碼資料庫 %1 已損壞（%2）；它保持原樣</translation>
    </message>
    <message>
        <source>%1 failed: %2; the history is unchanged; free some disk space and try again</source>
        <translation>%1失敗：%2；歷史號碼未改動；請騰出一些磁碟空間再試</translation>
    </message>
    <message>
        <source>%1 failed: %2%3</source>
        <translation>%1失敗：%2%3</translation>
    </message>
    <message>
        <source>the history store %1 is held by another program (another quorvel window or quorvel-cli) whose change did not finish within %2 seconds; nothing was changed; try again when it has finished</source>
        <translation>歷史號碼資料庫 %1 正被另一個程式（另一個 quorvel 視窗或 quorvel-cli）佔用，其改動 %2 秒內沒有完成；未作任何改動；請等它完成後再試</translation>
    </message>
    <message>
        <source>the history store %1 is damaged (%2); it was left as it is; move it away, start again with a new store and import the newest backup</source>
        <translation>歷史號碼資料庫 %1 已損壞（%2）；它保持原樣；請把它移走，用新的資料庫重新開始，並讀入最新的備份</translation>
    </message>
    <message>
        <source>the history store %1 failed: %2; nothing was changed</source>
        <translation>歷史號碼資料庫 %1 出錯：%2；未作任何改動</translation>
    </message>
    <message>
        <source>the write-ahead log %1 belongs to another store, and it could not be set aside (%2); nothing was read; move it out of the data folder and start again</source>
        <translation>預寫日誌 %1 屬於另一個資料庫，且無法移到一旁（%2）；未讀取任何內容；請把它移出存放資料的資料夾後重新開始</translation>
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
        <translation>遺漏次數</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>storing the %1 rows of the group calculation</source>
        <translation>儲存分組計算的 %1 列結果</translation>
    </message>
    <message>
        <source>; those rows were not stored: the stored group results are still those of the calculation before; run the calculation again once the store can be written</source>
        <translation>；這些結果未儲存：已儲存的分組計算結果仍是上一次計算的；待歷史號碼資料庫可以寫入後請重新計算</translation>
    </message>
    <message>
        <source>the figures of the group results kept in %1 are damaged (%2); run the group calculation again to store them anew</source>
        <translation>%1 中儲存的分組結果的資料已損壞（%2）；請再做一次分組計算以重新儲存</translation>
    </message>
    <message>
        <source>the history holds %1 draws; a group calculation counts at most %2 draws: keep fewer draws first</source>
        <translation>歷史號碼共有 %1 期；分組計算最多只能計算 %2 期：請先保留較少的期數</translation>
    </message>
    <message>
        <source>the page does not list issue %1 although later issues follow</source>
        <translation>網頁沒有列出第 %1 期，但列出了其後的期數</translation>
    </message>
    <message>
        <source>not stored, because %1 failed before it: the next update loads it in order</source>
        <translation>未存入，因為之前的 %1 年讀取失敗：下次更新會按次序讀入</translation>
    </message>
    <message>
        <source>issue %1: %2; the %3 draws after it on the page were not stored</source>
        <translation>第 %1 期：%2；網頁上其後的 %3 期未存入</translation>
    </message>
    <message>
        <source>Of them, %1 filled holes of the stored history.</source>
        <translation>其中 %1 補回了已存歷史中欠缺的期數。</translation>
    </message>
    <message>
        <source>%1 after the site&apos;s latest draw were kept from the stored history.</source>
        <translation>網站最新一期之後的 %1 保留自已存的歷史。</translation>
    </message>
    <message>
        <source>Still missing from the history (no page lists them): %1</source>
        <translation>歷史中仍欠缺（網頁上沒有列出）：%1</translation>
    </message>
    <message>
        <source>No holes: no draw is missing inside a year, no issue is stored twice, and the draws are numbered in issue order.</source>
        <translation>沒有缺漏：每年之內沒有欠缺的期數，沒有重複存入的期數，各期亦按期數次序編號。</translation>
    </message>
    <message>
        <source>Missing draws (%1): %2</source>
        <translation>欠缺的期數（%1 期）：%2</translation>
    </message>
    <message>
        <source>Issues stored more than once (%1): %2</source>
        <translation>重複存入的期數（%1 個）：%2</translation>
    </message>
    <message>
        <source>Draws numbered out of issue order (%1): %2</source>
        <translation>編號不按期數次序的期數（%1 期）：%2</translation>
    </message>
    <message>
        <source>The online update (历史号在线更新) loads the years of the missing draws again and fills the holes its pages list.</source>
        <translation>網上更新（歷史號碼網上更新）會重新讀取欠缺期數所在的年份，補回網頁列出的期數。</translation>
    </message>
    <message>
        <source>The online update (quorvel-cli update) loads the years of the missing draws again and fills the holes its pages list.</source>
        <translation>網上更新（quorvel-cli update）會重新讀取欠缺期數所在的年份，補回網頁列出的期數。</translation>
    </message>
    <message>
        <source>To store each draw once in issue order, export the history (导出历史号码), mend the file and read it in again.</source>
        <translation>要令每期只存一次並按期數排列，請用「匯出歷史號碼」匯出歷史，修正檔案後再讀入。</translation>
    </message>
    <message>
        <source>To store each draw once in issue order, export the history (quorvel-cli export-text), mend the file and import it again.</source>
        <translation>要令每期只存一次並按期數排列，請匯出歷史號碼（quorvel-cli export-text），修正檔案後再讀入（quorvel-cli import）。</translation>
    </message>
    <message>
        <source>%1; the old file was left unchanged</source>
        <translation>%1；原來的檔案保持不變</translation>
    </message>
    <message>
        <source>%1; nothing was written</source>
        <translation>%1；沒有寫入任何內容</translation>
    </message>
    <message>
        <source>the write-ahead log %1 belongs to another store, but another program has this store open, so the log was left where it is and nothing was read; close the other programs that use the store (quorvel windows, quorvel-cli), then start again</source>
        <translation>預寫日誌 %1 屬於另一個資料庫，但另一個程式正開啓着本資料庫，因此日誌保留原位，未讀取任何內容；請關閉使用該資料庫的其他程式（quorvel 視窗、quorvel-cli）後重新開始</translation>
    </message>
    <message>
        <source>the user version in the header of the history store %1 (%2) is not the store&apos;s identity (%3): another program has set it; the store is used as it is</source>
        <translation>歷史號碼資料庫 %1 檔案標頭中的用戶版本號（%2）不是該資料庫的識別碼（%3）：是另一個程式設定的；資料庫照常使用</translation>
    </message>
    <message>
        <source>the disk holding the data folder %1 is full</source>
        <translation>資料夾 %1 所在的磁碟已滿</translation>
    </message>
    <message>
        <source>free some disk space and try again</source>
        <translation>請騰出一些磁碟空間再試</translation>
    </message>
    <message>
        <source>the data folder %1 is read-only</source>
        <translation>資料夾 %1 是唯讀的</translation>
    </message>
    <message>
        <source>make the folder writable (or copy it to a folder you can write to) and try again</source>
        <translation>請讓該資料夾可寫入（或把它複製到可寫入的資料夾）後再試</translation>
    </message>
    <message>
        <source>the data folder %1 cannot be written (%2)</source>
        <translation>資料夾 %1 無法寫入（%2）</translation>
    </message>
    <message>
        <source>check the folder and its disk, then try again</source>
        <translation>請檢查該資料夾及其磁碟後再試</translation>
    </message>
    <message>
        <source>the write-ahead log %1 belongs to another store, and %2, so it cannot be set aside; nothing was read; %3</source>
        <translation>預寫日誌 %1 屬於另一個資料庫，而%2，因此無法把它移到一旁；未讀取任何內容；%3</translation>
    </message>
    <message>
        <source>the history store %1 needs tables this program adds, but %2; %3</source>
        <translation>歷史號碼資料庫 %1 需要本程式加入的資料表，但%2；%3</translation>
    </message>
    <message>
        <source>the history store %1 cannot be read: %2, and the changes waiting in its write-ahead log can be read only where the folder can be written; %3</source>
        <translation>無法讀取歷史號碼資料庫 %1：%2，而其預寫日誌中尚待寫入的改動只有在資料夾可寫入時才能讀取；%3</translation>
    </message>
    <message>
        <source>%1, so the history can only be read: nothing was changed; %2</source>
        <translation>%1，因此只可讀取歷史號碼：未作任何改動；%2</translation>
    </message>
    <message>
        <source>%1: nothing was changed; %2</source>
        <translation>%1：未作任何改動；%2</translation>
    </message>
    <message>
        <source>the history store %1 cannot be written (%2): nothing was changed; make the file and its data folder writable and try again</source>
        <translation>歷史號碼資料庫 %1 無法寫入（%2）：未作任何改動；請讓該檔案及其資料夾可寫入後再試</translation>
    </message>
    <message>
        <source>the update would clear the history, whose first draw is more than %1 years old, but %1 is only the default number of years to keep: %2; nothing was changed; correct the settings file or move it away, then set the years to keep again</source>
        <translation>更新會清空歷史號碼（其第一期已超過 %1 年），但 %1 只是預設的保留年數：%2；未作任何改動；請改正設定檔或把它移走，然後重新設定保留年數</translation>
    </message>
    <message>
        <source>%1: the settings it does not give take their defaults until it is corrected or moved away</source>
        <translation>%1：在改正或移走它之前，它未提供的設定都使用預設值</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read (%2)</source>
        <translation>設定檔 %1 讀不出來（%2）</translation>
    </message>
    <message>
        <source>a workbook holds at most 1,048,576 rows, and %1 would need %2; choose fewer groups and calculate again; nothing was written</source>
        <translation>活頁簿最多只可容納 1,048,576 列，而 %1 需要 %2 列；請選擇較少的分組後重新計算；沒有寫入任何內容</translation>
    </message>
    <message>
        <source>the server sent too little of %1 within %2; it may be slow or overloaded, try again later</source>
        <translation>伺服器在 %2內只傳來了 %1 的一小部分；伺服器可能太慢或負荷過重，請稍後再試</translation>
    </message>
    <message>
        <source>group size %1 is outside 1..6: no group to calculate; choose a size from 1 to 6</source>
        <translation>組合位數 %1 不在 1 到 6 之間：沒有可計算的分組；請選 1 到 6 之間的位數</translation>
    </message>
    <message>
        <source>the backtest picks %1 groups per decision, but the ticked values make only %2 groups: picking them all compares nothing with chance; pick fewer than %2</source>
        <translation>回測每次決策選 %1 組，但勾選的值只組成 %2 組：全部選中就無從與隨機比較；請選少於 %2 組</translation>
    </message>
    <message>
        <source>the backtest would walk %1 decisions × %2 groups = %3, more than the %4 one run may walk; tick fewer values, choose a smaller group size or a later start issue</source>
        <translation>回測要走 %1 次決策 × %2 組 = %3，超過一次執行的上限 %4；請少勾選幾個值、選較小的組合位數或較晚的起始期數</translation>
    </message>
    <message>
        <source>the backtest would weigh %1 decisions × %2 picks × %2 picks = %3 pairs of picks, more than the %4 one run may weigh; pick fewer groups or choose a later start issue</source>
        <translation>回測要比較 %1 次決策 × %2 組 × %2 組 = %3 對選組，超過一次執行的上限 %4；請少選幾組或選較晚的起始期數</translation>
    </message>
    <message>
        <source>未出</source>
        <translation>未出</translation>
    </message>
    <message>
        <source>%1; the stored results were kept</source>
        <translation>%1；已儲存的計算結果保持不變</translation>
    </message>
    <message>
        <source>%1 does not exist; check the path and the file&apos;s name; the history was left unchanged</source>
        <translation>%1 不存在；請檢查路徑和檔案名稱；歷史號碼未改動</translation>
    </message>
    <message>
        <source>issue %1 comes before the latest stored draw %2: it would go among the stored draws and move the %3 draws after it down one place; nothing was added. Check the issue, or insert the draw there on purpose (--insert)</source>
        <translation>期數 %1 在已存的最新一期 %2 之前：它會插入已存的各期之間，使其後的 %3 期各往後移一位；未補充任何號碼。請檢查期數，或確需插入時使用 --insert</translation>
    </message>
    <message>
        <source>deleting the latest %1 draws would delete all %2 stored draws and keep none; nothing was changed. To delete every draw, clear the history instead</source>
        <translation>刪除最後 %1 期會把已存的 %2 期全部刪除、一期不剩；未作任何改動。要刪除全部攪珠結果，請改用清除歷史</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>檔案不存在</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>沒有存取權限</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>不容許這樣操作</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>這是一個資料夾</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>磁碟空間已滿</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>檔案系統是唯讀的</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>路徑中有一項不是資料夾</translation>
    </message>
    <message>
        <source>平均遗漏值</source>
        <translation>平均遺漏值</translation>
    </message>
    <message>
        <source>最大遗漏值</source>
        <translation>最大遺漏值</translation>
    </message>
    <message>
        <source>最大连出值</source>
        <translation>最大連出值</translation>
    </message>
    <message>
        <source>组合位数 %1 is not one of the group sizes 1, 2, 3, 4, 5 and 6: the group size stays %2.</source>
        <translation>組合位數 %1 不是可選的位數（1、2、3、4、5、6）：組合位數仍為 %2。</translation>
    </message>
    <message>
        <source>%1 is ticked but its box holds no value: type the value to look for there, or untick %1. Nothing was run.</source>
        <translation>已勾選%1，但它的框內沒有值：請在框內輸入要檢索的值，或取消勾選%1。沒有執行檢索。</translation>
    </message>
    <message>
        <source>%1 降序</source>
        <translation>%1 降序</translation>
    </message>
    <message>
        <source>Draws counted: issues %1 to %2.</source>
        <translation>統計的攪珠：期數 %1 至 %2。</translation>
    </message>
    <message>
        <source>A gap is the number of draws from one hit of a value to the next. Every figure counts its first gap from the first of these draws, as if the draw just before them had been a hit.</source>
        <translation>遺漏是某個值由一次出現到下一次出現相隔的期數。每項數字的第一段遺漏都由這些期的第一期起計，當作它前一期剛出現過。</translation>
    </message>
    <message>
        <source>A gap is the number of draws from one hit of a value to the next. The shortest and the longest gap count the first gap from the first stored draw, not from the first of these draws; the average gap, the longest run and the previous gap count only the gaps within these draws, the first from their first draw.</source>
        <translation>遺漏是某個值由一次出現到下一次出現相隔的期數。最小遺漏和最大遺漏的第一段由所存的第一期起計，而不是由這些期的第一期起計；平均遺漏、最大連出和上次遺漏只計這些期之內的遺漏，第一段由這些期的第一期起計。</translation>
    </message>
    <message>
        <source>The current gap counts up to the latest stored draw, even when these draws end earlier.</source>
        <translation>當前遺漏一直計到所存的最新一期，即使這些期較早結束。</translation>
    </message>
    <message>
        <source>Fixed positions: the special number counts only as the seventh position.</source>
        <translation>固定位：特碼只在第七位（特位）計入。</translation>
    </message>
    <message>
        <source>The special number counts as well as the six regular numbers.</source>
        <translation>六個平碼和特碼都計入。</translation>
    </message>
    <message>
        <source>Only the six regular numbers count; the special number does not.</source>
        <translation>只計六個平碼，不計特碼。</translation>
    </message>
    <message>
        <source>Bases from the settings: %1, %2, %3.</source>
        <translation>設定中的參數：%1，%2，%3。</translation>
    </message>
    <message>
        <source>any of the six regular numbers</source>
        <translation>六個平碼中任何一個</translation>
    </message>
    <message>
        <source>any of the seven numbers</source>
        <translation>七個號碼中任何一個</translation>
    </message>
    <message>
        <source>regular number %1 in sorted order</source>
        <translation>順序碼第 %1 位平碼</translation>
    </message>
    <message>
        <source>regular number %1 in drawn order</source>
        <translation>落地碼第 %1 位平碼</translation>
    </message>
    <message>
        <source>the special number</source>
        <translation>特碼</translation>
    </message>
    <message>
        <source>Each row is the search for one value, looked for in %1.</source>
        <translation>每列是一個值的檢索，在%1中尋找。</translation>
    </message>
    <message>
        <source>The columns of the latest 10, 30 and 100 draws count the hits among the latest 10, 30 and 100 of these draws.</source>
        <translation>近10期、近30期、近100期三欄數的是這些期中最近 10、30、100 期內的出現次數。</translation>
    </message>
    <message>
        <source>Each column is one value, looked for in %1; each row is one draw, the oldest first.</source>
        <translation>每欄是一個值，在%1中尋找；每列是一期，最早的在前。</translation>
    </message>
    <message>
        <source>A hit shows the value. A miss shows how many draws the value has been away, that draw included, so the first rows carry what came before these draws.</source>
        <translation>攪出時顯示該值；未攪出時顯示該值已有多少期未出（包括該期），所以頭幾行也帶有這些期之前的遺漏。</translation>
    </message>
    <message>
        <source>That count is one less than the omission table&apos;s current gap: a value drawn in the latest draw shows as a hit where the table says 1.</source>
        <translation>這個數比遺漏總表的當前遺漏少 1：最新一期攪出的值在這裏顯示為攪出，遺漏總表則為 1。</translation>
    </message>
    <message>
        <source>Below the draws: the hits; the average gap, (draws - hits) / (hits + 1) with two decimals; the longest gap, the largest count shown; and the longest run of hits in consecutive draws.</source>
        <translation>各期下方：出現次數；平均遺漏值，即（期數 − 出現次數）÷（出現次數 + 1），保留兩位小數；最大遺漏值，即顯示的最大數；最大連出值，即連續各期都攪出的最長次數。</translation>
    </message>
    <message>
        <source>Picking the values away longest hit no more often than picking at random: %1 picked each time, %2 where chance gives %3 (z = %4, %5).</source>
        <translation>選遺漏最久的號碼，並不比隨便選更常中：每次選 %1 個，%2，按概率應為 %3 次（z = %4，%5）。</translation>
    </message>
    <message>
        <source>Picking the groups away longest hit no more often than picking at random: %1 groups picked each time, %2 where chance gives %3 (z = %4, %5).</source>
        <translation>選遺漏最久的組合，並不比隨便選更常中：每次選 %1 組，%2，按概率應為 %3 次（z = %4，%5）。</translation>
    </message>
    <message>
        <source>Picking the values away longest hit less often than picking at random: %1 picked each time, %2 where chance gives %3 (z = %4, %5). This describes the past draws only; it does not make the next draw predictable.</source>
        <translation>選遺漏最久的號碼，比隨便選更少中：每次選 %1 個，%2，按概率應為 %3 次（z = %4，%5）。這只描述過去的攪珠，並不能令下一期變得可以預測。</translation>
    </message>
    <message>
        <source>Picking the groups away longest hit less often than picking at random: %1 groups picked each time, %2 where chance gives %3 (z = %4, %5). This describes the past draws only; it does not make the next draw predictable.</source>
        <translation>選遺漏最久的組合，比隨便選更少中：每次選 %1 組，%2，按概率應為 %3 次（z = %4，%5）。這只描述過去的攪珠，並不能令下一期變得可以預測。</translation>
    </message>
    <message>
        <source>Picking the values away longest hit more often than picking at random: %1 picked each time, %2 where chance gives %3 (z = %4, %5). This describes the past draws only; it does not make the next draw predictable.</source>
        <translation>選遺漏最久的號碼，比隨便選更常中：每次選 %1 個，%2，按概率應為 %3 次（z = %4，%5）。這只描述過去的攪珠，並不能令下一期變得可以預測。</translation>
    </message>
    <message>
        <source>Picking the groups away longest hit more often than picking at random: %1 groups picked each time, %2 where chance gives %3 (z = %4, %5). This describes the past draws only; it does not make the next draw predictable.</source>
        <translation>選遺漏最久的組合，比隨便選更常中：每次選 %1 組，%2，按概率應為 %3 次（z = %4，%5）。這只描述過去的攪珠，並不能令下一期變得可以預測。</translation>
    </message>
    <message>
        <source>Decisions: the draws of issues %1 to %2, %3 in all; at each one only the draws up to it are known, and the next draw tells whether a pick hit.</source>
        <translation>決策：期數 %1 至 %2 的各期，共 %3 次；每次只知道到該期為止的攪珠，由下一期判斷所選是否命中。</translation>
    </message>
    <message>
        <source>A gap is the number of draws from one hit to the next, counted from the first stored draw; groups that never hit before a decision are left out.</source>
        <translation>遺漏是由一次出現到下一次出現相隔的期數，由所存的第一期起計；決策之前從未出現過的組合不計。</translation>
    </message>
    <message>
        <source>At each decision the %1 groups with the smallest P(≥ current gap) are picked, and as many at random with seed %2.</source>
        <translation>每次決策選 P(≥當前遺漏) 最小的 %1 組，另用隨機種子 %2 隨便選同樣多組作比較。</translation>
    </message>
    <message>
        <source>Expected by chance is the sum of the picks&apos; hit rates; the verdict is at the 1% level.</source>
        <translation>按概率應中的次數是所選各組理論概率之和；結論按 1% 顯著水平判斷。</translation>
    </message>
    <message>
        <source>Each band of P(≥ current gap) holds a tenth of the groups of every decision; a band&apos;s hits fall within about two standard deviations of its expected count 95 times in 100 by chance alone.</source>
        <translation>每段 P(≥當前遺漏) 包含每次決策全部組合的十分之一；純屬偶然時，一段的命中次數有 95% 的機會落在其應中次數上下約兩個標準差之內。</translation>
    </message>
    <message>
        <source>No search has run in this window: the hit list holds no result.</source>
        <translation>本視窗還沒有執行檢索：命中列表沒有結果。</translation>
    </message>
    <message>
        <source>The counting rules of these rows were not recorded: no group calculation of this program stored them.</source>
        <translation>這些行的統計規則沒有記錄：本程式的分組計算沒有儲存它們。</translation>
    </message>
    <message>
        <source>Omission table</source>
        <translation>遺漏總表</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>走勢圖</translation>
    </message>
    <message>
        <source>Backtest</source>
        <translation>回測</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>規則說明</translation>
    </message>
    <message>
        <source>Draws: issues %1 to %2, %3 in all.</source>
        <translation>攪珠：期數 %1 至 %2，共 %3 期。</translation>
    </message>
    <message>
        <source>Each row is one stored draw: its issue, then the six regular numbers in the order they were drawn and the special number last.</source>
        <translation>每行是一期已存的攪珠：期數，然後是按攪出次序排列的六個平碼，最後是特碼。</translation>
    </message>
    <message>
        <source>%1 wave</source>
        <translation>%1波</translation>
    </message>
    <message>
        <source>%1 = %2; year %3: %4</source>
        <translation>%1 = %2；%3年：%4</translation>
    </message>
    <message>
        <source>%1 = %2: %3</source>
        <translation>%1 = %2：%3</translation>
    </message>
    <message>
        <source>%1 numbers</source>
        <translation>%1號</translation>
    </message>
    <message>
        <source>head %1</source>
        <translation>%1頭</translation>
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
        <translation>野獸</translation>
    </message>
    <message>
        <source>all values</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>不選</translation>
    </message>
    <message>
        <source>the saved selections in %1 cannot be read: %2</source>
        <translation>無法讀取 %1 中儲存的選擇：%2</translation>
    </message>
    <message>
        <source>the saved selections in %1 are damaged at line %2 (%3): nothing was changed; mend the line or move the file away, then try again</source>
        <translation>%1 中儲存的選擇在第 %2 行損壞（%3）：未作任何改動；請修正該行或把檔案移走，然後再試</translation>
    </message>
    <message>
        <source>a selection needs a name: type one and save again</source>
        <translation>選擇需要一個名稱：請輸入名稱後再儲存</translation>
    </message>
    <message>
        <source>the name %1 cannot be used: a selection&apos;s name does not start with @ and holds no comma, tab or line break</source>
        <translation>名稱 %1 不能使用：選擇的名稱不能以 @ 開頭，也不能含有逗號、定位字元或換行</translation>
    </message>
    <message>
        <source>%1 is the name of a built-in set: choose another name</source>
        <translation>%1 是內置選擇的名稱：請另選一個名稱</translation>
    </message>
    <message>
        <source>%1 is a built-in set: it cannot be deleted, and it is never saved</source>
        <translation>%1 是內置選擇：不能刪除，也從不儲存</translation>
    </message>
    <message>
        <source>no selection is saved under the name %1</source>
        <translation>沒有以 %1 為名儲存的選擇</translation>
    </message>
    <message>
        <source>there is no saved selection and no built-in set named %1</source>
        <translation>沒有名為 %1 的已儲存選擇或內置選擇</translation>
    </message>
    <message>
        <source>the selection %1 holds values of %2, not of %3: choose the kind %2, or a selection of %3</source>
        <translation>選擇 %1 是%2的值，不是%3的值：請選類別%2，或選一個%3的選擇</translation>
    </message>
    <message>
        <source>cannot save the selections in %1: %2; the saved selections stay as they were</source>
        <translation>無法把選擇儲存到 %1：%2；已儲存的選擇保持不變</translation>
    </message>
    <message>
        <source>it is the file of the saved selections</source>
        <translation>它是儲存選擇的檔案</translation>
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
        <source>position %1, sorted order</source>
        <translation>第%1位，順序碼</translation>
    </message>
    <message>
        <source>position %1, drawn order</source>
        <translation>第%1位，落地碼</translation>
    </message>
    <message>
        <source>a number: the draws since the value&apos;s last hit</source>
        <translation>數字：距上次攪出的期數</translation>
    </message>
    <message>
        <source>gaps from the range&apos;s first draw</source>
        <translation>遺漏從起始期計</translation>
    </message>
    <message>
        <source>first gap from the first stored draw</source>
        <translation>第一個遺漏從歷史第一期計</translation>
    </message>
    <message>
        <source>issues %1 to %2</source>
        <translation>第%1期至第%2期</translation>
    </message>
    <message>
        <source>printed %1</source>
        <translation>打印於 %1</translation>
    </message>
    <message>
        <source>Draw history</source>
        <translation>歷史號碼</translation>
    </message>
    <message>
        <source>Search hits</source>
        <translation>檢索結果</translation>
    </message>
    <message>
        <source>Omission statistics</source>
        <translation>遺漏統計</translation>
    </message>
    <message>
        <source>Omission chart</source>
        <translation>遺漏圖</translation>
    </message>
    <message>
        <source>49 counts as the tie (和) of this kind, none of its other values, as these bets count it.</source>
        <translation>按這類投注的通行規則，49 號算作本類別的「和」，不算作其他任何值。</translation>
    </message>
    <message>
        <source>The kind %1 is counted by the in-memory engine only: the reference engine (--engine sql) reads stored fields, which this kind does not have. Use the memory engine.</source>
        <translation>類別「%1」只由記憶體引擎計算：參考引擎（--engine sql）讀取儲存的欄位，而這個類別沒有儲存的欄位。請使用記憶體引擎。</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>合单双</source>
        <translation>合單雙</translation>
    </message>
    <message>
        <source>尾大小</source>
        <translation>尾大小</translation>
    </message>
    <message>
        <source>家禽野兽</source>
        <translation>家禽野獸</translation>
    </message>
    <message>
        <source>半波单双</source>
        <translation>半波單雙</translation>
    </message>
    <message>
        <source>半波大小</source>
        <translation>半波大小</translation>
    </message>
    <message>
        <source>the store took %1 of the %2 rows of a block of the group results</source>
        <translation>分組結果的一個區塊共 %2 行，只存入了 %1 行</translation>
    </message>
</context>
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
        <translation>「不限組數」沒有儲存：%1</translation>
    </message>
    <message>
        <source>There is no history to analyse: read a history text file (读取历史号文本) or enter draws first. Nothing was run.</source>
        <translation>還沒有歷史號碼，無法統計：請先用「讀取歷史號碼文字檔」讀入歷史號碼檔案，或逐期輸入。本次沒有計算。</translation>
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
        <translation>%1 未能寫入：%2</translation>
    </message>
    <message>
        <source>Wrote %1 and opened it with the spreadsheet application.</source>
        <translation>已寫入 %1，並用試算表軟件開啓。</translation>
    </message>
    <message>
        <source>Wrote %1; no application could open it, so the file is kept there for you to open.</source>
        <translation>已寫入 %1，但沒有軟件能開啓它；檔案保留在那裏，可以自行開啓。</translation>
    </message>
    <message>
        <source>分组计算: no group to chart</source>
        <translation>分組計算：沒有可畫圖的組合</translation>
    </message>
    <message>
        <source>分组 %1: run 分组计算 in this window to chart its hits</source>
        <translation>分組 %1：請先在本視窗中執行分組計算，才能畫出它的攪出情況</translation>
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
    <message>
        <source>The groups shown were not stored:
%1</source>
        <translation>顯示的分組未儲存：
%1</translation>
    </message>
    <message>
        <source>组合位数 was not saved: %1</source>
        <translation>組合位數沒有儲存：%1</translation>
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
        <translation>在哪個位置尋找該值；只用於一個值一組</translation>
    </message>
    <message>
        <source>the 500th draw</source>
        <translation>歷史中排第500的一期</translation>
    </message>
    <message>
        <source>The issue of the first decision draw; empty: the 500th stored draw</source>
        <translation>第一個決策期的期數；留空則為歷史中排第500的一期</translation>
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
        <translation>將結果寫入活頁簿並開啓</translation>
    </message>
    <message>
        <source>Look for a value at:</source>
        <translation>尋找位置：</translation>
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
        <translation>期望命中</translation>
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
        <translation>回測只衡量過去：看起來遺漏最久的組，下一期是否比理論概率更常出現。它不能令攪珠結果變得可以預測。</translation>
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
        <translation>首個決策期數須為期數（如 2020001），留空則從歷史中排第500的一期開始。</translation>
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
    <message>
        <source>打印</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>导出PDF</source>
        <translation>匯出PDF</translation>
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
        <translation>理論期望命中次數</translation>
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
    <message>
        <source>95% chance range of each bin</source>
        <translation>各段的 95% 偶然範圍</translation>
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
        <translation>勾選後分組計算不再限制號碼個數（3個一組40個、4個一組24個、5個一組18個、6個一組16個），每次最多%1組，例如49個號碼的全部三中三、四中四組合。選擇會立即儲存。</translation>
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
        <translation>分組計算結果的排序：按表格的某一欄，或按「遺漏不短於當前遺漏」的概率排序，後者把遺漏異常久的組合排在前面。</translation>
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
        <translation>歷史號碼匯出文字檔</translation>
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
        <translation>歷史號碼已寫入 %1，並用文字編輯器開啓。</translation>
    </message>
    <message>
        <source>The history was written to %1 and opened in the spreadsheet application.</source>
        <translation>歷史號碼已寫入 %1，並用試算表軟件開啓。</translation>
    </message>
    <message>
        <source>The history was written to %1.</source>
        <translation>歷史號碼已寫入 %1。</translation>
    </message>
    <message>
        <source>The history was written to %1, but no text editor on this desktop could open it; the file is kept there.</source>
        <translation>歷史號碼已寫入 %1，但本機沒有能開啓它的文字編輯器；檔案保留在那裏。</translation>
    </message>
    <message>
        <source>The history was written to %1, but no spreadsheet application on this desktop could open it; the file is kept there.</source>
        <translation>歷史號碼已寫入 %1，但本機沒有能開啓它的試算表軟件；檔案保留在那裏。</translation>
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
        <translation>請輸入要刪除到哪一期的期數，例如「2014016」</translation>
    </message>
    <message>
        <source>请输入需要删除最后多少期历史号码（例如输入3，那么就将删除最后的3期历史号码）</source>
        <translation>請輸入要刪除最後多少期歷史號碼（例如輸入3，就會刪除最後3期歷史號碼）</translation>
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
        <translation>請輸入更新時要保留歷史號碼的年數（2至16之間的整數）；超過這個年數時，會刪除最早一年的歷史號碼</translation>
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
        <translation>「%1」不是整數，沒有刪除任何一期。</translation>
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
        <translation>網上更新會保留最近 %1 年的歷史號碼。</translation>
    </message>
    <message>
        <source>There is no safety copy in %1 yet: one is written there before every change that removes draws.</source>
        <translation>%1 中還沒有備份：每次刪除歷史號碼之前都會在那裏自動備份。</translation>
    </message>
    <message>
        <source>Text(*.txt)</source>
        <translation>文字檔(*.txt)</translation>
    </message>
    <message>
        <source>Deleted the draw of issue %1: %2 (special number %3);</source>
        <translation>已刪除第 %1 期：%2（特碼 %3）；</translation>
    </message>
</context>
<context>
    <name>quorvel::HistoryPanel</name>
    <message>
        <source>鼠标双击列表可以将列表导出到EXCEL</source>
        <translation>用滑鼠按兩下列表，可以把列表匯出到EXCEL</translation>
    </message>
    <message>
        <source>读取历史号文本(&amp;W)</source>
        <translation>讀取歷史號碼文字檔(&amp;W)</translation>
    </message>
    <message>
        <source>从历史号码文本文件中读取历史号中最后一期之后的新的历史号码</source>
        <translation>從歷史號碼文字檔讀取最後一期之後的新歷史號碼</translation>
    </message>
    <message>
        <source>历史号在线更新(&amp;O)</source>
        <translation>歷史號碼網上更新(&amp;O)</translation>
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
        <source>在下面输入</source>
        <translation>在下面輸入</translation>
    </message>
    <message>
        <source>期历史号码:</source>
        <translation>期歷史號碼：</translation>
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
        <translation>軟件示範説明影片下載(&amp;D)</translation>
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
    <message>
        <source>检查历史号码(&amp;K)</source>
        <translation>檢查歷史號碼(&amp;K)</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>語言：%1</translation>
    </message>
</context>
<context>
    <name>quorvel::MainWindow</name>
    <message>
        <source>A leftover log file of another history was found beside the store and set aside as %1 before anything was read; your history is as it was.</source>
        <translation>資料庫旁有一個屬於另一份歷史的日誌檔案，已在讀取前移到 %1；你的歷史號碼沒有變動。</translation>
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
        <translation>確定要讀入最新的歷史號碼嗎？按「確認」讀入，按「取消」放棄。讀入前請確保安裝資料夾內有歷史號碼文字檔。讀取可能需要一段時間，請耐心等候！</translation>
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
        <translation>讀取歷史號碼文字檔</translation>
    </message>
    <message>
        <source>Text(*.txt)</source>
        <translation>文字檔(*.txt)</translation>
    </message>
    <message>
        <source>Nothing was read: %1 is not a history text file (its name must end in .txt).</source>
        <translation>沒有讀入：%1 不是歷史號碼文字檔（檔案名稱須以 .txt 結尾）。</translation>
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
        <translation>「%1」還沒有設定網址。請輸入它的網址（以 http:// 或 https:// 開頭），下次會沿用。</translation>
    </message>
    <message>
        <source>The address was not saved: %1</source>
        <translation>網址沒有儲存：%1</translation>
    </message>
    <message>
        <source>The desktop could not open %1 (%2): no web browser took the address.</source>
        <translation>無法開啓 %1（%2）：沒有瀏覽器接受這個網址。</translation>
    </message>
    <message>
        <source>The address was not saved: &apos;%1&apos; is not a web address; it starts with http:// or https://.</source>
        <translation>網址沒有儲存：「%1」不是網址，網址須以 http:// 或 https:// 開頭。</translation>
    </message>
    <message>
        <source>Another program stored new group results (分组计算); the history did not change, so the list and the results shown stay as they are.</source>
        <translation>另一個程式儲存了新的分組計算結果；歷史號碼沒有改動，列表和顯示的結果保持不變。</translation>
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
        <translation>網上更新網址</translation>
    </message>
    <message>
        <source>在线更新网址(&amp;U)...</source>
        <translation>網上更新網址(&amp;U)...</translation>
    </message>
    <message>
        <source>Nothing was updated: no update site is set. Choose the menu 设置 → 在线更新网址 and give the address the yearly pages are found under (for example http://127.0.0.1:8080/85122/kj/, the page of 2014 then being .../2014.html).</source>
        <translation>沒有更新：還沒有設定網上更新網址。請在選單「設定」→「網上更新網址」中輸入每年攪珠結果網頁所在的網址（例如 http://127.0.0.1:8080/85122/kj/，2014 年的網頁就是 .../2014.html）。</translation>
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
        <translation>新的攪珠結果沒有儲存，歷史號碼保持原樣：
%1</translation>
    </message>
    <message>
        <source>在线更新的网址前缀（每年的网页为前缀 + 年份 + .html），例如 http://127.0.0.1:8080/85122/kj/</source>
        <translation>網上更新的網址前綴（每年的網頁為前綴 + 年份 + .html），例如 http://127.0.0.1:8080/85122/kj/</translation>
    </message>
    <message>
        <source>The address was not saved: %1</source>
        <translation>網址沒有儲存：%1</translation>
    </message>
    <message>
        <source>The update site was cleared.</source>
        <translation>網上更新網址已清除。</translation>
    </message>
    <message>
        <source>The update site is now %1.</source>
        <translation>網上更新網址已設為 %1。</translation>
    </message>
</context>
<context>
    <name>quorvel::OptionsPanel</name>
    <message>
        <source>With this option chosen, a number N typed here starts the search range at the N-th latest stored draw, so that the searches cover the latest N draws.</source>
        <translation>選中「前 N 期」後，在此輸入期數 N，檢索起始期就設為倒數第 N 期，檢索只統計最近 N 期。</translation>
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
        <translation>搜尋類型選擇</translation>
    </message>
    <message>
        <source>手动输入号</source>
        <translation>手動輸入號碼</translation>
    </message>
    <message>
        <source>历史指定期</source>
        <translation>歷史指定期</translation>
    </message>
    <message>
        <source>仅检索该期前</source>
        <translation>只檢索該期之前</translation>
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
        <translation>分部位數「%1」不是數字，分部位數仍為 %2。</translation>
    </message>
    <message>
        <source>The history could not be read: %1</source>
        <translation>無法讀取歷史號碼：%1</translation>
    </message>
    <message>
        <source>The choice was not saved: %1</source>
        <translation>選擇沒有儲存：%1</translation>
    </message>
    <message>
        <source>The history is empty: there is no range to choose.</source>
        <translation>歷史號碼是空的：沒有可選的範圍。</translation>
    </message>
    <message>
        <source>No draw of %1 is stored: the range boxes were kept.</source>
        <translation>沒有儲存 %1 年的攪珠：起止期數保持不變。</translation>
    </message>
    <message>
        <source>The range is %1 ~ %2.</source>
        <translation>檢索範圍為 %1 ~ %2。</translation>
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
        <translation>自選</translation>
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
        <translation>用已存歷史號碼的一段填入起止期數：最近若干期、最新一期所在的年份、上一年，或全部歷史。</translation>
    </message>
    <message>
        <source>更多类别</source>
        <translation>更多類別</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>合单双</source>
        <translation>合單雙</translation>
    </message>
    <message>
        <source>尾大小</source>
        <translation>尾大小</translation>
    </message>
    <message>
        <source>家禽野兽</source>
        <translation>家禽野獸</translation>
    </message>
    <message>
        <source>半波单双</source>
        <translation>半波單雙</translation>
    </message>
    <message>
        <source>半波大小</source>
        <translation>半波大小</translation>
    </message>
    <message>
        <source>More kinds, worked out from the numbers: big or small, the digit sum odd or even, the tail big or small, domestic or wild sign, and the half waves. 49 counts as 和 (the tie).</source>
        <translation>更多類別，由號碼推算：大小、合數單雙、尾數大小、家禽野獸，以及半波。49 號算作「和」。</translation>
    </message>
</context>
<context>
    <name>quorvel::ResultsPanel</name>
    <message>
        <source>鼠标双击列表可以将列表导出到EXCEL</source>
        <translation>用滑鼠按兩下列表，可以把列表匯出到EXCEL</translation>
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
        <translation>儲存選擇…</translation>
    </message>
    <message>
        <source>Delete this selection…</source>
        <translation>刪除此選擇…</translation>
    </message>
    <message>
        <source>Selections</source>
        <translation>常用選擇</translation>
    </message>
    <message>
        <source>The saved selections could not be read: %1</source>
        <translation>無法讀取已儲存的選擇：%1</translation>
    </message>
    <message>
        <source>Name of the selection of the boxes ticked now:</source>
        <translation>為現在勾選的格起一個名稱：</translation>
    </message>
    <message>
        <source>A selection named %1 is already saved. Replace it with the boxes ticked now?</source>
        <translation>已有名為「%1」的選擇。要用現在勾選的格取代它嗎？</translation>
    </message>
    <message>
        <source>The selection was not saved: %1</source>
        <translation>選擇沒有儲存：%1</translation>
    </message>
    <message>
        <source>Saved the selection %1.</source>
        <translation>已儲存選擇「%1」。</translation>
    </message>
    <message>
        <source>Delete a selection</source>
        <translation>刪除選擇</translation>
    </message>
    <message>
        <source>Delete the saved selection %1? The boxes stay ticked.</source>
        <translation>要刪除已儲存的選擇「%1」嗎？格的勾選保持不變。</translation>
    </message>
    <message>
        <source>The selection was not deleted: %1</source>
        <translation>選擇沒有刪除：%1</translation>
    </message>
    <message>
        <source>Deleted the selection %1.</source>
        <translation>已刪除選擇「%1」。</translation>
    </message>
</context>
<context>
    <name>quorvel::StatusLine</name>
    <message>
        <source>Wrote %1 and opened it.</source>
        <translation>已寫入 %1 並開啓。</translation>
    </message>
    <message>
        <source>Wrote %1; no application could open it, so the file is kept there for you to open.</source>
        <translation>已寫入 %1；沒有程式能開啓它，檔案保留在該處供你自行開啓。</translation>
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
        <translation>注意：已存的歷史號碼是按「%1」推算的，與現在的設定「%2」不符，%3顯示有誤。請在「設定」選單中再選一次「%2」，並在詢問時選「確定」重新推算。</translation>
    </message>
    <message>
        <source>重新推算历史号码</source>
        <translation>重新推算歷史號碼</translation>
    </message>
    <message>
        <source>已存的 %1 期历史号码是按“%2”推算的，与新的设置“%3”不符，%4会显示错位。
现在按新的设置重新推算全部历史号码吗？号码不变，推算前先备份。</source>
        <translation>已存的 %1 期歷史號碼是按「%2」推算的，與新的設定「%3」不符，%4會顯示錯位。
現在按新的設定重新推算全部歷史號碼嗎？號碼不變，推算前會先備份。</translation>
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
        <translation>將總表連同顏色匯出為活頁簿並開啓</translation>
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
        <translation>歷史號碼為空：請先在主視窗讀入或輸入攪珠結果。</translation>
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
    <message>
        <source>打印</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>导出PDF</source>
        <translation>匯出PDF</translation>
    </message>
</context>
<context>
    <name>quorvel::TrendWindow</name>
    <message>
        <source>Export workbook</source>
        <translation>匯出活頁簿</translation>
    </message>
    <message>
        <source>Export picture</source>
        <translation>匯出圖片</translation>
    </message>
    <message>
        <source>Show in each cell without a hit how many draws the value has been away</source>
        <translation>在未攪出的格子裏顯示該值已遺漏多少期</translation>
    </message>
    <message>
        <source>Write every chosen draw with its colours to a workbook and open it</source>
        <translation>把所選的全部期數連同顏色寫入活頁簿並開啓</translation>
    </message>
    <message>
        <source>Save every chosen draw as a picture and open it</source>
        <translation>把所選的全部期數儲存為圖片並開啓</translation>
    </message>
    <message>
        <source>A ball or a coloured name: drawn in that draw. A grey number: the draws since the value was last drawn, one less than its current omission in the omission table.</source>
        <translation>球或彩色名稱：該期攪出。灰色數字：該值自上次攪出以來的期數，比遺漏總表的當前遺漏少 1。</translation>
    </message>
    <message>
        <source>The trend could not be counted: %1</source>
        <translation>走勢圖無法計算：%1</translation>
    </message>
    <message>
        <source>The history is empty: read or add draws in the main window first.</source>
        <translation>歷史號碼為空：請先在主視窗讀入或輸入攪珠結果。</translation>
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
        <translation>%1 期的圖片高 %2 像素，超過看圖程式能開啓的高度（%3）。請選擇較少的期數（最近 30 至 200 期，或較短的檢索範圍）後再匯出圖片；活頁簿可容納任意期數。</translation>
    </message>
    <message>
        <source>走势图</source>
        <translation>走勢圖</translation>
    </message>
    <message>
        <source>显示遗漏</source>
        <translation>顯示遺漏</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>导出PDF</source>
        <translation>匯出PDF</translation>
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
    <name>quorvel::ViewOutput</name>
    <message>
        <source>打印</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>导出PDF</source>
        <translation>匯出PDF</translation>
    </message>
    <message>
        <source>复制为图片</source>
        <translation>複製為圖片</translation>
    </message>
    <message>
        <source>保存图片</source>
        <translation>儲存圖片</translation>
    </message>
    <message>
        <source>There is nothing to print yet.</source>
        <translation>還沒有可打印的內容。</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF 檔案 (*.pdf)</translation>
    </message>
    <message>
        <source>%1 was not written: %2</source>
        <translation>%1 未能寫入：%2</translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>已寫入 %1</translation>
    </message>
    <message>
        <source>A picture of %1 × %2 pixels is on the clipboard.</source>
        <translation>已把 %1 × %2 像素的圖片複製到剪貼簿。</translation>
    </message>
    <message>
        <source>PNG (*.png)</source>
        <translation>PNG 圖片 (*.png)</translation>
    </message>
    <message>
        <source>It holds the first %1 of %2 parts of the grid; 保存图片 writes them all.</source>
        <translation>圖片只含表格 %2 部分中的前 %1 部分；「儲存圖片」會全部寫出。</translation>
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
        <translation>歷史號碼為空。請用「讀取歷史號碼文字檔」讀入歷史號碼，或在下面逐期輸入。</translation>
    </message>
    <message>
        <source>历史号码为空。可以读入随软件附带的历史号码（%1），立即看到真实结果；也可以用“读取历史号文本”读入自己的文件，或在下面逐期输入。</source>
        <translation>歷史號碼為空。可以讀入隨軟件附帶的歷史號碼（%1），立即看到真實結果；也可以用「讀取歷史號碼文字檔」讀入自己的檔案，或在下面逐期輸入。</translation>
    </message>
    <message>
        <source>读入附带的历史号码</source>
        <translation>讀入附帶的歷史號碼</translation>
    </message>
</context>
<context>
    <name>quorvel::WidgetDialogs</name>
    <message>
        <source>Columns across pages, in order</source>
        <translation>各欄依次分頁打印</translation>
    </message>
    <message>
        <source>Fit the page width</source>
        <translation>縮放至頁面闊度</translation>
    </message>
</context>
</TS>
