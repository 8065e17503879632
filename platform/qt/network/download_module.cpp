// The network side of downloads, built as a module of its own and loaded only when a download
// runs, so the program starts without the network library.
#include "platform/download.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace kalvex {
namespace {

constexpr int kCancelPollMs = 50;

// Plain http is allowed only to this machine: the rates must not travel unprotected.
bool IsAllowedUrl(const QUrl& url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https"))
        return true;
    if (scheme != QLatin1String("http"))
        return false;
    const QString host = url.host();
    return host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 ||
           QHostAddress(host).isLoopback();
}

std::string ErrorText(QNetworkReply& reply)
{
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && status.toInt() >= 400) {
        return "the server answered HTTP " + std::to_string(status.toInt()) + " " +
               reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().toStdString();
    }
    return reply.errorString().toStdString();
}

// A server that has the request is slow, not silent: it is told so, with the limit it missed.
std::string TimeOutText(bool requestSent, int timeoutMs)
{
    const std::string seconds = QString::number(timeoutMs / 1000.0).toStdString() + " seconds";
    if (requestSent)
        return "the server did not finish answering within the time limit of " + seconds;
    return "no answer from the server within " + seconds;
}

void Download(const DownloadRequest& request, IDownloadProgress& progress, DownloadResult& result)
{
    const QUrl url(QString::fromStdString(request.url), QUrl::StrictMode);
    if (!IsAllowedUrl(url)) {
        result.error = "the address \"" + request.url + "\" is not an https address";
        return;
    }
    QNetworkAccessManager network;
    QNetworkRequest networkRequest(url);
    // Every redirect must satisfy the same rule as the address itself.
    networkRequest.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                                QNetworkRequest::UserVerifiedRedirectPolicy);
    QNetworkReply* reply = network.get(networkRequest);
    QEventLoop loop;
    bool timedOut = false;
    bool requestSent = false;
    bool tooLarge = false;
    QObject::connect(reply, &QNetworkReply::redirected, reply, [reply](const QUrl& target) {
        if (IsAllowedUrl(target))
            emit reply->redirectAllowed();
        else
            reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [&](qint64 received, qint64 total) {
        progress.Received(received, total);
        if (received > 0 && std::size_t(received) > request.maxBytes) {
            tooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::requestSent, reply, [&] { requestSent = true; });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, reply, [&] {
        timedOut = true;
        reply->abort();
    });
    deadline.start(request.timeoutMs);
    QTimer cancelPoll;
    QObject::connect(&cancelPoll, &QTimer::timeout, reply, [&] {
        if (!result.cancelled && progress.CancelRequested()) {
            result.cancelled = true;
            reply->abort();
        }
    });
    cancelPoll.start(kCancelPollMs);
    if (!reply->isFinished())
        loop.exec();

    // A server that sends no length is held to the limit once the whole answer is in.
    tooLarge = tooLarge || std::size_t(reply->bytesAvailable()) > request.maxBytes;
    if (result.cancelled)
        result.error.clear();
    else if (timedOut)
        result.error = TimeOutText(requestSent, request.timeoutMs);
    else if (tooLarge)
        result.error = "the server's answer is too large";
    else if (reply->error() != QNetworkReply::NoError)
        result.error = ErrorText(*reply);
    else
        result.body = reply->readAll().toStdString();
    delete reply;
}

} // namespace
} // namespace kalvex

extern "C" Q_DECL_EXPORT void kalvex_download_v1(const kalvex::DownloadRequest* request,
                                                 kalvex::IDownloadProgress* progress,
                                                 kalvex::DownloadResult* result)
{
    kalvex::Download(*request, *progress, *result);
}
