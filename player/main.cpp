#include "runtime/Messages.h"
#include "runtime/PageRenderer.h"
#include "runtime/PlayerOptions.h"
#include "runtime/SingleInstance.h"
#include "runtime/Tmainform.h"

#include <QApplication>
#include <QMessageBox>
#include <QTextStream>

namespace {
bool asksForRender(int argc, char *argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--render") == 0)
            return true;
    }
    return false;
}
} // namespace

int main(int argc, char *argv[]) {
    // A picture of a page needs no screen, so it also works on a machine without one.
    if (asksForRender(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Browser views of web objects need contexts shared with the window.
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("panelo"));

    QString error;
    const auto options =
        PlayerOptions::parse(app.arguments().mid(1), QApplication::applicationDirPath(), &error);
    if (!options) {
        QTextStream(stderr) << error << Qt::endl << PlayerOptions::usage() << Qt::endl;
        return 2;
    }

    if (!options->renderPage.isEmpty()) {
        QStringList messages;
        const bool rendered = renderPageToFile(options->renderPage, options->renderOutput,
                                               options->renderSize, &messages);
        QTextStream err(stderr);
        for (const QString &message : messages)
            err << message << Qt::endl;
        return rendered ? 0 : 1;
    }

    SingleInstance instance(QString::fromUtf8(messages::InstanceLockName));
    if (instance.alreadyExists()) {
        const QString message = QString::fromUtf8(messages::AlreadyRunning);
        QTextStream(stderr) << message << Qt::endl;
        QMessageBox::warning(nullptr, QString::fromUtf8(messages::DefaultTitle), message);
        return 1;
    }

    Tmainform form(*options);
    form.start();
    return app.exec();
}
