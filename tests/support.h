#pragma once

// Helpers shared by the tests: the form's texts as QStrings, and clicks on the model.

#include "exercise/tarvello.h"
#include "snapshot.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace tarvello::test {

inline QString qs(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// How QtTest prints a Snapshot in a failed QCOMPARE: the whole form in one line, so that the
// failure shows what differed.
inline char* toString(const Snapshot& s)
{
    auto texts = [](const std::vector<Text>& list) {
        QStringList shown;
        for (const Text& text : list)
            shown << qs(text);
        return "[" + shown.join('|') + "]";
    };
    auto flags = [](const std::vector<bool>& list) {
        QString shown;
        for (bool flag : list)
            shown += flag ? '1' : '0';
        return shown;
    };
    QString out = "captions " + texts(s.captions) + " values " + flags(s.values) + " enabled " +
        flags(s.enabled) + " lists";
    for (std::size_t i = 0; i < s.lists.size(); ++i)
        out += QString(" %1@%2").arg(texts(s.lists[i])).arg(s.listIndexes[i]);
    out += QString(" info \"%1\" selected %2").arg(qs(s.info)).arg(s.selectedIndex);
    return qstrdup(out.toUtf8().constData());
}

// The form's own texts, as the tests expect them. Only the form-contents test spells them out.
inline QStringList fromContents(const std::array<std::u16string_view, contents::kindCount>& texts)
{
    QStringList result;
    for (std::u16string_view text : texts)
        result << qs(text);
    return result;
}
inline const QStringList names = fromContents(contents::kindNames); // by kind index
inline const QStringList descriptions = fromContents(contents::kindDescriptions);
inline const QString correct = qs(verdict::correct);
inline const QString wrong = qs(verdict::wrong);

inline QStringList namesOf(const QList<int>& kinds)
{
    QStringList result;
    for (int kind : kinds)
        result << names[kind];
    return result;
}

inline QStringList rows(const ListBox& list)
{
    QStringList result;
    for (const Text& row : listRows(list))
        result << qs(row);
    return result;
}

// Clicks the kind buttons with these kind indexes, one after another, as the user would.
inline void pick(Tarvello& form, const QList<int>& kinds)
{
    for (int kind : kinds)
        form.Option1(static_cast<Integer>(kind)).userClick();
}

} // namespace tarvello::test
