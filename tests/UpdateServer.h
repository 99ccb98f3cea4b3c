// SPDX-License-Identifier: MIT
#pragma once

#include "TempFolder.h"
#include "ingest/HistoryTextReader.h"
#include "model/Draw.h"

#include <httplib.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace quorvel::test {

// The real history's draws by year.
inline const std::map<int, std::vector<Draw>>& realDrawsByYear() {
    static const std::map<int, std::vector<Draw>> years = [] {
        std::map<int, std::vector<Draw>> result;
        for (const Draw& draw : readHistoryTextFile(realHistory()).draws)
            result[draw.issue / 1000].push_back(draw);
        return result;
    }();
    return years;
}

// The real draws from one issue to another, both included.
inline std::vector<Draw> realDraws(int from, int to) {
    std::vector<Draw> result;
    for (const auto& [year, draws] : realDrawsByYear())
        for (const Draw& draw : draws)
            if (draw.issue >= from && draw.issue <= to) result.push_back(draw);
    return result;
}

inline std::string twoDigitText(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// Draws as a history text file holds them.
inline std::string historyText(const std::vector<Draw>& draws) {
    std::string text;
    for (const Draw& draw : draws) {
        text += std::to_string(draw.issue);
        for (int n : draw.numbers)
            text += " " + twoDigitText(n);
        text += "\r\n";
    }
    return text;
}

// A yearly results page as the site lays it out: table "main" with a header row, then one row per draw,
// newest first; cell 1 the sequence ("017期"), cell 2 the regular numbers each in a span and separated by
// three characters (" ， "), cell 3 the special number and its sign. The HTML breaks lines and indents.
inline std::string resultsPageHtml(int year, const std::vector<Draw>& draws) {
    std::string html = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + std::to_string(year) +
                       "年开奖记录</title></head>\n<body>\n<table id=\"main\" class=\"kj\">\n<thead><tr><th>日期</th>"
                       "<th>期数</th><th>平码</th><th>特码</th></tr></thead>\n<tbody>\n";
    for (auto draw = draws.rbegin(); draw != draws.rend(); ++draw) {
        const std::string sequence = std::to_string(draw->issue % 1000 + 1000).substr(1);
        html += "<tr>\n  <td>" + std::to_string(year) + "年</td>\n  <td>" + sequence + "期</td>\n  <td>";
        for (std::size_t i = 0; i < 6; ++i)
            html += (i ? " ，\n    " : "") + std::string("<span class=\"ball\">") + twoDigitText(draw->numbers[i]) +
                    "</span>";
        html += "</td>\n  <td><span class=\"ball\">" + twoDigitText(draw->numbers[6]) + "</span> 马</td>\n</tr>\n";
    }
    return html + "</tbody>\n</table>\n</body></html>\n";
}

// A web server on 127.0.0.1 for the online update's tests, serving /85122/kj/YYYY.html built from the real
// history; single years can be made to fail, to never answer, or to serve a page given by the test.
class UpdateServer {
  public:
    UpdateServer() {
        m_server.Get(R"(/85122/kj/(\d{4})\.html)",
                     [this](const httplib::Request& request, httplib::Response& response) {
                         serve(std::stoi(request.matches[1].str()), response);
                     });
        m_server.Get("/moved/(.*)", [](const httplib::Request& request, httplib::Response& response) {
            response.set_redirect("/85122/kj/" + request.matches[1].str());
        });
        m_port = m_server.bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
    }
    ~UpdateServer() {
        {
            std::lock_guard lock(m_mutex);
            m_released = true;
        }
        m_releasedChanged.notify_all();
        m_server.stop();
        m_thread.join();
    }
    UpdateServer(const UpdateServer&) = delete;
    UpdateServer& operator=(const UpdateServer&) = delete;

    // The site prefix of the pages: http://127.0.0.1:PORT/85122/kj/
    std::string site() const { return "http://127.0.0.1:" + std::to_string(m_port) + "/85122/kj/"; }
    // A prefix whose pages are redirected to the real ones.
    std::string movedSite() const { return "http://127.0.0.1:" + std::to_string(m_port) + "/moved/"; }

    void answerStatus(int year, int status) {
        std::lock_guard lock(m_mutex);
        m_status[year] = status;
    }
    void neverAnswer(int year) {
        std::lock_guard lock(m_mutex);
        m_hanging.insert(year);
    }
    // The page of a year begins (its headers and a few bytes) but never comes whole while the server runs.
    void trickle(int year) {
        std::lock_guard lock(m_mutex);
        m_trickling.insert(year);
    }
    void servePage(int year, std::string html) {
        std::lock_guard lock(m_mutex);
        m_pages[year] = std::move(html);
    }
    // The years requested so far, in order.
    std::vector<int> requested() const {
        std::lock_guard lock(m_mutex);
        return m_requested;
    }

  private:
    void serve(int year, httplib::Response& response) {
        std::unique_lock lock(m_mutex);
        m_requested.push_back(year);
        if (m_hanging.count(year)) {
            m_releasedChanged.wait_for(lock, std::chrono::seconds(30), [this] { return m_released; });
            return;
        }
        if (m_trickling.count(year)) {
            response.set_chunked_content_provider("text/html", [this](std::size_t, httplib::DataSink& sink) {
                sink.write("<html>", 6);
                std::unique_lock waiting(m_mutex);
                m_releasedChanged.wait_for(waiting, std::chrono::seconds(30), [this] { return m_released; });
                sink.done();
                return true;
            });
            return;
        }
        if (auto status = m_status.find(year); status != m_status.end()) {
            response.status = status->second;
            response.set_content("failure", "text/plain");
        } else if (auto page = m_pages.find(year); page != m_pages.end()) {
            response.set_content(page->second, "text/html; charset=utf-8");
        } else if (auto draws = realDrawsByYear().find(year); draws != realDrawsByYear().end()) {
            response.set_content(resultsPageHtml(year, draws->second), "text/html; charset=utf-8");
        } else {
            response.status = 404;
        }
    }

    httplib::Server m_server;
    int m_port = 0;
    std::thread m_thread;
    mutable std::mutex m_mutex;
    std::condition_variable m_releasedChanged;
    bool m_released = false;
    std::map<int, int> m_status;
    std::set<int> m_hanging;
    std::set<int> m_trickling;
    std::map<int, std::string> m_pages;
    std::vector<int> m_requested;
};

// A site prefix where nothing listens: a port the system handed out and that was released again.
inline std::string siteOfNoServer() {
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(socket, reinterpret_cast<sockaddr*>(&address), length);
    ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(socket);
    return "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/85122/kj/";
}

} // namespace quorvel::test
