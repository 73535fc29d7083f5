#include "TestEnvironment.h"
#include "base/RegUtil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace RegUtil;

class TestSettings : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnvironment> env;

    // Writes the settings file by hand, as a user editing it would.
    void writeFile(const QByteArray& text) {
        QDir().mkpath(QFileInfo(env->SettingsFile()).absolutePath());
        QFile file(env->SettingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

private slots:
    void init() { env = std::make_unique<TestEnvironment>(); }
    void cleanup() { env.reset(); }

    void valuesRoundTripIntoKeysCreatedOnDemand() {
        QCOMPARE(GetRegString(kProductKey, QStringLiteral("Startup page")), QString());
        SetRegString(kProductKey, QStringLiteral("Startup page"), QStringLiteral("http://a.example/, b;c=d"));
        SetRegString(kMusicFoldersKey, QStringLiteral("1"), QStringLiteral("/home/x/Music\\carols"));
        QCOMPARE(GetRegString(kProductKey, QStringLiteral("Startup page")),
                 QStringLiteral("http://a.example/, b;c=d"));
        QCOMPARE(GetRegString(kMusicFoldersKey, QStringLiteral("1")),
                 QStringLiteral("/home/x/Music\\carols"));
        // The subkey's values do not leak into the product key.
        QCOMPARE(GetRegString(kProductKey, QStringLiteral("1")), QString());
        QVERIFY(QFile::exists(env->SettingsFile()));
        QVERIFY(
            env->SettingsFile().endsWith(QStringLiteral("/.config/Varnholt Software/Glisterwood 97.conf")));
    }

    void longAndNonTextValuesReadAsMissing() {
        const QString fits(kMaxValueLength, QLatin1Char('x'));
        SetRegString(kProductKey, QStringLiteral("Agent name"), fits);
        QCOMPARE(GetRegString(kProductKey, QStringLiteral("Agent name")), fits);
        SetRegString(kProductKey, QStringLiteral("Agent name"), fits + QLatin1Char('y'));
        QCOMPARE(GetRegString(kProductKey, QStringLiteral("Agent name")), QString());

        writeFile("[General]\nBackground=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\nUse%20agent=1, 2\n");
        QCOMPARE(GetRegString(kProductKey, QStringLiteral("Background")), QString());
        QCOMPARE(GetRegString(kProductKey, QStringLiteral("Use agent")), QString());
        QCOMPARE(GetRegNumber(kProductKey, QStringLiteral("Background")), 0);
    }

    void numbersAreTheLeadingNumberOfTheText() {
        QCOMPARE(RegNumber(QString()), 0);
        QCOMPARE(RegNumber(QStringLiteral("abc")), 0);
        QCOMPARE(RegNumber(QStringLiteral("   ")), 0);
        QCOMPARE(RegNumber(QStringLiteral("  12abc")), 12);
        QCOMPARE(RegNumber(QStringLiteral("-1")), -1);
        QCOMPARE(RegNumber(QStringLiteral("7 8")), 7);
        QCOMPARE(RegNumber(QStringLiteral("99999999999999999999")), 32767);
        QCOMPARE(RegNumber(QStringLiteral("-99999999999999999999")), -32768);
        QCOMPARE(RegNumber(QStringLiteral("\u0663")), 0); // only ASCII digits count
    }

    void deletingASubkeyTakesAllItsValues() {
        SetRegString(kScriptsKey, QStringLiteral("startup"), QStringLiteral("3"));
        SetRegString(kScriptsKey, QStringLiteral("page_loaded"), QStringLiteral("9"));
        SetRegString(kProductKey, QStringLiteral("Background"), QStringLiteral("4"));
        DeleteRegKey(kScriptsKey);
        QCOMPARE(GetRegString(kScriptsKey, QStringLiteral("startup")), QString());
        QCOMPARE(GetRegString(kScriptsKey, QStringLiteral("page_loaded")), QString());
        QCOMPARE(GetRegString(kProductKey, QStringLiteral("Background")), QStringLiteral("4"));
    }

    void damagedFileReadsAsEmpty() {
        writeFile(QByteArray("\x00\xff\xfe garbage [[[ = = \n\n[General\nStartup page", 40));
        QCOMPARE(GetRegString(kProductKey, QStringLiteral("Startup page")), QString());
        SetRegString(kProductKey, QStringLiteral("Background"), QStringLiteral("3"));
        QCOMPARE(GetRegNumber(kProductKey, QStringLiteral("Background")), 3);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
