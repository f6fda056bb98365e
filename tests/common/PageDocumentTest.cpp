#include "page/PageDocument.h"

#include "TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <vector>

using namespace page;

namespace {

const char *const samplePage = R"(<?xml version="1.0" encoding="utf-8"?>
<data copyright="x" Company="c" Version="2.2">
  <setting Width="1024" Height="768"/>
  <!-- a note that carries no id -->
  <Button src="on.png" Name="Lamp1" X="10" Alpha="" Task="a.tsk"/>
  stray text
  <Label Text="立即传送" Size="14"/>
</data>
)";

QString sample() {
    return QString::fromUtf8(samplePage);
}

} // namespace

TEST(PageDocumentTest, ElementsAreAddressedByTheirIndexAmongRootElements) {
    PageDocument doc;
    ASSERT_TRUE(doc.loadFromText(sample(), QStringLiteral("sample")))
        << doc.errorString().toStdString();
    EXPECT_TRUE(doc.hasRoot());
    EXPECT_EQ(doc.childCount(), 3);
    EXPECT_EQ(doc.elementName(0), QStringLiteral("setting"));
    EXPECT_EQ(doc.elementName(1), QStringLiteral("Button"));
    EXPECT_EQ(doc.elementName(2), QStringLiteral("Label"));
    EXPECT_EQ(doc.value(0, "Width"), QStringLiteral("1024"));
    EXPECT_EQ(doc.value(1, "Name"), QStringLiteral("Lamp1"));
    EXPECT_EQ(doc.value(2, "Text"), QStringLiteral("立即传送"));
}

TEST(PageDocumentTest, AbsentThingsReadAsEmptyText) {
    PageDocument doc;
    EXPECT_FALSE(doc.hasRoot());
    EXPECT_EQ(doc.value(0, "Width"), QString());
    ASSERT_TRUE(doc.loadFromText(sample(), QStringLiteral("sample")));

    const struct {
        int id;
        const char *attr;
    } absent[] = {{-1, "Width"}, {3, "Width"}, {100, "src"}, {1, "Height"}, {0, "src"}};
    for (const auto &c : absent) {
        EXPECT_FALSE(doc.hasAttribute(c.id, c.attr)) << c.id << ' ' << c.attr;
        EXPECT_EQ(doc.value(c.id, c.attr), QString()) << c.id << ' ' << c.attr;
    }
    EXPECT_FALSE(doc.child(3));
    EXPECT_EQ(doc.elementName(3), QString());
    // Present but empty is still present.
    EXPECT_TRUE(doc.hasAttribute(1, "Alpha"));
    EXPECT_EQ(doc.value(1, "Alpha"), QString());

    doc.clear();
    EXPECT_FALSE(doc.hasRoot());
    EXPECT_EQ(doc.childCount(), 0);
}

TEST(PageDocumentTest, AttributesKeepTheirOrder) {
    PageDocument doc;
    ASSERT_TRUE(doc.loadFromText(sample(), QStringLiteral("sample")));
    std::vector<std::string> names;
    for (const pugi::xml_attribute a : doc.child(1).attributes())
        names.emplace_back(a.name());
    EXPECT_EQ(names, (std::vector<std::string>{"src", "Name", "X", "Alpha", "Task"}));
}

TEST(PageDocumentTest, AttributeTextKeepsItsLineBreaks) {
    PageDocument doc;
    ASSERT_TRUE(
        doc.loadFromText(QStringLiteral("<data><setting/><Button Task=\"_ENG=1;&#x0D;&#x0A;a=1\" "
                                        "LocTask=\"x=1\r\ny=2\"/></data>"),
                         QStringLiteral("code")));
    EXPECT_EQ(doc.value(1, "Task"), QStringLiteral("_ENG=1;\r\na=1"));
    EXPECT_EQ(doc.value(1, "LocTask"), QStringLiteral("x=1\r\ny=2"));
}

TEST(PageDocumentTest, FileWithNonAsciiNameAndTextRoundTrips) {
    TempFolder folder;
    const QString path = folder.write(QStringLiteral("页面/首页.ui"), QByteArray(samplePage));
    ASSERT_FALSE(path.isEmpty());
    PageDocument doc;
    ASSERT_TRUE(doc.load(path)) << doc.errorString().toStdString();
    EXPECT_EQ(doc.value(2, "Text"), QStringLiteral("立即传送"));
    EXPECT_EQ(doc.errorString(), QString());
}

TEST(PageDocumentTest, AFailedLoadKeepsThePreviousPageAndNamesTheFile) {
    const struct {
        const char *fileName;
        const char *contents; // nullptr: the file is not written
        const char *reason;
    } cases[] = {
        {"missing.ui", nullptr, "not found"},
        {"empty.ui", "", "empty"},
        {"broken.ui", "<data><setting></data>", "offset"},
        {"declaration.ui", "<?xml version=\"1.0\"?>\n", "no root element"},
        {"blank.ui", "  \n", "no root element"},
    };
    TempFolder folder;
    for (const auto &c : cases) {
        const QString name = QString::fromUtf8(c.fileName);
        const QString path =
            c.contents ? folder.write(name, QByteArray(c.contents)) : folder.path(name);
        PageDocument doc;
        ASSERT_TRUE(doc.loadFromText(sample(), QStringLiteral("sample")));

        EXPECT_FALSE(doc.load(path)) << c.fileName;
        EXPECT_TRUE(doc.errorString().contains(QDir::toNativeSeparators(path))) << c.fileName;
        EXPECT_TRUE(doc.errorString().contains(QString::fromUtf8(c.reason)))
            << doc.errorString().toStdString();
        EXPECT_EQ(doc.childCount(), 3) << c.fileName;
        EXPECT_EQ(doc.value(1, "Name"), QStringLiteral("Lamp1")) << c.fileName;
    }
}
