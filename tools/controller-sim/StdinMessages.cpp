#include "StdinMessages.h"

#include "MessageText.h"

std::optional<QString> StdinMessages::addLine(const QString &line) {
    QString text = line;
    while (text.endsWith(u'\r') || text.endsWith(u'\n'))
        text.chop(1);
    if (m_inBlock) {
        if (text.trimmed() != kBlockEnd) {
            m_block << text;
            return std::nullopt;
        }
        m_inBlock = false;
        const QString message = m_block.join(u'\n');
        m_block.clear();
        if (message.isEmpty())
            return std::nullopt;
        return message;
    }
    const QString trimmed = text.trimmed();
    if (trimmed == kBlockStart) {
        m_inBlock = true;
        return std::nullopt;
    }
    if (trimmed.isEmpty())
        return std::nullopt;
    return unescapeMessage(trimmed);
}
