// The built program as the desktop starts it: addresses on its command line, a second start handing
// its addresses to the first, and the open pages back after the program was killed.
#include "browse/SessionFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <unistd.h>

namespace {
constexpr int kTimeoutMs = 60000;
}

class TestProgramRuns : public QObject {
    Q_OBJECT
    QTemporaryDir home, runtime, site;

    QString sessionFile() const {
        return home.filePath(QStringLiteral(".local/share/Varnholt Software/Glisterwood 99/session.json"));
    }
    QStringList keptAddresses() const {
        const std::optional<Session> session = SessionFile::Read(sessionFile());
        QStringList addresses;
        if (session)
            for (const SavedPage& page : session->pages)
                addresses << page.address;
        return addresses;
    }
    QString page(const char* name) const {
        return QUrl::fromLocalFile(site.filePath(QString::fromLatin1(name))).toString();
    }
    // A start of the program in the folder of the pages, as a user in a terminal would.
    std::unique_ptr<QProcess> start(const QStringList& arguments) {
        auto program = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral(".local/share")));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral(".cache")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        if (geteuid() == 0) env.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
        program->setProcessEnvironment(env);
        program->setWorkingDirectory(site.path());
        program->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program->start(QStringLiteral(GW_PROGRAM), arguments);
        return program;
    }

private slots:
    void initTestCase() {
        for (const char* name : {"alpha.html", "bravo.html", "charlie.html"}) {
            QFile file(site.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("<title>" + QByteArray(name).chopped(5) + "</title><p>a page");
        }
    }

    void addressesOpenAndComeBackAfterAKill() {
        // Two pages from the command line, by their paths in the current folder.
        auto first = start({QStringLiteral("alpha.html"), QStringLiteral("bravo.html")});
        QVERIFY(first->waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(keptAddresses(), QStringList({page("alpha.html"), page("bravo.html")}),
                                  kTimeoutMs);

        // A second start hands its address to the first and ends; the first opens it in a new page.
        auto second = start({page("charlie.html")});
        QVERIFY(second->waitForFinished(kTimeoutMs));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(keptAddresses(),
                                  QStringList({page("alpha.html"), page("bravo.html"), page("charlie.html")}),
                                  kTimeoutMs);

        // Killed without a word: what was written a moment after the last change comes back.
        first->kill();
        QVERIFY(first->waitForFinished(kTimeoutMs));
        QSettings(home.filePath(QStringLiteral(".config/Varnholt Software/Glisterwood 97.conf")),
                  QSettings::IniFormat)
            .setValue(QStringLiteral("Restore pages"), QStringLiteral("1"));
        const QDateTime killedAt = QFileInfo(sessionFile()).lastModified();
        auto third = start({});
        QVERIFY(third->waitForStarted());
        // The restored pages are written again once start-up is over; a start page would replace them.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(sessionFile()).lastModified() > killedAt, kTimeoutMs);
        QCOMPARE(keptAddresses(),
                 QStringList({page("alpha.html"), page("bravo.html"), page("charlie.html")}));
        QCOMPARE(SessionFile::Read(sessionFile())->current, 2);
        third->terminate(); // ends as File > Exit does
        QVERIFY(third->waitForFinished(kTimeoutMs));
        QCOMPARE(keptAddresses().size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestProgramRuns)
#include "test_program_runs.moc"
