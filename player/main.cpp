#include "runtime/Messages.h"
#include "runtime/PlayerOptions.h"
#include "runtime/SingleInstance.h"
#include "runtime/Tmainform.h"

#include <QApplication>
#include <QMessageBox>
#include <QTextStream>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("panelo"));

    QString error;
    const auto options =
        PlayerOptions::parse(app.arguments().mid(1), QApplication::applicationDirPath(), &error);
    if (!options) {
        QTextStream(stderr) << error << Qt::endl << PlayerOptions::usage() << Qt::endl;
        return 2;
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
