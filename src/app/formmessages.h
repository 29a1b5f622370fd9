#pragma once
// Plain message boxes and file dialogs, replaceable in tests.

#include <QString>
#include <QStringList>
#include <optional>

namespace Messages {

// A modal information box with one OK button. Line breaks may be written
// as carriage returns.
void information(const QString &title, const QString &text);

// Test seam: when recording, boxes are not shown but kept here.
void setRecording(bool on);
QStringList &recorded();   // the texts, in order

// File dialogs: a test sets the next answer (an empty string is a cancel).
QString openFileName(const QString &caption, const QString &dir, const QString &filter);
QString saveFileName(const QString &caption, const QString &dir, const QString &filter);
void setNextFileName(const std::optional<QString> &name);

} // namespace Messages
