#pragma once
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

// A headless Chromium driven through its WebDriver over HTTP: just what a test of the host's
// page needs. ok() is false when Chromium or its driver is not installed. Chromium runs without
// its sandbox, which it cannot set up as root (CI).
class WebDriver {
public:
    WebDriver()
    {
        const QString driver = QStandardPaths::findExecutable(QStringLiteral("chromedriver"));
        const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
        if (driver.isEmpty() || chromium.isEmpty())
            return;
        QTcpServer probe; // a free port for the driver
        probe.listen(QHostAddress::LocalHost);
        base_ = QStringLiteral("http://127.0.0.1:%1").arg(probe.serverPort());
        probe.close();
        driver_.start(driver, {QStringLiteral("--port=%1").arg(QUrl(base_).port())});
        if (!QTest::qWaitFor([&] { return call("GET", "/status")["ready"].toBool(); }, 10000))
            return;
        const QJsonObject options{
            {"binary", chromium},
            {"args", QJsonArray{"--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage"}},
            {"prefs", QJsonObject{{"intl.accept_languages", "ja"}}}};
        const QJsonObject capabilities{{"alwaysMatch", QJsonObject{{"goog:chromeOptions", options}}}};
        session_ = call("POST", "/session", {{"capabilities", capabilities}})["sessionId"].toString();
    }
    ~WebDriver()
    {
        if (!session_.isEmpty())
            call("DELETE", "/session/" + session_);
        driver_.kill();
        driver_.waitForFinished(3000);
    }
    bool ok() const { return !session_.isEmpty(); }

    void go(const QString& url) { sessionCall("POST", "/url", {{"url", url}}); }
    void refresh() { sessionCall("POST", "/refresh", {}); }
    QJsonValue run(const QString& script)
    {
        return sessionCall("POST", "/execute/sync", {{"script", script}, {"args", QJsonArray{}}});
    }
    // The elements that `css` selects, by their ids, in document order.
    QStringList findAll(const QString& css)
    {
        QStringList ids;
        for (const QJsonValue& e : sessionCall("POST", "/elements", {{"using", "css selector"}, {"value", css}}).toArray())
            ids << e.toObject().begin()->toString();
        return ids;
    }
    QString find(const QString& css) { return findAll(css).value(0); }
    void click(const QString& element) { sessionCall("POST", "/element/" + element + "/click", {}); }
    void type(const QString& element, const QString& text)
    {
        sessionCall("POST", "/element/" + element + "/value", {{"text", text}});
    }

private:
    QJsonValue sessionCall(const QByteArray& method, const QString& path, const QJsonObject& body)
    {
        return call(method, "/session/" + session_ + path, body);
    }
    QJsonValue call(const QByteArray& method, const QString& path, const QJsonObject& body = {})
    {
        QNetworkRequest request(QUrl(base_ + path));
        request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
        const QByteArray data = method == "GET" ? QByteArray() : QJsonDocument(body).toJson(QJsonDocument::Compact);
        QNetworkReply* reply = net_.sendCustomRequest(request, method, data);
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        loop.exec();
        const QJsonValue value = QJsonDocument::fromJson(reply->readAll()).object().value(QLatin1String("value"));
        reply->deleteLater();
        return value;
    }

    QProcess driver_;
    QNetworkAccessManager net_;
    QString base_;
    QString session_;
};
