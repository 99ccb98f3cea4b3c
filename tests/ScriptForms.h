// SPDX-License-Identifier: MIT
// What a text of one Chinese script must not hold: the characters of the other script (a sample of those this
// program's texts use), the mainland words a Hong Kong reader notices at once, and the other script's quotation
// marks. Used on the catalogues, the window's texts and the command line's output.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvel::test {

// Characters that exist only in Simplified writing: their Traditional forms differ.
inline constexpr std::string_view kSimplifiedOnly =
    "号码头遗现连单双红蓝绿龙马鸡猪选择检计组设历读导间论显这个为录错误请输认确开奖时总势图测随没条记从库档载"
    "网页无写应该说项长处变换务启动结删关们统态续热给压缩据备经数发对实际见规则进键标签样级节点击帮还览预";

// Their Traditional forms, which a Simplified text must not hold.
inline constexpr std::string_view kTraditionalOnly =
    "號碼頭遺現連單雙紅藍綠龍馬雞豬選擇檢計組設歷讀導間論顯這個為錄錯誤請輸認確開獎時總勢圖測隨沒條記從庫檔載"
    "網頁無寫應該說項長處變換務啓啟動結刪關們統態續熱給壓縮據備經數發對實際見規則進鍵標籤樣級節點擊幫還覽預";

// Words that a mechanical conversion leaves and Hong Kong writes otherwise (攪珠, 伺服器, 網上更新, 資料夾 …).
inline const std::vector<std::string_view> kMainlandWords{
    "開獎",   "服務器", "在線",   "檔案夾",   "文件夾", "內存", "工作簿",   "單元格", "磁盤",     "字節",
    "二進制", "純文本", "文本檔", "文本編輯", "鏈接",   "設備", "訪問權限", "創建",   "電子表格", "字符",
    "默認",   "打開",   "數據",   "信息",     "菜單",   "鼠標", "屏幕",     "程序",   "這隻",     "啟",
    "窗口",   "運行",   "查找",   "添加",     "文本",   "視頻", "硬盤"};

// Every character of `forms` (UTF-8, three bytes each) that `text` holds.
inline std::vector<std::string> charactersOf(std::string_view text, std::string_view forms) {
    std::vector<std::string> found;
    for (std::size_t at = 0; at + 3 <= forms.size(); at += 3)
        if (text.find(forms.substr(at, 3)) != std::string_view::npos) found.emplace_back(forms.substr(at, 3));
    return found;
}

// What in `text` does not belong in a text of `language` ("zh_HK" or "zh_CN"): the other script's characters, the
// mainland words (zh_HK) and the other script's quotation marks; empty when nothing.
inline std::vector<std::string> otherScriptIn(std::string_view text, std::string_view language) {
    std::vector<std::string> found;
    if (language == "zh_HK") {
        found = charactersOf(text, kSimplifiedOnly);
        for (std::string_view word : kMainlandWords)
            if (text.find(word) != std::string_view::npos) found.emplace_back(word);
        for (std::string_view quote : {"“", "”", "‘", "’"})
            if (text.find(quote) != std::string_view::npos) found.emplace_back(quote);
    } else if (language == "zh_CN") {
        found = charactersOf(text, kTraditionalOnly);
        for (std::string_view quote : {"「", "」", "『", "』"})
            if (text.find(quote) != std::string_view::npos) found.emplace_back(quote);
    }
    return found;
}

} // namespace quorvel::test
