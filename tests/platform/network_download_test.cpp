#include "platform/qt/network_download.h"
#include "tests/support/local_http_server.h"

#include <QTest>
#include <QUrl>

namespace kalvex::testing {
namespace {

class CancellingProgress final : public IDownloadProgress {
public:
    void Received(std::int64_t, std::int64_t) override {}
    bool CancelRequested() override { return ++m_asked > 2; }

private:
    int m_asked = 0;
};

} // namespace

class NetworkDownloadTest : public QObject {
    Q_OBJECT

private:
    LocalHttpServer m_server;
    NullDownloadProgress m_progress;

    DownloadResult Get(const QString& url, int timeoutMs = 5000)
    {
        return DownloadThroughNetworkModule({url.toStdString(), timeoutMs}, m_progress);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.IsListening());
        m_server.Serve("/rates.xml", {200, "<rates/>"});
        m_server.Serve("/slow.xml", {200, {}, true});
        m_server.Serve("/big.xml", {200, QByteArray(4096, 'x')});
    }

    void deliversTheBody()
    {
        const DownloadResult result = Get(m_server.Url("/rates.xml"));
        QVERIFY2(result.Succeeded(), result.error.c_str());
        QCOMPARE(result.body, std::string("<rates/>"));
    }

    void namesTheHttpStatus()
    {
        const DownloadResult result = Get(m_server.Url("/missing.xml"));
        QVERIFY(!result.Succeeded());
        QVERIFY2(result.error.find("HTTP 404 Not Found") != std::string::npos, result.error.c_str());
        QVERIFY(result.body.empty());
    }

    void namesAServerThatIsNotThere()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 port = closed.serverPort();
        closed.close();
        const DownloadResult result = Get(QStringLiteral("http://127.0.0.1:%1/rates.xml").arg(port));
        QVERIFY(!result.Succeeded());
        QVERIFY2(result.error.find("refused") != std::string::npos, result.error.c_str());
    }

    // Over https the silent server never completes the handshake, so it never has the request.
    void givesUpAfterTheTimeLimit_data()
    {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<QString>("named");
        QTest::newRow("request sent")
            << "http"
            << "the server did not finish answering within the time limit of 0.3 seconds";
        QTest::newRow("no answer") << "https"
                                   << "no answer from the server within 0.3 seconds";
    }

    void givesUpAfterTheTimeLimit()
    {
        QFETCH(QString, scheme);
        QFETCH(QString, named);
        QUrl url(m_server.Url("/slow.xml"));
        url.setScheme(scheme);
        const DownloadResult result = Get(url.toString(), 300);
        QVERIFY(!result.cancelled);
        QCOMPARE(QString::fromStdString(result.error), named);
    }

    void stopsWhenCancelled()
    {
        CancellingProgress cancelling;
        const DownloadResult result =
            DownloadThroughNetworkModule({m_server.Url("/slow.xml").toStdString()}, cancelling);
        QVERIFY(result.cancelled);
        QVERIFY(!result.Succeeded());
        QVERIFY(result.error.empty());
    }

    void refusesALargerAnswerThanAllowed()
    {
        const DownloadResult result =
            DownloadThroughNetworkModule({m_server.Url("/big.xml").toStdString(), 5000, 1000}, m_progress);
        QVERIFY2(result.error.find("too large") != std::string::npos, result.error.c_str());
    }

    // Nothing is contacted here: the address is refused before any connection.
    void refusesPlainHttpBeyondThisMachine()
    {
        const int before = m_server.RequestCount();
        for (const char* url :
             {"http://192.0.2.1/rates.xml", "ftp://127.0.0.1/rates.xml", "not an address"}) {
            const DownloadResult result = Get(QString::fromLatin1(url));
            QVERIFY2(result.error.find("is not an https address") != std::string::npos, result.error.c_str());
        }
        QCOMPARE(m_server.RequestCount(), before);
    }
};

} // namespace kalvex::testing

QTEST_GUILESS_MAIN(kalvex::testing::NetworkDownloadTest)
#include "network_download_test.moc"
