#include "PlayerOptions.h"

namespace {
const QLatin1String ScreenshotOption("--screenshot");
const QLatin1String ScreenshotDelayOption("--screenshot-delay");
const QLatin1String RenderOption("--render");
const QLatin1String OutOption("--out");
const QLatin1String SizeOption("--size");

std::optional<QSize> parseSize(const QString &text) {
    const QStringList parts = text.split(QLatin1Char('x'), Qt::KeepEmptyParts, Qt::CaseInsensitive);
    bool okW = false;
    bool okH = false;
    if (parts.size() != 2)
        return std::nullopt;
    const int w = parts[0].toInt(&okW);
    const int h = parts[1].toInt(&okH);
    if (!okW || !okH || w < 1 || h < 1 || w > 16384 || h > 16384)
        return std::nullopt;
    return QSize(w, h);
}
} // namespace

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
        const bool takesValue = argument == ScreenshotOption || argument == ScreenshotDelayOption ||
                                argument == RenderOption || argument == OutOption ||
                                argument == SizeOption;
        if (takesValue && i + 1 >= arguments.size()) {
            *error = argument + QStringLiteral(" needs a value");
            return std::nullopt;
        }
        if (argument == ScreenshotOption) {
            options.screenshotPath = arguments.at(++i);
        } else if (argument == ScreenshotDelayOption) {
            bool ok = false;
            options.screenshotDelayMs = arguments.at(++i).toInt(&ok);
            if (!ok || options.screenshotDelayMs < 0) {
                *error = QStringLiteral("--screenshot-delay takes milliseconds");
                return std::nullopt;
            }
        } else if (argument == RenderOption) {
            options.renderPage = arguments.at(++i);
        } else if (argument == OutOption) {
            options.renderOutput = arguments.at(++i);
        } else if (argument == SizeOption) {
            const auto size = parseSize(arguments.at(++i));
            if (!size) {
                *error = QStringLiteral("--size takes WIDTHxHEIGHT, for example 1280x720");
                return std::nullopt;
            }
            options.renderSize = *size;
        } else if (argument.startsWith(QLatin1String("--"))) {
            *error = QStringLiteral("unknown option ") + argument;
            return std::nullopt;
        } else if (options.pageArgument.isEmpty()) {
            options.pageArgument = argument;
        }
    }
    if (!options.renderPage.isEmpty() && options.renderOutput.isEmpty()) {
        *error = QStringLiteral("--render needs --out FILE.png");
        return std::nullopt;
    }
    return options;
}

QString PlayerOptions::usage() {
    return QStringLiteral(
        "usage: panelo [--screenshot FILE.png [--screenshot-delay MS]] [PAGE.ui]\n"
        "       panelo --render PAGE.ui --out FILE.png [--size WxH]");
}
