// SPDX-License-Identifier: MIT
#include "platform/PageFetcher.h"

#include "ingest/UpdatePlan.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QStringDecoder>

namespace quorvel {

namespace {

// The charset a Content-Type header names ("text/html; charset=gb2312"), or an empty text.
QByteArray headerCharset(const QByteArray& contentType) {
    static const QRegularExpression charset(QStringLiteral("charset\\s*=\\s*[\"']?([A-Za-z0-9._:-]+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    QRegularExpressionMatch match = charset.match(QString::fromLatin1(contentType));
    return match.hasMatch() ? match.captured(1).toLatin1() : QByteArray();
}

Message seconds(std::chrono::milliseconds timeout) {
    const auto whole = std::chrono::duration_cast<std::chrono::seconds>(timeout).count();
    if (whole == 1) return Message::core(QT_TRANSLATE_NOOP("Core", "1 second"));
    return whole > 1 ? Message::core(QT_TRANSLATE_NOOP("Core", "%1 seconds"), whole)
                     : Message::core(QT_TRANSLATE_NOOP("Core", "%1 ms"), timeout.count());
}

} // namespace

PageFetcher::PageFetcher(std::chrono::milliseconds timeout, QObject* parent)
    : QObject(parent), m_timeout(timeout), m_network(this), m_timer(this) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_timedOut = true;
        if (m_reply) m_reply->abort();
    });
}

void PageFetcher::start(const std::string& sitePrefix, const std::vector<int>& years) {
    m_prefix = sitePrefix;
    m_years = years;
    m_pages.clear();
    m_cancelled = false;
    m_running = true;
    // From the event loop, so that a caller connects to the reports before the first one.
    QTimer::singleShot(0, this, [this] { requestNext(); });
}

void PageFetcher::cancel() {
    if (!m_running || m_cancelled) return;
    m_cancelled = true;
    if (m_reply) m_reply->abort();
}

void PageFetcher::requestNext() {
    if (m_cancelled || m_pages.size() >= m_years.size()) {
        m_running = false;
        if (onFinished) onFinished();
        return;
    }
    const int year = m_years[m_pages.size()];
    if (onPageStarted) onPageStarted(static_cast<int>(m_pages.size()) + 1, static_cast<int>(m_years.size()), year);
    if (m_cancelled) return requestNext();
    QNetworkRequest request(QUrl(QString::fromStdString(yearPageAddress(m_prefix, year))));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    m_timedOut = false;
    m_tooLarge = false;
    m_answered = false;
    m_reply = m_network.get(request);
    // A server that answered but sends the page too slowly differs from one that never answers.
    connect(m_reply, &QNetworkReply::metaDataChanged, this, [this] { m_answered = true; });
    connect(m_reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64) {
        if (received > 0) m_answered = true;
        if (received > kMaxPageBytes && m_reply) {
            m_tooLarge = true;
            m_reply->abort();
        }
    });
    // Queued, so that a cancel or a timeout never finishes the page inside the call that aborted it.
    connect(m_reply, &QNetworkReply::finished, this, &PageFetcher::pageDone, Qt::QueuedConnection);
    m_timer.start(m_timeout);
}

void PageFetcher::pageDone() {
    m_timer.stop();
    QNetworkReply* reply = std::exchange(m_reply, nullptr);
    reply->deleteLater();
    const int year = m_years[m_pages.size()];
    m_pages.push_back(readReply(*reply, year, yearPageAddress(m_prefix, year)));
    requestNext();
}

YearPage PageFetcher::readReply(QNetworkReply& reply, int year, const std::string& address) const {
    YearPage page{year, std::nullopt, {}};
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (m_cancelled) {
        page.failure = Message::core(QT_TRANSLATE_NOOP("Core", "cancelled"));
    } else if (m_timedOut && m_answered) {
        page.failure = Message::core(QT_TRANSLATE_NOOP("Core", "the server sent too little of %1 within %2; it may be "
                                                               "slow or overloaded, try again later"),
                                     address, seconds(m_timeout));
    } else if (m_timedOut) {
        page.failure = Message::core(
            QT_TRANSLATE_NOOP("Core", "no answer from %1 within %2; the server may be down or slow, try again later"),
            address, seconds(m_timeout));
    } else if (m_tooLarge) {
        page.failure = Message::core(QT_TRANSLATE_NOOP("Core", "%1 is larger than %2 MB: not a yearly results page"),
                                     address, kMaxPageBytes / 1024 / 1024);
    } else if (status >= 400) {
        page.failure = Message::core(
            QT_TRANSLATE_NOOP("Core", "the server answered %1 %2 for %3"), status,
            reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().toStdString(), address);
    } else if (reply.error() != QNetworkReply::NoError) {
        page.failure =
            Message::core(QT_TRANSLATE_NOOP("Core", "cannot load %1: %2"), address, reply.errorString().toStdString());
    } else {
        const QByteArray body = reply.readAll();
        const QByteArray charset = headerCharset(reply.header(QNetworkRequest::ContentTypeHeader).toByteArray());
        QStringDecoder decoder =
            charset.isEmpty() ? QStringDecoder::decoderForHtml(body) : QStringDecoder(charset.constData());
        if (!decoder.isValid()) {
            page.failure =
                charset.isEmpty()
                    ? Message::core(QT_TRANSLATE_NOOP("Core", "the page %1 is in a character set this program cannot "
                                                              "read (named in the page)"),
                                    address)
                    : Message::core(QT_TRANSLATE_NOOP("Core", "the page %1 is in a character set this program cannot "
                                                              "read (%2)"),
                                    address, charset.toStdString());
        } else {
            page.html = QString(decoder(body)).toUtf8().toStdString();
        }
    }
    return page;
}

std::vector<YearPage> fetchYearPages(const std::string& sitePrefix, const std::vector<int>& years,
                                     std::chrono::milliseconds timeout) {
    PageFetcher fetcher(timeout);
    QEventLoop loop;
    fetcher.onFinished = [&loop] { loop.quit(); };
    fetcher.start(sitePrefix, years);
    loop.exec();
    return fetcher.pages();
}

} // namespace quorvel
