#include "browse/ExternalLinks.h"

#include "browse/PageScheme.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>

namespace ExternalLinks {
namespace {
std::function<void(const QUrl&, std::function<void(bool)>)>& question() {
    static std::function<void(const QUrl&, std::function<void(bool)>)> ask;
    return ask;
}
std::function<bool(const QUrl&)>& opener() {
    static std::function<bool(const QUrl&)> open = [](const QUrl& url) {
        return QDesktopServices::openUrl(url);
    };
    return open;
}
} // namespace

bool IsEngineScheme(const QString& scheme) {
    static const QStringList shown{QStringLiteral("http"),
                                   QStringLiteral("https"),
                                   QStringLiteral("file"),
                                   QStringLiteral("ftp"),
                                   QStringLiteral("about"),
                                   QStringLiteral("data"),
                                   QStringLiteral("blob"),
                                   QStringLiteral("javascript"),
                                   QStringLiteral("view-source"),
                                   QStringLiteral("qrc"),
                                   QStringLiteral("chrome"),
                                   QStringLiteral("devtools"),
                                   QLatin1String(PageSchemeHandler::kScheme)};
    return scheme.isEmpty() || shown.contains(scheme.toLower());
}

void Ask(QWidget* parent, const QUrl& url, std::function<void(bool)> done) {
    if (question()) {
        question()(url, std::move(done));
        return;
    }
    QString shown = url.toDisplayString();
    if (shown.size() > 300) shown = shown.left(300) + QStringLiteral("...");
    auto* box = new QMessageBox(QMessageBox::Question, QStringLiteral("Open link"),
                                QStringLiteral("Open this link with another program?"), QMessageBox::NoButton,
                                parent);
    box->setInformativeText(shown);
    box->addButton(QMessageBox::Yes);
    box->setDefaultButton(box->addButton(QMessageBox::No));
    box->setEscapeButton(QMessageBox::No);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QMessageBox::finished, box, [box, done = std::move(done)](int) {
        done(box->clickedButton() == box->button(QMessageBox::Yes));
    });
    box->open();
}

bool OpenWithDesktop(const QUrl& url) {
    return opener()(url);
}

void SetQuestionForTesting(std::function<void(const QUrl&, std::function<void(bool)>)> ask) {
    question() = std::move(ask);
}

void SetOpenerForTesting(std::function<bool(const QUrl&)> open) {
    opener() = std::move(open);
}

} // namespace ExternalLinks
