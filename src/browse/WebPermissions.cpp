#include "browse/WebPermissions.h"

#include <QMessageBox>
#include <QPointer>
#include <QWebEngineCertificateError>
#include <QWebEnginePage>

namespace WebPermissions {
namespace {

QString featureName(QWebEnginePage::Feature feature) {
    switch (feature) {
    case QWebEnginePage::Notifications:
        return QStringLiteral("show notifications");
    case QWebEnginePage::Geolocation:
        return QStringLiteral("know your location");
    case QWebEnginePage::MediaAudioCapture:
        return QStringLiteral("use your microphone");
    case QWebEnginePage::MediaVideoCapture:
        return QStringLiteral("use your camera");
    case QWebEnginePage::MediaAudioVideoCapture:
        return QStringLiteral("use your camera and microphone");
    case QWebEnginePage::DesktopVideoCapture:
    case QWebEnginePage::DesktopAudioVideoCapture:
        return QStringLiteral("see your screen");
    default:
        return QStringLiteral("use a feature of your computer");
    }
}

// Non-blocking question; the answer arrives through done(true) for Yes.
void ask(QWidget* parent, const QString& title, const QString& text, std::function<void(bool)> done) {
    auto* box =
        new QMessageBox(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box->setDefaultButton(QMessageBox::No);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QMessageBox::finished, box, [box, done = std::move(done)](int) {
        done(box->clickedButton() == box->button(QMessageBox::Yes));
    });
    box->open();
}

} // namespace

void Attach(QWebEnginePage* page, QWidget* dialogParent) {
    QObject::connect(page, &QWebEnginePage::certificateError, page,
                     [dialogParent](QWebEngineCertificateError error) {
                         if (!error.isOverridable()) {
                             error.rejectCertificate();
                             return;
                         }
                         error.defer();
                         ask(dialogParent, QStringLiteral("Security warning"),
                             QStringLiteral("The identity of %1 cannot be verified:\n%2\n\n"
                                            "Someone may be impersonating the site. Continue anyway?")
                                 .arg(error.url().host(), error.description()),
                             [error](bool yes) mutable {
                                 if (yes)
                                     error.acceptCertificate();
                                 else
                                     error.rejectCertificate();
                             });
                     });
    QPointer<QWebEnginePage> guarded(page);
    QObject::connect(page, &QWebEnginePage::featurePermissionRequested, page,
                     [guarded, dialogParent](const QUrl& origin, QWebEnginePage::Feature feature) {
                         ask(dialogParent, QStringLiteral("Permission"),
                             QStringLiteral("Allow %1 to %2?").arg(origin.host(), featureName(feature)),
                             [guarded, origin, feature](bool yes) {
                                 if (guarded)
                                     guarded->setFeaturePermission(
                                         origin, feature,
                                         yes ? QWebEnginePage::PermissionGrantedByUser
                                             : QWebEnginePage::PermissionDeniedByUser);
                             });
                     });
}

} // namespace WebPermissions
