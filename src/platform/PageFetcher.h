// SPDX-License-Identifier: MIT
#pragma once

#include "app/history/UpdateRun.h"

#include <QNetworkAccessManager>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

class QNetworkReply;

namespace quorvel {

// Loads the online update's yearly pages with Qt Network, one page at a time: redirects followed, a time limit
// per page (a page not whole by then failed: no answer, or too little of it), a report as each page starts, and
// cancel. Each page ends as its HTML in UTF-8 (decoded from the character set the server or the page names) or
// as the reason it could not be loaded. Works on the event loop of the thread it lives in, so a window stays
// responsive while it waits.
class PageFetcher : public QObject {
  public:
    static constexpr std::chrono::milliseconds kDefaultTimeout{30000};
    // The largest page accepted; a yearly results page is a few tens of kilobytes.
    static constexpr qint64 kMaxPageBytes = 2 * 1024 * 1024;

    explicit PageFetcher(std::chrono::milliseconds timeout = kDefaultTimeout, QObject* parent = nullptr);

    // Called as page `index` (from 1) of `count`, the page of `year`, is requested.
    std::function<void(int index, int count, int year)> onPageStarted;
    // Called once every page was loaded or failed, or after a cancel.
    std::function<void()> onFinished;

    // Starts loading the page of each year (the site prefix + the four-digit year + ".html"); returns at once.
    void start(const std::string& sitePrefix, const std::vector<int>& years);
    // Abandons the page being loaded and requests no more; onFinished follows from the event loop.
    void cancel();
    bool cancelled() const { return m_cancelled; }
    bool running() const { return m_running; }
    // The pages done so far, in the order of the years.
    const std::vector<YearPage>& pages() const { return m_pages; }

  private:
    void requestNext();
    void pageDone();
    YearPage readReply(QNetworkReply& reply, int year, const std::string& address) const;

    std::chrono::milliseconds m_timeout;
    QNetworkAccessManager m_network;
    QTimer m_timer;
    std::string m_prefix;
    std::vector<int> m_years;
    std::vector<YearPage> m_pages;
    QNetworkReply* m_reply = nullptr;
    bool m_running = false;
    bool m_cancelled = false;
    bool m_timedOut = false;
    bool m_answered = false; // the server began its answer (headers or part of the page)
    bool m_tooLarge = false;
};

// Loads the pages and returns them once all are done, running an event loop meanwhile (the program must have
// a QCoreApplication).
std::vector<YearPage> fetchYearPages(const std::string& sitePrefix, const std::vector<int>& years,
                                     std::chrono::milliseconds timeout = PageFetcher::kDefaultTimeout);

} // namespace quorvel
