// The questions a page puts to the user, on the real engine: an untrusted certificate is refused
// unless the user accepts it.
#include "TestEnvironment.h"
#include "app/AppSetup.h"
#include "app/WindowProbe.h"
#include "browse/BrowserControl.h"
#include "browse/Browsers.h"
#include "browse/WebEngineBrowser.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTest>

namespace {
constexpr int kTimeoutMs = 30000;

QByteArray readData(const char* name) {
    QFile file(QStringLiteral(GW_TEST_DATA "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A one-page HTTPS server on the loopback address with a self-signed certificate.
class TinyHttpsServer : public QSslServer {
public:
    TinyHttpsServer() {
        QSslConfiguration config = QSslConfiguration::defaultConfiguration();
        config.setLocalCertificate(QSslCertificate(readData("test-cert.pem")));
        config.setPrivateKey(QSslKey(readData("test-key.pem"), QSsl::Rsa));
        setSslConfiguration(config);
        connect(this, &QSslServer::pendingConnectionAvailable, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                    if (!socket->readAll().contains("\r\n\r\n")) return;
                    const QByteArray body = "<title>Behind the certificate</title><p>secret</p>";
                    socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: "
                                  "close\r\nContent-Length: " +
                                  QByteArray::number(body.size()) + "\r\n\r\n" + body);
                    socket->disconnectFromHost();
                });
            }
        });
        listen(QHostAddress::LocalHost);
    }
    QString Url() const { return QStringLiteral("https://127.0.0.1:%1/").arg(serverPort()); }
};

QMessageBox* shownQuestion() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) return box;
    return nullptr;
}
} // namespace

class TestWebQuestions : public QObject {
    Q_OBJECT

    void answerCertificateQuestion(bool accept) {
        TestEnvironment env;
        env.InitGlobalsWithRecorder();
        WebEngineBrowserFactory factory(true);
        FormMain form(factory);
        QVERIFY(form.DoInit());
        form.show();
        TinyHttpsServer server;
        QVERIFY(server.isListening());

        form.CurrentPage()->Navigate(server.Url());
        QTRY_VERIFY_WITH_TIMEOUT(shownQuestion(), kTimeoutMs);
        QMessageBox* box = shownQuestion();
        QVERIFY(box->text().contains(QStringLiteral("127.0.0.1")));
        // Refusing is the default answer.
        QCOMPARE(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::No));
        box->button(accept ? QMessageBox::Yes : QMessageBox::No)->click();
        BrowserControl* page = form.CurrentPage();
        if (accept) {
            QTRY_COMPARE_WITH_TIMEOUT(page->LocationName(), QStringLiteral("Behind the certificate"),
                                      kTimeoutMs);
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(!page->Busy(), kTimeoutMs);
            QVERIFY(page->LocationName() != QStringLiteral("Behind the certificate"));
        }
    }

private slots:
    void anUntrustedCertificateIsRefusedByDefault() { answerCertificateQuestion(false); }
    void theUserMayAcceptAnUntrustedCertificate() { answerCertificateQuestion(true); }
};

int main(int argc, char** argv) {
    PrepareBeforeApplication();
    QApplication app(argc, argv);
    TestWebQuestions test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_web_questions.moc"
