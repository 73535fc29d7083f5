#include "app/AppSetup.h"

#include "base/ProductProfile.h"
#include "browse/PageScheme.h"

#include <QApplication>
#include <QIcon>
#include <unistd.h>

void PrepareBeforeApplication() {
    // The engine's sandbox cannot run for the root user.
    if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    PageSchemeHandler::RegisterScheme();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

void NameApplication() {
    const ProductProfile product;
    QApplication::setOrganizationName(product.OEM_Name());
    QApplication::setApplicationName(product.Product_Name());
    // No display name of its own: X11 would append it to every dialog's title.
    QApplication::setDesktopFileName(QStringLiteral("glisterwood99"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/icon-64.png")));
}
