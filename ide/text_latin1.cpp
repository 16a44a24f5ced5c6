#include "text_latin1.h"

#include <QCoreApplication>

QString latin1Refusal(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).unicode() <= 0xFF) continue;
        // A character beyond the first plane comes as a pair of halves.
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        return QCoreApplication::translate("CEditorView",
                                           "Not inserted: \"%1\" (U+%2) is not a Latin-1 character, and program "
                                           "text holds Latin-1 only")
            .arg(text.mid(i, length))
            .arg(QString::number(text.mid(i, length).toUcs4().value(0), 16).toUpper().rightJustified(4, QLatin1Char('0')));
    }
    return {};
}

QString readOnlyMessage() {
    return QCoreApplication::translate("CEditorView", "This document is read-only");
}
