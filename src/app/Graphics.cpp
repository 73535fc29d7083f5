#include "app/Graphics.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QtGlobal>

namespace {

QString openGlRenderer() {
    QOffscreenSurface surface;
    surface.create();
    QOpenGLContext context;
    if (!context.create() || !context.makeCurrent(&surface)) return {};
    const auto* name = reinterpret_cast<const char*>(context.functions()->glGetString(GL_RENDERER));
    const QString renderer = name ? QString::fromLatin1(name) : QString();
    context.doneCurrent();
    return renderer;
}

} // namespace

bool IsSoftwareRenderer(const QString& rendererName) {
    const QString name = rendererName.toLower();
    for (const char* software :
         {"llvmpipe", "softpipe", "swrast", "software rasterizer", "lavapipe", "swiftshader"})
        if (name.contains(QLatin1String(software))) return true;
    return false;
}

bool ChooseComposition() {
    if (qEnvironmentVariableIsSet("QT_QUICK_BACKEND"))
        return qEnvironmentVariable("QT_QUICK_BACKEND") == QLatin1String("software");
    const QString asked = qEnvironmentVariable("GLISTERWOOD_GRAPHICS");
    bool software = asked == QLatin1String("software");
    if (asked.isEmpty()) {
        const QString renderer = openGlRenderer();
        // No OpenGL at all draws in software as well.
        software = renderer.isEmpty() || IsSoftwareRenderer(renderer);
    }
    if (software) qputenv("QT_QUICK_BACKEND", "software");
    return software;
}
