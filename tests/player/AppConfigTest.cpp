#include "runtime/AppConfig.h"

#include "TempFolder.h"

#include <QDir>
#include <QFile>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

using namespace Qt::Literals::StringLiterals;
using ::testing::Contains;
using ::testing::HasSubstr;

namespace {

std::string shown(bool on) {
    return on ? "true" : "false";
}
std::string shown(int value) {
    return std::to_string(value);
}
std::string shown(std::optional<int> value) {
    return value ? std::to_string(*value) : "absent";
}
std::string shown(uint32_t argb) {
    return QString::number(argb, 16).toStdString();
}
std::string shown(const QString &text) {
    return text.toStdString();
}

template <typename T>
std::function<std::string(const AppConfig &)> reader(T (AppConfig::*get)() const) {
    return [get](const AppConfig &config) { return shown((config.*get)()); };
}

template <typename T, typename V>
std::function<void(AppConfig &)> writer(void (AppConfig::*set)(T), V value) {
    return [set, value](AppConfig &config) { (config.*set)(value); };
}

enum class Kind { Flag, Number, Text };

struct Key {
    QString name; // section/key as in the file
    Kind kind;
    std::function<std::string(const AppConfig &)> read;
    std::string defaultValue;
    std::function<void(AppConfig &)> write; // empty: the player never writes the key
    std::string writtenValue;
};

const std::vector<Key> &keys() {
    // Left and top are written together.
    const auto setPosition = [](AppConfig &config) { config.setPosition(-40, 1080); };
    static const std::vector<Key> table = {
        {u"position/fullscreen"_s, Kind::Flag, reader(&AppConfig::fullscreen), "true",
         writer(&AppConfig::setFullscreen, false), "false"},
        {u"position/x"_s, Kind::Number, reader(&AppConfig::x), "absent", setPosition, "-40"},
        {u"position/y"_s, Kind::Number, reader(&AppConfig::y), "absent", setPosition, "1080"},
        {u"System/Title"_s,
         Kind::Text,
         reader(&AppConfig::title),
         "Varnex Control Systems",
         {},
         ""},
        {u"System/ShowDebugData"_s, Kind::Flag, reader(&AppConfig::showDebugData), "false",
         writer(&AppConfig::setShowDebugData, true), "true"},
        {u"System/isShowTcpStatus"_s, Kind::Flag, reader(&AppConfig::isShowTcpStatus), "true",
         writer(&AppConfig::setIsShowTcpStatus, false), "false"},
        {u"System/isStretchFullScreen"_s, Kind::Flag, reader(&AppConfig::isStretchFullScreen),
         "false", writer(&AppConfig::setIsStretchFullScreen, true), "true"},
        {u"System/isUserIP"_s, Kind::Flag, reader(&AppConfig::isUserIP), "true",
         writer(&AppConfig::setIsUserIP, false), "false"},
        {u"System/isUserPort"_s, Kind::Flag, reader(&AppConfig::isUserPort), "true",
         writer(&AppConfig::setIsUserPort, false), "false"},
        {u"System/UserServerIP"_s, Kind::Text, reader(&AppConfig::userServerIP), "192.168.20.1",
         writer(&AppConfig::setUserServerIP, u"10.0.0.7"_s), "10.0.0.7"},
        {u"System/UserServerPort"_s, Kind::Text, reader(&AppConfig::userServerPort), "8800",
         writer(&AppConfig::setUserServerPort, u"9900"_s), "9900"},
        {u"control/mode"_s, Kind::Number, reader(&AppConfig::mode), "1",
         writer(&AppConfig::setMode, 3), "3"},
        {u"UI/StatusColor"_s, Kind::Number, reader(&AppConfig::statusColor), "ffdc143c",
         writer(&AppConfig::setStatusColor, 0xFF00FF00u), "ff00ff00"},
        {u"UI/Angle"_s, Kind::Number, reader(&AppConfig::angle), "0",
         writer(&AppConfig::setAngle, 90), "90"},
        {u"im/username"_s, Kind::Text, reader(&AppConfig::imUsername), "",
         writer(&AppConfig::setImUsername, u"操作员"_s), "操作员"},
        {u"im/password"_s, Kind::Text, reader(&AppConfig::imPassword), "",
         writer(&AppConfig::setImPassword, u"p@ss, word"_s), "p@ss, word"},
        {u"im/DeviceID"_s, Kind::Text, reader(&AppConfig::imDeviceID), "",
         writer(&AppConfig::setImDeviceID, u"D-0042"_s), "D-0042"},
        {u"im/Server"_s, Kind::Text, reader(&AppConfig::imServer), "",
         writer(&AppConfig::setImServer, u"127.0.0.1"_s), "127.0.0.1"},
    };
    return table;
}

const Key &key(const QString &name) {
    for (const Key &candidate : keys()) {
        if (candidate.name == name)
            return candidate;
    }
    throw std::invalid_argument(name.toStdString());
}

// A file holding only the given key, in its section.
QString writeConfig(const TempFolder &folder, const QString &name, const QString &value) {
    const QString section = name.section(u'/', 0, 0);
    const QString entry = name.section(u'/', 1);
    return folder.write(u"AppConfig.dat"_s,
                        (u'[' + section + u"]\n"_s + entry + u'=' + value + u'\n').toUtf8());
}

std::string fileText(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

std::vector<std::string> fileLines(const QString &path) {
    std::vector<std::string> lines;
    for (const QString &line : QString::fromStdString(fileText(path)).split(u'\n'))
        lines.push_back(line.toStdString());
    return lines;
}

} // namespace

TEST(AppConfig, EveryKeyHasItsDefaultWhenTheFileIsMissing) {
    TempFolder folder;
    const QString path = folder.path(u"AppConfig.dat"_s);
    const AppConfig config(path);
    for (const Key &k : keys()) {
        SCOPED_TRACE(k.name.toStdString());
        EXPECT_EQ(k.read(config), k.defaultValue);
    }
    EXPECT_FALSE(QFile::exists(path));
}

TEST(AppConfig, EveryWrittenKeyComesBackFromTheFile) {
    TempFolder folder;
    const QString path = folder.path(u"AppConfig.dat"_s);
    AppConfig written(path);
    for (const Key &k : keys()) {
        if (k.write)
            k.write(written);
    }
    ASSERT_TRUE(written.sync()) << written.errorString().toStdString();

    const AppConfig reread(path);
    for (const Key &k : keys()) {
        SCOPED_TRACE(k.name.toStdString());
        EXPECT_EQ(k.read(reread), k.write ? k.writtenValue : k.defaultValue);
    }
}

TEST(AppConfig, AnUnreadableValueGivesTheKeysDefault) {
    for (const Key &k : keys()) {
        if (k.kind == Kind::Text)
            continue;
        for (const QString &corrupt : {u"abc"_s, u"1.5"_s, u"12x"_s, QString()}) {
            SCOPED_TRACE(k.name.toStdString() + "=" + corrupt.toStdString());
            TempFolder folder;
            EXPECT_EQ(k.read(AppConfig(writeConfig(folder, k.name, corrupt))), k.defaultValue);
        }
    }
}

TEST(AppConfig, ValuesAreReadInTheFormsTheFileMayHold) {
    struct Case {
        QString name;
        QString stored;
        std::string expected;
    };
    const Case cases[] = {
        {u"position/fullscreen"_s, u"0"_s, "false"},
        {u"position/fullscreen"_s, u"FALSE"_s, "false"},
        {u"position/fullscreen"_s, u"7"_s, "true"},
        {u"System/ShowDebugData"_s, u"True"_s, "true"},
        {u"System/ShowDebugData"_s, u"yes"_s, "false"},
        {u"control/mode"_s, u"0"_s, "0"},
        {u"control/mode"_s, u"2"_s, "2"},
        {u"control/mode"_s, u"7"_s, "1"},
        {u"control/mode"_s, u"-1"_s, "1"},
        {u"UI/StatusColor"_s, u"-2354116"_s, "ffdc143c"},
        {u"UI/StatusColor"_s, u"$FF00FF00"_s, "ff00ff00"},
        {u"UI/StatusColor"_s, u"-1"_s, "ffffffff"},
        {u"UI/Angle"_s, u" -90 "_s, "-90"},
        {u"position/x"_s, u"0x10"_s, "16"},
        {u"System/Title"_s, u"A, B"_s, "A, B"},
        {u"System/Title"_s, u"中控 系统"_s, "中控 系统"},
        {u"System/Title"_s, u"C:\\new\\table"_s, "C:\\new\\table"},
        {u"System/Title"_s, QString(), ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name.toStdString() + "=" + c.stored.toStdString());
        TempFolder folder;
        EXPECT_EQ(key(c.name).read(AppConfig(writeConfig(folder, c.name, c.stored))), c.expected);
    }
}

TEST(AppConfig, TextComesBackExactlyAsWritten) {
    const QString texts[] = {
        u"A, B"_s,       u"中控 面板"_s, u"C:\\data\\x"_s,     u"\"quoted\""_s,
        u"  padded  "_s, u"a=b;c"_s,     u"[not a section]"_s,
    };
    for (const QString &text : texts) {
        SCOPED_TRACE(text.toStdString());
        TempFolder folder;
        const QString path = folder.path(u"AppConfig.dat"_s);
        AppConfig written(path);
        written.setImServer(text);
        ASSERT_TRUE(written.sync());
        EXPECT_EQ(AppConfig(path).imServer(), text);
    }
}

TEST(AppConfig, FlagsAndColoursAreStoredAsIntegers) {
    TempFolder folder;
    const QString path = folder.path(u"AppConfig.dat"_s);
    AppConfig config(path);
    config.setFullscreen(false);
    config.setShowDebugData(true);
    config.setStatusColor(0xFFDC143C);
    ASSERT_TRUE(config.sync());

    const std::vector<std::string> lines = fileLines(path);
    EXPECT_THAT(lines, Contains("fullscreen=0"));
    EXPECT_THAT(lines, Contains("ShowDebugData=1"));
    EXPECT_THAT(lines, Contains("StatusColor=-2354116"));
}

TEST(AppConfig, SyncKeepsKeysThePlayerDoesNotKnow) {
    TempFolder folder;
    const QString path =
        folder.write(u"AppConfig.dat"_s, "[System]\nTitle=Hall A\n[Extra]\nnote=kept, as is\n");
    AppConfig config(path);
    config.setAngle(270);
    ASSERT_TRUE(config.sync());

    const std::vector<std::string> lines = fileLines(path);
    EXPECT_THAT(lines, Contains("Title=Hall A"));
    EXPECT_THAT(lines, Contains("note=kept, as is"));
    EXPECT_THAT(lines, Contains("Angle=270"));
}

TEST(AppConfig, SyncReplacesTheFileInsteadOfRewritingIt) {
    TempFolder folder;
    const QByteArray before = "[UI]\nAngle=90\n";
    const QString path = folder.write(u"AppConfig.dat"_s, before);
    // A second name for the same file: it keeps the old contents only when
    // the new ones went to a new file that was then renamed over the old.
    const QString oldFile = folder.path(u"old.dat"_s);
    std::filesystem::create_hard_link(std::filesystem::path(path.toStdU16String()),
                                      std::filesystem::path(oldFile.toStdU16String()));
    AppConfig config(path);
    config.setAngle(180);
    ASSERT_TRUE(config.sync());

    EXPECT_EQ(fileText(oldFile), before.toStdString());
    EXPECT_EQ(AppConfig(path).angle(), 180);
}

TEST(AppConfig, SyncFailsWithAMessageWhereTheFolderCannotBeMade) {
    TempFolder folder;
    // A plain file where the folder should be: no one, not even root, can
    // create the folder.
    const QString blocker = folder.write(u"blocker"_s, "not a folder");
    const QString path = blocker + u"/AppConfig.dat"_s;
    AppConfig config(path);
    config.setMode(2);

    EXPECT_FALSE(config.sync());
    EXPECT_THAT(config.errorString().toStdString(),
                HasSubstr(QDir::toNativeSeparators(path).toStdString()));
}
