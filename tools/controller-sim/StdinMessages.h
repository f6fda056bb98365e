#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Turns lines of standard input into messages. A line is one message, with
// "\n" standing for a line break; a line "<<<" opens a block whose lines,
// up to a line ">>>", form one message as they are. Blank lines between
// messages are skipped.
class StdinMessages {
public:
    static inline const QString kBlockStart = QStringLiteral("<<<");
    static inline const QString kBlockEnd = QStringLiteral(">>>");

    // The message that this line completes, if any.
    std::optional<QString> addLine(const QString &line);
    bool inBlock() const { return m_inBlock; }

private:
    bool m_inBlock = false;
    QStringList m_block;
};
