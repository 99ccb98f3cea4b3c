// SPDX-License-Identifier: MIT
#include "ingest/UpdatePlan.h"

#include <algorithm>
#include <cctype>

namespace quorvel {

std::vector<int> UpdatePlan::years() const {
    std::vector<int> result;
    for (int year = startYear; year <= currentYear; ++year)
        result.push_back(year);
    return result;
}

UpdatePlan planUpdate(std::optional<int> firstIssue, std::optional<int> lastIssue, int currentYear, int yearsToKeep,
                      const std::vector<int>& missingIssues) {
    UpdatePlan plan;
    plan.currentYear = currentYear;
    plan.yearsToKeep = yearsToKeep;
    plan.clearsHistory = firstIssue && currentYear - *firstIssue / 1000 > yearsToKeep;
    if (!lastIssue || plan.clearsHistory) {
        // The years before the kept ones would only be cleared again by the next update.
        plan.startYear = currentYear - yearsToKeep;
        return plan;
    }
    plan.lastStoredIssue = *lastIssue;
    plan.startYear = std::max(*lastIssue / 1000, kEarliestUpdateStartYear);
    for (int issue : missingIssues)
        if (issue / 1000 >= kEarliestUpdateStartYear && issue < *lastIssue) plan.missingIssues.push_back(issue);
    if (!plan.missingIssues.empty()) plan.startYear = std::min(plan.startYear, plan.missingIssues.front() / 1000);
    return plan;
}

std::optional<Message> updateSiteProblem(const std::string& sitePrefix, UpdateSiteHint hint) {
    if (sitePrefix.empty())
        return hint == UpdateSiteHint::Menu
                   ? Message::core(QT_TRANSLATE_NOOP("Core", "No update site is set. Set the address the yearly pages "
                                                             "are found under (for example "
                                                             "http://127.0.0.1:8080/85122/kj/, the page of 2014 then "
                                                             "being .../2014.html) in the menu 设置 → 在线更新网址."))
                   : Message::core(QT_TRANSLATE_NOOP("Core", "no update site is set: set the address the yearly pages "
                                                             "are found under (for example "
                                                             "http://127.0.0.1:8080/85122/kj/, the page of 2014 then "
                                                             "being .../2014.html) with: quorvel-cli settings set "
                                                             "txtUpdateSite URL"));
    std::string scheme = sitePrefix.substr(0, sitePrefix.find("://"));
    std::transform(scheme.begin(), scheme.end(), scheme.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const bool web = sitePrefix.find("://") != std::string::npos && (scheme == "http" || scheme == "https");
    if (!web || sitePrefix.size() <= scheme.size() + 3 || sitePrefix.find_first_of(" \t\r\n") != std::string::npos)
        return Message::core(QT_TRANSLATE_NOOP("Core", "the update site '%1' is not a web address: give the whole "
                                                       "prefix of the yearly pages, starting with http:// or https:// "
                                                       "(for example http://127.0.0.1:8080/85122/kj/)"),
                             sitePrefix);
    return std::nullopt;
}

std::string yearPageAddress(const std::string& sitePrefix, int year) {
    std::string digits = std::to_string(year);
    return sitePrefix + std::string(digits.size() < 4 ? 4 - digits.size() : 0, '0') + digits + ".html";
}

} // namespace quorvel
