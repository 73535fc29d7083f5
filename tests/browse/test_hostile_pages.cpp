// Pages written to misbehave, on the real engine: pop-up floods, dialog loops, pages that will not
// be left, links for other programs, downloads whose server dies. What the user sees and keeps.
#include "EngineWindow.h"
#include "RecordingAgent.h"
#include "TinyHttp.h"
#include "app/AppGlobals.h"
#include "app/AppSetup.h"
#include "app/MainMenus.h"
#include "app/Widgets.h"
#include "app/WindowProbe.h"
#include "browse/BrowserControl.h"
#include "browse/Browsers.h"
#include "browse/Downloads.h"
#include "browse/ExternalLinks.h"
#include "browse/LinksMenu.h"
#include "browse/PageDialogs.h"
#include "browse/PageEvents.h"
#include "browse/WebEngineBrowser.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>
#include <csignal>

namespace {
constexpr int kTimeoutMs = 30000;

QDialog* shownPageDialog() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<QDialog*>(w);
            d && d->isVisible() && d->objectName() == QLatin1String(PageDialogs::kObjectName))
            return d;
    return nullptr;
}

[[maybe_unused]] QPushButton* buttonNamed(QDialog* dialog, const QString& text) {
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
        if (b->text().remove(QLatin1Char('&')) == text) return b;
    return nullptr;
}

// Answers page dialogs from a timer, since each one runs its own event loop.
struct DialogAnswerer {
    std::function<void(QDialog*)> answer;
    QStringList titles;
    QTimer timer;
    explicit DialogAnswerer(std::function<void(QDialog*)> a)
        : answer(std::move(a)) {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (QDialog* d = shownPageDialog(); d && !d->property("answered").toBool()) {
                d->setProperty("answered", true);
                titles << d->windowTitle();
                answer(d);
            }
        });
        timer.start(20);
    }
};
} // namespace

class TestHostilePages : public QObject, EngineWindowFixture {
    Q_OBJECT
    std::unique_ptr<TinyHttp> http;
    QTemporaryDir site;

    QWidget* pageSurface() const {
        auto* view = qobject_cast<QWebEngineView*>(current()->View());
        return view && view->focusProxy() ? view->focusProxy() : current()->View();
    }
    bool idle(int slot, const QString& url) const {
        return mod().Pages->InUse(slot) && mod().Pages->Control(slot)->LocationURL() == url &&
               !mod().Pages->Control(slot)->Busy();
    }
    QString load(const QByteArray& path, const QByteArray& html) {
        http->Page(path, html);
        const QString url = http->Url(QString::fromLatin1(path));
        current()->Navigate(url);
        return url;
    }
    // A click in the middle of the page: a user gesture the page can act on.
    void clickPage() {
        QWidget* surface = pageSurface();
        const QPoint middle(surface->width() / 2, surface->height() / 2);
        QTest::mouseClick(surface, Qt::LeftButton, {}, middle);
    }

private slots:
    void init() {
        QVERIFY(StartEngineWindow());
        form->ShowMessage = [](const QString&, const QString&) {};
        http = std::make_unique<TinyHttp>();
    }
    void cleanup() {
        ExternalLinks::SetQuestionForTesting(nullptr);
        ExternalLinks::SetOpenerForTesting(nullptr);
        EndEngineWindow();
        http.reset();
    }

    void popUpsOnlyFollowAClick() {
        http->Page("/popup.html", "<title>Popped</title><p>popped</p>");
        const QString flood = load(
            "/flood.html", "<title>Flood</title><style>button{position:fixed;inset:0;width:100%;"
                           "height:100%}</style><button onclick=\"window.open('/popup.html')\">go</button>"
                           "<script>for(var i=0;i<200;i++)window.open('/popup.html?'+i);</script>");
        QTRY_VERIFY_WITH_TIMEOUT(idle(1, flood), kTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(ui().PicStatusBar->Text(), QStringLiteral("Pop-up blocked"), kTimeoutMs);
        QCOMPARE(ui().TabMain->count(), 3); // no window opened on its own

        clickPage();
        QTRY_COMPARE_WITH_TIMEOUT(ui().TabMain->count(), 4, kTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(current()->LocationURL(), http->Url(QStringLiteral("/popup.html")),
                                  kTimeoutMs);
        QTest::qWait(300);
        QCOMPARE(ui().TabMain->count(), 4); // one click, one window
    }

    void aDialogLoopCanBeSilencedAndIsTitledWithTheHost() {
        DialogAnswerer answerer([](QDialog* d) {
            d->findChild<QCheckBox*>()->setChecked(true);
            d->accept();
        });
        const QString loop =
            load("/loop.html", "<script>for(var i=0;i<1000;i++)alert('Trapped '+i);"
                               "var ok=confirm('Really?');document.title='Free '+ok;</script>");
        QTRY_COMPARE_WITH_TIMEOUT(current()->LocationName(), QStringLiteral("Free false"), kTimeoutMs);
        QCOMPARE(answerer.titles, QStringList{QStringLiteral("127.0.0.1")}); // one dialog, the host alone
        QVERIFY(!shownPageDialog());

        // Going to a page anew lets it speak again.
        QStringList seen;
        answerer.answer = [](QDialog* d) { d->accept(); };
        load("/once.html", "<script>alert('hello');document.title='Said';</script>");
        QTRY_COMPARE_WITH_TIMEOUT(current()->LocationName(), QStringLiteral("Said"), kTimeoutMs);
        QCOMPARE(answerer.titles.size(), 2);
    }

    void aTabAndTheProgramCloseWhileADialogIsOpen() {
        const QString first = load("/first.html", "<title>First</title>");
        QTRY_VERIFY_WITH_TIMEOUT(idle(1, first), kTimeoutMs);
        http->Page("/nag.html",
                   "<title>Nag</title><script>setTimeout(function(){for(;;)alert('again')},10)</script>");
        // The user acts from the window while the page waits in its dialog (inside its event loop).
        int answered = 0;
        DialogAnswerer closer([&](QDialog*) {
            ++answered;
            if (answered == 1)
                ui().Menus->ItemFileClose->trigger(); // Ctrl+W
            else
                form->FileExit();
        });
        mod().Pages->OpenInNewBrowser(http->Url(QStringLiteral("/nag.html")));
        QTRY_VERIFY_WITH_TIMEOUT(answered == 1 && !mod().Pages->InUse(2), kTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(!shownPageDialog(), kTimeoutMs);
        QCOMPARE(mod().Pages->CurBrowser(), 1);
        QCOMPARE(ui().TabMain->count(), 3);

        // The same page again, and the program's exit.
        mod().Pages->OpenInNewBrowser(http->Url(QStringLiteral("/nag.html")));
        QTRY_VERIFY_WITH_TIMEOUT(answered == 2 && !form->isVisible(), kTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(!shownPageDialog(), kTimeoutMs);
    }

    void linksForOtherProgramsAreAskedAboutAndLeaveNoTab() {
        QList<QUrl> asked, opened;
        bool yes = false;
        ExternalLinks::SetQuestionForTesting([&](const QUrl& url, std::function<void(bool)> done) {
            asked << url;
            done(yes);
        });
        ExternalLinks::SetOpenerForTesting([&](const QUrl& url) {
            opened << url;
            return true;
        });
        const QString page = load("/ssh.html", "<title>Other</title><style>a{position:fixed;inset:0}</style>"
                                               "<a href='ssh://example.invalid/'>connect</a>");
        QTRY_VERIFY_WITH_TIMEOUT(idle(1, page), kTimeoutMs);
        clickPage();
        QTRY_COMPARE_WITH_TIMEOUT(asked.size(), 1, kTimeoutMs);
        QCOMPARE(asked.first(), QUrl(QStringLiteral("ssh://example.invalid/")));
        QVERIFY(opened.isEmpty()); // No is the answer given: nothing opened
        QCOMPARE(current()->LocationURL(), page);

        yes = true;
        const QString blank =
            load("/steam.html", "<title>Steam</title><style>a{position:fixed;inset:0}</style>"
                                "<a target=_blank href='steam://run/1'>play</a>");
        QTRY_VERIFY_WITH_TIMEOUT(idle(1, blank), kTimeoutMs);
        clickPage();
        QTRY_COMPARE_WITH_TIMEOUT(opened.size(), 1, kTimeoutMs);
        QCOMPARE(opened.first(), QUrl(QStringLiteral("steam://run/1")));
        // The window opened for the link had nothing to show and goes at the next tick.
        QTRY_VERIFY_WITH_TIMEOUT((mod().Pages->CleanupBadWindows(), ui().TabMain->count() == 3), kTimeoutMs);
        QCOMPARE(mod().Pages->CurBrowser(), 1);
    }

    void aHundredThousandLinksAreAllInAScrollingMenu() {
        QByteArray html = "<title>Many</title>";
        for (int i = 0; i < 100000; ++i)
            html += "<a href='/p" + QByteArray::number(i) + "'>Link " + QByteArray::number(i) + "</a>\n";
        const QString many = load("/many.html", html);
        QTRY_VERIFY_WITH_TIMEOUT(idle(1, many), kTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(mod().Links->LinkCount(), 100000, kTimeoutMs);
        QCOMPARE(mod().Links->Item(100000)->text(), QStringLiteral("Link 99999"));
        QMenu* menu = ui().Menus->MenuLinks;
        QVERIFY(menu->style()->styleHint(QStyle::SH_Menu_Scrollable, nullptr, menu));

        // A small page after it: its links alone, the rest hidden, not rebuilt one by one.
        const QString small = load("/small.html", "<a href='/a'>Only</a>");
        QTRY_VERIFY_WITH_TIMEOUT(idle(1, small), kTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(mod().Links->LinkCount(), 1, kTimeoutMs);
        int visible = 0;
        for (QAction* a : menu->actions())
            visible += a->isVisible() ? 1 : 0;
        QCOMPARE(visible, 1);
    }

    void aDownloadWhoseServerDiesSaysWhyAndLeavesNothing() {
        http->Route("/big.bin", [](QTcpSocket* socket) {
            socket->write(
                "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n"
                "Content-Disposition: attachment; filename=big.bin\r\nContent-Length: 10000000\r\n\r\n");
            socket->write(QByteArray(200000, 'x'));
            socket->flush();
            QTimer::singleShot(300, socket, [socket] { socket->abort(); });
        });
        const QString page = load("/start.html", "<title>Downloads</title>");
        QTRY_VERIFY_WITH_TIMEOUT(idle(1, page), kTimeoutMs);
        Downloads* saving = factory->Saving();
        QVERIFY(saving);
        int asks = 0;
        const QString target = site.filePath(QStringLiteral("big.bin"));
        saving->AskForPath = [&](const QString&) {
            ++asks;
            return target;
        };
        QStringList told;
        saving->Tell = [&](const QString& text, bool) { told << text; };
        QSignalSpy finished(saving, &Downloads::finished);
        current()->Navigate(http->Url(QStringLiteral("/big.bin")));
        QVERIFY(finished.wait(kTimeoutMs));
        QCOMPARE(finished.first().at(0).toBool(), false);
        QVERIFY(finished.first().at(1).toString().contains(QStringLiteral("failed")));
        QVERIFY(!QFileInfo::exists(target));
        QVERIFY(!QFileInfo::exists(target + QStringLiteral(".crdownload")));
        QTest::qWait(1000);
        QCOMPARE(asks, 1);       // never asked twice
        QVERIFY(told.isEmpty()); // said in its own window, no second box

        // A folder that does not exist: told at once, nothing started.
        saving->AskForPath = [&](const QString&) { return site.filePath(QStringLiteral("missing/big.bin")); };
        finished.clear();
        current()->Navigate(http->Url(QStringLiteral("/big.bin")));
        QVERIFY(finished.wait(kTimeoutMs));
        QVERIFY(finished.first().at(1).toString().contains(QStringLiteral("cannot be written")));
        QCOMPARE(told.size(), 1);
    }

    void textThatIsNoAddressGetsAPageSayingSo() {
        current()->Navigate(QStringLiteral("hello world"));
        QTRY_COMPARE_WITH_TIMEOUT(current()->LocationName(), QStringLiteral("Not an address"), kTimeoutMs);
        QString body;
        current()->RunScript(QStringLiteral("document.body.innerText"),
                             [&body](const QVariant& v) { body = v.toString(); });
        QTRY_VERIFY_WITH_TIMEOUT(body.contains(QStringLiteral("hello world")), kTimeoutMs);
    }

    void aDeadPageIsNamedInTheStatusBar() {
        const QString first = load("/first.html", "<title>First</title>");
        QTRY_VERIFY_WITH_TIMEOUT(idle(1, first), kTimeoutMs);
        http->Page("/victim.html", "<title>Victim</title>");
        mod().Pages->OpenInNewBrowser(http->Url(QStringLiteral("/victim.html")));
        QTRY_VERIFY_WITH_TIMEOUT(idle(2, http->Url(QStringLiteral("/victim.html"))), kTimeoutMs);
        const qint64 pid = static_cast<WebEngineBrowser*>(current())->Page()->renderProcessPid();
        QVERIFY(pid > 0);
        ::kill(pid_t(pid), SIGKILL);
        QTRY_VERIFY_WITH_TIMEOUT(!mod().Pages->InUse(2), kTimeoutMs);
        const QString said = ui().PicStatusBar->Text();
        QVERIFY2(said.contains(QStringLiteral("Victim")) && said.contains(QStringLiteral("stopped working")),
                 qPrintable(said));
    }
};

int main(int argc, char** argv) {
    PrepareBeforeApplication();
    QApplication app(argc, argv);
    TestHostilePages test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_hostile_pages.moc"
