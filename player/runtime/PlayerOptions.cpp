#include "PlayerOptions.h"

namespace {
const QLatin1String ScreenshotOption("--screenshot");
}

std::optional<PlayerOptions> PlayerOptions::parse(const QStringList &arguments,
                                                  const QString &executableDir, QString *error) {
    PlayerOptions options;
    options.executableDir = executableDir;
    const QByteArray designer = qgetenv("PANELO_DESIGNER_ADDRESS");
    if (!designer.isEmpty() && !options.designerAddress.setAddress(QString::fromLatin1(designer))) {
        *error = QStringLiteral("PANELO_DESIGNER_ADDRESS is not an address: ") +
                 QString::fromLatin1(designer);
        return std::nullopt;
    }
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == ScreenshotOption) {
            if (i + 1 >= arguments.size()) {
                *error = QStringLiteral("--screenshot needs a file name");
                return std::nullopt;
            }
            options.screenshotPath = arguments.at(++i);
        } else if (argument.startsWith(QLatin1String("--"))) {
            *error = QStringLiteral("unknown option ") + argument;
            return std::nullopt;
        } else if (options.pageArgument.isEmpty()) {
            options.pageArgument = argument;
        }
    }
    return options;
}

QString PlayerOptions::usage() {
    return QStringLiteral("usage: panelo [--screenshot FILE.png] [PAGE.ui]");
}
